// DllRegisterServer and DllUnregisterServer: the class under its CLSID (in-process,
// Apartment), the ProgID, and the type library read from this module's own resource,
// which also registers _TavroCode as marshalled through the type library.
#include <windows.h>
#include <objbase.h>
#include <oleauto.h>
#include <olectl.h>

#include <string>

#include "ServerModule.h"
#include "TavroCodes_h.h"

namespace {

constexpr wchar_t kProgId[] = L"TavroCodes.TavroCode";

std::wstring GuidText(REFGUID guid) {
    wchar_t text[40] = {};
    StringFromGUID2(guid, text, 40);
    return text;
}

std::wstring ClassKey() {
    return L"CLSID\\" + GuidText(CLSID_TavroCode);
}

HRESULT SetString(const std::wstring& key, const wchar_t* name, const std::wstring& value) {
    const LSTATUS status = RegSetKeyValueW(HKEY_CLASSES_ROOT, key.c_str(), name, REG_SZ, value.c_str(),
                                           static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    return HRESULT_FROM_WIN32(status);
}

HRESULT DeleteTree(const std::wstring& key) {
    const LSTATUS status = RegDeleteTreeW(HKEY_CLASSES_ROOT, key.c_str());
    // The key itself goes with its subkeys; a key that is not there is already removed.
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND ? S_OK : HRESULT_FROM_WIN32(status);
}

HRESULT RegisterClassKeys(const std::wstring& modulePath) {
    const std::wstring classKey = ClassKey();
    const std::wstring clsid = GuidText(CLSID_TavroCode);
    HRESULT hr = S_OK;
    if (SUCCEEDED(hr)) hr = SetString(classKey, nullptr, kProgId);
    if (SUCCEEDED(hr)) hr = SetString(classKey + L"\\InprocServer32", nullptr, modulePath);
    if (SUCCEEDED(hr)) hr = SetString(classKey + L"\\InprocServer32", L"ThreadingModel", L"Apartment");
    if (SUCCEEDED(hr)) hr = SetString(classKey + L"\\ProgID", nullptr, kProgId);
    if (SUCCEEDED(hr)) hr = SetString(classKey + L"\\TypeLib", nullptr, GuidText(LIBID_TavroCodes));
    if (SUCCEEDED(hr)) hr = SetString(kProgId, nullptr, kProgId);
    if (SUCCEEDED(hr)) hr = SetString(std::wstring(kProgId) + L"\\Clsid", nullptr, clsid);
    return SUCCEEDED(hr) ? S_OK : SELFREG_E_CLASS;
}

HRESULT UnregisterTypeLibrary(const std::wstring& modulePath) {
    ITypeLib* library = nullptr;
    HRESULT hr = LoadTypeLibEx(modulePath.c_str(), REGKIND_NONE, &library);
    if (FAILED(hr)) return SELFREG_E_TYPELIB;
    TLIBATTR* attributes = nullptr;
    hr = library->GetLibAttr(&attributes);
    if (SUCCEEDED(hr)) {
        hr = UnRegisterTypeLib(attributes->guid, attributes->wMajorVerNum, attributes->wMinorVerNum, attributes->lcid,
                               attributes->syskind);
        library->ReleaseTLibAttr(attributes);
    }
    library->Release();
    // Already gone counts as removed.
    return SUCCEEDED(hr) || hr == TYPE_E_REGISTRYACCESS || hr == TYPE_E_LIBNOTREGISTERED ? S_OK : SELFREG_E_TYPELIB;
}

}  // namespace

STDAPI DllUnregisterServer() {
    const std::wstring modulePath = tavrocodes::ModulePath();
    const HRESULT typeLibrary = UnregisterTypeLibrary(modulePath);
    const HRESULT classKeys = DeleteTree(ClassKey());
    const HRESULT progId = DeleteTree(kProgId);
    if (FAILED(typeLibrary)) return typeLibrary;
    return SUCCEEDED(classKeys) && SUCCEEDED(progId) ? S_OK : SELFREG_E_CLASS;
}

STDAPI DllRegisterServer() {
    std::wstring modulePath = tavrocodes::ModulePath();
    if (modulePath.empty()) return SELFREG_E_CLASS;
    ITypeLib* library = nullptr;
    HRESULT hr = LoadTypeLibEx(modulePath.c_str(), REGKIND_NONE, &library);
    if (FAILED(hr)) return SELFREG_E_TYPELIB;
    hr = RegisterTypeLib(library, modulePath.data(), nullptr);  // takes a non-const path
    library->Release();
    if (FAILED(hr)) {
        DllUnregisterServer();
        return SELFREG_E_TYPELIB;
    }
    hr = RegisterClassKeys(modulePath);
    // Half a registration is worse than none: a failure takes back what was written.
    if (FAILED(hr)) DllUnregisterServer();
    return hr;
}
