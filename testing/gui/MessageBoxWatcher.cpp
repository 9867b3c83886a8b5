#include "gui/MessageBoxWatcher.h"

#include <algorithm>
#include <utility>

#include "gui/MessagePump.h"
#include "gui/Pixels.h"
#include "gui/WindowFinder.h"
#include "gui/WindowProbe.h"

namespace sindhikit::guitest {

namespace {

// The message text's control id: 0xFFFF on Windows, 100 in Wine's user32.
bool IsMessageText(HWND child) {
    const int id = GetDlgCtrlID(child);
    return ClassOf(child) == L"Static" && (id == 0xFFFF || id == 100);
}

bool IsMessageBox(HWND hwnd) {
    if (ClassOf(hwnd) != L"#32770" || !IsWindowVisible(hwnd)) return false;
    for (HWND child : ChildrenOf(hwnd)) {
        if (IsMessageText(child)) return true;
    }
    return false;
}

struct ProcessWindows {
    DWORD processId;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectOfProcess(HWND hwnd, LPARAM p) {
    auto* walk = reinterpret_cast<ProcessWindows*>(p);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid == walk->processId) walk->found.push_back(hwnd);
    return TRUE;
}

std::vector<HWND> TopWindowsOf(DWORD processId) {
    ProcessWindows walk{processId, {}};
    EnumWindows(CollectOfProcess, reinterpret_cast<LPARAM>(&walk));
    return walk.found;
}

BoxIcon IconOf(HICON icon) {
    if (!icon) return BoxIcon::None;
    if (icon == LoadIconW(nullptr, IDI_HAND)) return BoxIcon::Error;
    if (icon == LoadIconW(nullptr, IDI_EXCLAMATION)) return BoxIcon::Warning;
    if (icon == LoadIconW(nullptr, IDI_ASTERISK)) return BoxIcon::Information;
    if (icon == LoadIconW(nullptr, IDI_QUESTION)) return BoxIcon::Question;
    return BoxIcon::Other;
}

// The standard icon that, drawn on the static's background, looks most like what the
// screen shows of it.
BoxIcon IconByPixels(HWND iconStatic) {
    // The box may not have painted yet when it is first seen.
    Pixels shown = CaptureWindow(iconStatic);
    for (int tries = 0; tries < 100 && shown.InkFraction() < 0.05; ++tries) {
        Sleep(20);
        shown = CaptureWindow(iconStatic);
    }
    if (shown.width == 0) return BoxIcon::None;
    const COLORREF ground = RGB((shown.At(shown.width - 1, shown.height - 1) >> 16) & 0xFF,
                                (shown.At(shown.width - 1, shown.height - 1) >> 8) & 0xFF,
                                shown.At(shown.width - 1, shown.height - 1) & 0xFF);
    const std::pair<BoxIcon, LPCWSTR> candidates[] = {{BoxIcon::Error, IDI_HAND},
                                                      {BoxIcon::Warning, IDI_EXCLAMATION},
                                                      {BoxIcon::Information, IDI_ASTERISK},
                                                      {BoxIcon::Question, IDI_QUESTION}};
    BoxIcon best = BoxIcon::Other;
    double bestDifference = 0.2;  // more than a fifth of the pixels differing: none of them
    HDC screen = GetDC(nullptr);
    for (const auto& [kind, id] : candidates) {
        HDC dc = CreateCompatibleDC(screen);
        HBITMAP bitmap = CreateCompatibleBitmap(screen, shown.width, shown.height);
        HGDIOBJ old = SelectObject(dc, bitmap);
        HBRUSH brush = CreateSolidBrush(ground);
        const RECT all{0, 0, shown.width, shown.height};
        FillRect(dc, &all, brush);
        DeleteObject(brush);
        DrawIconEx(dc, 0, 0, LoadIconW(nullptr, id), 0, 0, 0, nullptr, DI_NORMAL);
        SelectObject(dc, old);
        const double difference = ReadBitmap(bitmap).DifferenceFrom(shown);
        DeleteObject(bitmap);
        DeleteDC(dc);
        if (difference < bestDifference) {
            bestDifference = difference;
            best = kind;
        }
    }
    ReleaseDC(nullptr, screen);
    return best;
}

}  // namespace

MessageBoxWatcher::MessageBoxWatcher(int answer, DWORD processId)
    : MessageBoxWatcher(std::vector<int>{answer}, processId) {}

MessageBoxWatcher::MessageBoxWatcher(std::vector<int> answers, DWORD processId)
    : answers_(answers.empty() ? std::vector<int>{IDOK} : std::move(answers)),
      processId_(processId ? processId : GetCurrentProcessId()),
      thread_([this] { Run(); }) {}

MessageBoxWatcher::~MessageBoxWatcher() {
    stop_ = true;
    thread_.join();
}

std::vector<RecordedMessageBox> MessageBoxWatcher::Boxes() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return boxes_;
}

bool MessageBoxWatcher::WaitForBoxes(size_t count, int timeoutMs) const {
    return PumpUntil([&] { return Boxes().size() >= count; }, timeoutMs);
}

void MessageBoxWatcher::Run() {
    while (!stop_) {
        for (HWND hwnd : TopWindowsOf(processId_)) {
            if (IsMessageBox(hwnd)) Inspect(hwnd);
        }
        {
            // A closed box's handle may come back for a new box.
            std::lock_guard<std::mutex> lock(mutex_);
            for (auto it = seen_.begin(); it != seen_.end();) it = IsWindow(*it) ? std::next(it) : seen_.erase(it);
        }
        Sleep(20);
    }
}

void MessageBoxWatcher::Inspect(HWND box) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (seen_.count(box)) return;
    }
    RecordedMessageBox record;
    record.title = TextOf(box);
    for (HWND child : ChildrenOf(box)) {
        const std::wstring cls = ClassOf(child);
        if (IsMessageText(child)) {
            record.text = TextOf(child);
        } else if (cls == L"Static" && (GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
            // A box without an icon keeps an empty icon control (which its text may cover).
            // Icon handles are the process's own: another process's icon is told by its pixels.
            const auto icon = reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0));
            record.icon = !icon                                 ? BoxIcon::None
                          : processId_ == GetCurrentProcessId() ? IconOf(icon)
                                                                : IconByPixels(child);
        } else if (cls == L"Button" && IsWindowVisible(child)) {
            record.buttons.push_back(TextOf(child));
        }
    }
    int answer = 0;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        seen_.insert(box);
        answer = answers_[std::min(boxes_.size(), answers_.size() - 1)];
        boxes_.push_back(record);
    }
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, answer)));
}

}  // namespace sindhikit::guitest
