#include "ServerModule.h"

#include <atomic>

namespace tavrocodes {
namespace {
HMODULE g_module = nullptr;
// Atomic although the server is apartment-threaded: every apartment of the process shares them.
std::atomic<long> g_objects{0};
std::atomic<long> g_locks{0};
}  // namespace

void SetModuleHandle(HMODULE module) {
    g_module = module;
}
HMODULE ModuleHandle() {
    return g_module;
}

std::wstring ModulePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD length = GetModuleFileNameW(g_module, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);  // truncated: retry with room for a long path
    }
}

void ObjectCreated() {
    ++g_objects;
}
void ObjectDestroyed() {
    --g_objects;
}
void LockModule(bool lock) {
    if (lock)
        ++g_locks;
    else
        --g_locks;
}
bool ModuleInUse() {
    return g_objects.load() != 0 || g_locks.load() != 0;
}

}  // namespace tavrocodes
