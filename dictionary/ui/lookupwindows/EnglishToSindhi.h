// EnglishToSindhi: the lookups of the English-to-Sindhi window. The word is passed by
// reference and afterwards holds its normalised form; every caller passes a fresh copy of
// a control's text. A failure of the stored-query call ends the lookup and reaches the
// caller (dataaccess::DataError); failures inside the row walk are skipped.
#pragma once

#include <string>

namespace dictionary {

class frmEnglish2Sindhi;

// ShowSindhiMeanings, then ShowEnglishDefinitions on the same variable.
void LookUpEnglish(frmEnglish2Sindhi& window, std::u16string& word);
// getXfromPD: the numbered Sindhi meanings in SindhiMeanings.
void ShowSindhiMeanings(frmEnglish2Sindhi& window, std::u16string& word);
// getXstrip: the numbered definitions in EnglishMeaning, after a single space.
void ShowEnglishDefinitions(frmEnglish2Sindhi& window, std::u16string& word);

}  // namespace dictionary
