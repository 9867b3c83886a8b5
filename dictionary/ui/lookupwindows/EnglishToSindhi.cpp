#include "EnglishToSindhi.h"

#include "DatabaseHandler.h"
#include "Genral.h"
#include "LookupLines.h"
#include "StoreLookups.h"
#include "WideText.h"
#include "frmEnglish2Sindhi.h"

namespace dictionary {

using namespace sindhikit;

void LookUpEnglish(frmEnglish2Sindhi& window, std::u16string& word) {
    ShowSindhiMeanings(window, word);
    ShowEnglishDefinitions(window, word);
}

// The query normalises the word it is given; the variable then takes the normalised form,
// so the definitions are asked for that form normalised once more (" apple" gives the
// meanings of "apple" and the definitions of "Apple").
void ShowSindhiMeanings(frmEnglish2Sindhi& window, std::u16string& word) {
    const auto meanings = QuerySindhiMeanings(StoreConnection, word);
    word = CapitalizeFirst(word);
    window.SindhiMeanings->SetText(Wide(SindhiMeaningsText(meanings)));
}

void ShowEnglishDefinitions(frmEnglish2Sindhi& window, std::u16string& word) {
    const auto rows = QueryDefinitions(StoreConnection, word);
    word = CapitalizeFirst(word);
    window.EnglishMeaning->SetText(Wide(EnglishDefinitionsText(rows, DefinitionsStart::SingleSpace)));
}

}  // namespace dictionary
