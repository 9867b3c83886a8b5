// Records and dismisses the modal message boxes a process shows while a watcher lives
// (this process, or another one a test started): a thread looks for message boxes (#32770 windows with a message-text
// static), reads their title, text, icon and buttons, and presses one of the buttons.
#pragma once

#include <windows.h>

#include <atomic>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "gui/MessagePump.h"

namespace sindhikit::guitest {

enum class BoxIcon { None, Error, Warning, Information, Question, Other };

struct RecordedMessageBox {
    std::wstring title;
    std::wstring text;
    BoxIcon icon = BoxIcon::None;
    std::vector<std::wstring> buttons;  // captions, in window order
};

class MessageBoxWatcher {
 public:
    // `answer` is the command the watcher sends (IDOK presses OK); `processId` the process
    // whose boxes it watches (0: this one).
    explicit MessageBoxWatcher(int answer = IDOK, DWORD processId = 0);
    // The n-th box gets the n-th answer; boxes after the last answer get the last one.
    MessageBoxWatcher(std::vector<int> answers, DWORD processId);
    ~MessageBoxWatcher();
    MessageBoxWatcher(const MessageBoxWatcher&) = delete;
    MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;

    std::vector<RecordedMessageBox> Boxes() const;
    // Waits (pumping this thread's messages) until `count` boxes have been recorded.
    bool WaitForBoxes(size_t count, int timeoutMs = kPatienceMs) const;

 private:
    void Run();
    void Inspect(HWND box);

    const std::vector<int> answers_;
    const DWORD processId_;
    std::atomic<bool> stop_{false};
    mutable std::mutex mutex_;
    std::vector<RecordedMessageBox> boxes_;
    std::set<HWND> seen_;
    std::thread thread_;
};

}  // namespace sindhikit::guitest
