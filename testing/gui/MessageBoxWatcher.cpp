#include "gui/MessageBoxWatcher.h"

#include "gui/MessagePump.h"
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

BOOL CALLBACK CollectOwn(HWND hwnd, LPARAM found) {
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid == GetCurrentProcessId()) reinterpret_cast<std::vector<HWND>*>(found)->push_back(hwnd);
    return TRUE;
}

std::vector<HWND> OwnTopWindows() {
    std::vector<HWND> found;
    EnumWindows(CollectOwn, reinterpret_cast<LPARAM>(&found));
    return found;
}

BoxIcon IconOf(HICON icon) {
    if (!icon) return BoxIcon::None;
    if (icon == LoadIconW(nullptr, IDI_HAND)) return BoxIcon::Error;
    if (icon == LoadIconW(nullptr, IDI_EXCLAMATION)) return BoxIcon::Warning;
    if (icon == LoadIconW(nullptr, IDI_ASTERISK)) return BoxIcon::Information;
    if (icon == LoadIconW(nullptr, IDI_QUESTION)) return BoxIcon::Question;
    return BoxIcon::Other;
}

}  // namespace

MessageBoxWatcher::MessageBoxWatcher(int answer) : answer_(answer), thread_([this] { Run(); }) {}

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
        for (HWND hwnd : OwnTopWindows()) {
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
            record.icon = IconOf(reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0)));
        } else if (cls == L"Button" && IsWindowVisible(child)) {
            record.buttons.push_back(TextOf(child));
        }
    }
    {
        std::lock_guard<std::mutex> lock(mutex_);
        seen_.insert(box);
        boxes_.push_back(record);
    }
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(answer_, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, answer_)));
}

}  // namespace sindhikit::guitest
