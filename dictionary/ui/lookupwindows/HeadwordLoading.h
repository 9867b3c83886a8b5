// Filling the lookup windows' headword lists at start-up, row by row with yields between
// the rows, so the user can already work while they fill. Each routine runs once.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace dictionary {

class frmEnglish2Sindhi;
class frmSindhiToEnglish;

struct LoadingServices {
    // One pass over the pending window messages.
    std::function<void()> yield;
    // Owner of the "Data not found.." message box.
    HWND owner = nullptr;
};

// The window as it is now: the user may close it while its list fills (nullptr then).
using EnglishWindowNow = std::function<frmEnglish2Sindhi*()>;
using SindhiWindowNow = std::function<frmSindhiToEnglish*()>;

// The English headwords of Xlist in ID order, deciphered, into WordList and WordBox of the
// English-to-Sindhi window; `progress` receives the splash window's caption after each row.
void LoadEnglishHeadwords(const EnglishWindowNow& window, const std::function<void(const std::wstring&)>& progress,
                          const LoadingServices& services);

// The Sindhi headwords of YList as stored into WordList and WordBox of the
// Sindhi-to-English window.
void LoadSindhiHeadwords(const SindhiWindowNow& window, const LoadingServices& services);

// "Loading Data.. " + the first letter of the last headword read, upper-cased +
// " ..Please wait ".
std::wstring ProgressCaption(const std::wstring& lastHeadword);

}  // namespace dictionary
