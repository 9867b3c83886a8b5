// DllMain, DllGetClassObject and DllCanUnloadNow (registration lives in Registration.cpp).
#include <windows.h>
#include <objbase.h>

#include "ClassFactory.h"
#include "ServerModule.h"
#include "ServerWindows.h"
#include "TavroCodeObject.h"
#include "TavroCodes_h.h"

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        tavrocodes::SetModuleHandle(instance);
        // The windows hold the module while they are open (DllCanUnloadNow).
        tavrocodes::windows::SetModuleLock(tavrocodes::LockModule);
        DisableThreadLibraryCalls(instance);
    }
    return TRUE;
}

STDAPI DllGetClassObject(REFCLSID clsid, REFIID riid, LPVOID* object) {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (!IsEqualCLSID(clsid, CLSID_TavroCode)) return CLASS_E_CLASSNOTAVAILABLE;
    return tavrocodes::TheClassFactory().QueryInterface(riid, object);
}

STDAPI DllCanUnloadNow() {
    if (tavrocodes::ModuleInUse()) return S_FALSE;
    tavrocodes::TavroCodeObject::ReleaseSharedTypeInfo();  // nothing of the module is left in use
    return S_OK;
}
