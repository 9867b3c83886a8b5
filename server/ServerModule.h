// Module-wide state of the in-process server: its own handle and the counts that decide
// whether DllCanUnloadNow may let the process unload it.
#pragma once

#include <windows.h>

#include <string>

namespace tavrocodes {

void SetModuleHandle(HMODULE module);
HMODULE ModuleHandle();
// Full path of TavroCodes.dll as loaded: registration and the type library use it.
std::wstring ModulePath();

void ObjectCreated();
void ObjectDestroyed();
void LockModule(bool lock);
bool ModuleInUse();

}  // namespace tavrocodes
