#include "ServerWindows.h"
#include "ThreadWindows.h"

namespace tavrocodes::windows {

void SetModuleLock(void (*lock)(bool)) {
    SetModuleLockFunction(lock);
}

}  // namespace tavrocodes::windows
