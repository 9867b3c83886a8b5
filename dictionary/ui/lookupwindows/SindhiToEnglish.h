// SindhiToEnglish: the lookups of the Sindhi-to-English window. Words are passed by
// reference; every caller passes a fresh copy of a control's text.
#pragma once

#include <string>

namespace dictionary {

class frmSindhiToEnglish;

// getYfromPD with the trimmed word: the English meanings in EnglishMeaningsList, and
// EnglishMeaning emptied. A failure of the stored-query call reaches the caller
// (dataaccess::DataError) before either control changes.
void LookUpSindhi(frmSindhiToEnglish& window, std::u16string& word);
// getXstrip for the chosen meaning: its numbered definitions in EnglishMeaning, without a
// leading space. Never fails: a query that cannot run leaves EnglishMeaning empty.
void ShowMeaningDefinitions(frmSindhiToEnglish& window, std::u16string& meaning);

}  // namespace dictionary
