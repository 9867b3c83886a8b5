#include "MakerWebsite.h"

#include <shellapi.h>

#include <string>

#include "layout/MakerInfo.h"
#include "win/PictureFonts.h"

namespace dictionary {

void OpenMakerWebsite(HWND owner) {
    const std::wstring address = sindhikit::pictures::Wide(std::string(sindhikit::pictures::kMakerWebsite));
    ShellExecuteW(owner, L"open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace dictionary
