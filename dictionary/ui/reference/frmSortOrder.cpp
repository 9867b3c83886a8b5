// frmSortOrder: the Sindhi sort-order chart as the window's own background and, over it,
// the same chart in a picture box along the top edge, sized to its picture, so the lower
// edge of the background shows beneath the box. No buttons: its close box ends it.
#include <cstdlib>
#include <memory>

#include "DesignedControls.h"
#include "ReferenceIds.h"
#include "ReferenceWindow.h"
#include "ReferenceWindows.h"
#include "win/Pictures.h"
#include "winui/PictureBox.h"

namespace dictionary::reference {

namespace {

using sindhikit::winui::Frame;

class frmSortOrder : public ReferenceWindow {
 private:
    void Load() override {
        SetPicture(sindhikit::pictures::CreateSortOrderPicture());
        HBITMAP chart = sindhikit::pictures::CreateSortOrderPicture();
        RECT client{};
        GetClientRect(Hwnd(), &client);
        BITMAP info{};
        const int height = chart && GetObjectW(chart, sizeof(info), &info) ? std::abs(info.bmHeight) : client.bottom;
        // Docked along the top: the window's width, the picture's height.
        sindhikit::winui::CreatePictureBox(Hwnd(), ids::Picture1, 0, 0, client.right, height, chart, COLOR_WINDOW);
    }
};

sindhikit::winui::SingleWindow g_frmSortOrder;

}  // namespace

void ShowSortOrder() {
    ReferenceWindow::Show(
        g_frmSortOrder, [] { return std::make_unique<frmSortOrder>(); },
        {kSortOrderClass, {L"Sorting Order", Frame::FixedTool, {6315, 8760}}, GetSysColor(COLOR_WINDOW), false});
}

}  // namespace dictionary::reference
