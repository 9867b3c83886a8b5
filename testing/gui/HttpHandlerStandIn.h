// A stand-in for the browser: while it lives, a copy of a recording program (one that
// writes its command line to "<its own path>.ran", as server/tests/windows/SysInfoStub
// does) is the machine's handler of http addresses, so a test sees what the shell was asked
// to open without starting a browser. The handler registered before comes back at the end.
// The handler is the Wine prefix's, shared by every process of it: tests that use this
// hold the lock that guards it.
#pragma once

#include <string>

namespace sindhikit::guitest {

class HttpHandlerStandIn {
 public:
    // `recorder`: the recording program (a Windows path); its copy is named `name` in the
    // temporary folder.
    HttpHandlerStandIn(const std::string& recorder, const std::string& name);
    ~HttpHandlerStandIn();
    HttpHandlerStandIn(const HttpHandlerStandIn&) = delete;
    HttpHandlerStandIn& operator=(const HttpHandlerStandIn&) = delete;

    bool Registered() const { return registered_; }
    // The command line the shell started the stand-in with; empty until it has run.
    std::wstring CommandLine() const;

 private:
    std::string marker_;
    std::string saved_;
    bool hadHandler_ = false;
    bool registered_ = false;
};

}  // namespace sindhikit::guitest
