#include "SindhiToEnglish.h"

#include "DatabaseHandler.h"
#include "Genral.h"
#include "LookupLines.h"
#include "StoreLookups.h"
#include "WideText.h"
#include "access/DataError.h"
#include "frmSindhiToEnglish.h"

namespace dictionary {

using namespace sindhikit;

void LookUpSindhi(frmSindhiToEnglish& window, std::u16string& word) {
    word = TrimSpaces(word);
    const auto meanings = QueryEnglishMeanings(StoreConnection, word);
    window.EnglishMeaningsList->Clear();
    window.EnglishMeaning->SetText(L"");
    for (const auto& meaning : meanings) window.EnglishMeaningsList->AddItem(Wide(meaning));
}

void ShowMeaningDefinitions(frmSindhiToEnglish& window, std::u16string& meaning) {
    const std::u16string asked = meaning;
    meaning = CapitalizeFirst(meaning);
    std::vector<DefinitionRow> rows;
    try {
        rows = QueryDefinitions(StoreConnection, asked);
    } catch (const dataaccess::DataError&) {
        // no recordset: the definitions stay empty
    }
    window.EnglishMeaning->SetText(Wide(EnglishDefinitionsText(rows, DefinitionsStart::Empty)));
}

}  // namespace dictionary
