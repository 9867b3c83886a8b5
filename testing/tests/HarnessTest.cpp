// The harness itself: message boxes of every kind are read and answered, PNGs are real
// PNGs of the right size, controls are found by id and text.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "gui/MessageBoxWatcher.h"
#include "gui/Screenshot.h"
#include "gui/WindowFinder.h"
#include "gui/WindowProbe.h"

using namespace sindhikit::guitest;

TEST(MessageBoxWatcher, RecordsTitleTextIconAndButtonsAndGivesTheAnswer) {
    const struct {
        UINT type;
        int answer;
        BoxIcon icon;
        std::vector<std::wstring> buttons;
    } cases[] = {
        {MB_OK | MB_ICONERROR, IDOK, BoxIcon::Error, {L"OK"}},
        {MB_OK, IDOK, BoxIcon::None, {L"OK"}},
        {MB_OKCANCEL | MB_ICONWARNING, IDCANCEL, BoxIcon::Warning, {L"OK", L"Cancel"}},
        {MB_YESNO | MB_ICONQUESTION, IDNO, BoxIcon::Question, {L"&Yes", L"&No"}},
        {MB_OK | MB_ICONINFORMATION, IDOK, BoxIcon::Information, {L"OK"}},
    };
    for (const auto& c : cases) {
        MessageBoxWatcher watcher(c.answer);
        EXPECT_EQ(MessageBoxW(nullptr, L"Some text", L"A title", c.type), c.answer);
        const auto boxes = watcher.Boxes();
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].title, L"A title");
        EXPECT_EQ(boxes[0].text, L"Some text");
        EXPECT_EQ(boxes[0].icon, c.icon);
        EXPECT_EQ(boxes[0].buttons, c.buttons);
    }
}

TEST(Screenshot, WritesAPngOfThePixelsSize) {
    Pixels p;
    p.width = 7;
    p.height = 3;
    p.bgr.assign(7 * 3 * 3, 0x80);
    const std::wstring path = ScreenshotFolder() + L"\\harness_selftest.png";
    ASSERT_TRUE(SavePng(p, path));
    std::vector<unsigned char> bytes(4096);
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD got = 0;
    ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr);
    CloseHandle(file);
    bytes.resize(got);
    ASSERT_GT(bytes.size(), 24u);
    EXPECT_EQ(std::vector<unsigned char>(bytes.begin(), bytes.begin() + 8),
              (std::vector<unsigned char>{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'}));
    auto be32 = [&](size_t at) {
        return (std::uint32_t{bytes[at]} << 24) | (bytes[at + 1] << 16) | (bytes[at + 2] << 8) | bytes[at + 3];
    };
    EXPECT_EQ(be32(16), 7u);  // IHDR width
    EXPECT_EQ(be32(20), 3u);  // IHDR height
    EXPECT_FALSE(SavePng(Pixels{}, path)) << "nothing to write";
}

TEST(WindowFinder, FindsTopWindowsAndControlsByCaptionIdAndText) {
    HWND top = CreateWindowExW(0, L"Static", L"Harness window", WS_POPUP | WS_VISIBLE, 10, 20, 200, 100, nullptr,
                               nullptr, nullptr, nullptr);
    ASSERT_TRUE(top);
    HWND button = CreateWindowExW(0, L"Button", L"&Press", WS_CHILD | WS_VISIBLE, 5, 6, 50, 20, top,
                                  reinterpret_cast<HMENU>(42), nullptr, nullptr);
    EXPECT_EQ(FindTopWindow(L"Harness window"), top);
    EXPECT_EQ(FindTopWindow(L"Harness window", L"Button"), nullptr);
    EXPECT_EQ(FindChildById(top, 42), button);
    EXPECT_EQ(FindChildByText(top, L"&Press", L"Button"), button);
    EXPECT_EQ(FindChildByText(top, L"&Press", L"Static"), nullptr);
    const Box b = BoxInParent(button);
    EXPECT_EQ(b.left, 5);
    EXPECT_EQ(b.top, 6);
    EXPECT_EQ(b.width, 50);
    EXPECT_EQ(WindowBox(top).left, 10);
    DestroyWindow(top);
    EXPECT_EQ(FindTopWindow(L"Harness window"), nullptr);
}
