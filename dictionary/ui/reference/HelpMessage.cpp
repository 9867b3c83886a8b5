// The Help command: a modal message that points to the read-me and the maker's web site.
#include <string>

#include "ReferenceWindows.h"
#include "layout/MakerInfo.h"
#include "win/PictureFonts.h"

namespace dictionary::reference {

void ShowHelpMessage(HWND owner) {
    // The address follows the comma directly: the sentence leads into it.
    const std::wstring text = L"Please Read Readme.Doc or visit our website for detail guide," +
                              sindhikit::pictures::Wide(std::string(sindhikit::pictures::kMakerWebsite));
    MessageBoxW(owner, text.c_str(), L"Help", MB_OK | MB_ICONINFORMATION);
}

}  // namespace dictionary::reference
