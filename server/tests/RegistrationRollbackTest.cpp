// A registration that fails half way takes back what it wrote and says it failed. Runs
// after regsvr32 /u, with the DLL loaded directly: nothing else relies on the registration.
#include <olectl.h>

#include "RegistryKeys.h"

namespace tavrocodes::testing {
namespace {

using RegisterFn = HRESULT(STDAPICALLTYPE*)();
using RegistrationRollback = ApartmentTest;

TEST_F(RegistrationRollback, AFailedRegistrationLeavesNoKeyOfTheServer) {
    HMODULE dll = LoadLibraryW(DllPath().c_str());
    ASSERT_NE(dll, nullptr) << "LoadLibrary failed: " << GetLastError();
    auto fn = [&](const char* name) {
        return reinterpret_cast<RegisterFn>(reinterpret_cast<void*>(GetProcAddress(dll, name)));
    };
    const RegisterFn registerServer = fn("DllRegisterServer"), unregisterServer = fn("DllUnregisterServer");
    ASSERT_TRUE(registerServer && unregisterServer);
    unregisterServer();  // from nothing registered (its answer then is Wine's: not the point here)
    for (const std::wstring& key : OwnKeys()) ASSERT_FALSE(ClassesRootKeyExists(key));

    // The ProgID's key exists as a volatile key, under which the registry refuses the
    // lasting subkey "Clsid": the type library and the class keys are written by then.
    HKEY progId = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CLASSES_ROOT, L"TavroCodes.TavroCode", 0, nullptr, REG_OPTION_VOLATILE,
                              KEY_ALL_ACCESS, nullptr, &progId, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(progId);

    EXPECT_EQ(registerServer(), SELFREG_E_CLASS);
    for (const std::wstring& key : OwnKeys()) {
        EXPECT_FALSE(ClassesRootKeyExists(key)) << ::testing::PrintToString(key) << " was left behind";
    }
    RegDeleteTreeW(HKEY_CLASSES_ROOT, L"TavroCodes.TavroCode");
    FreeLibrary(dll);
}

}  // namespace
}  // namespace tavrocodes::testing
