// What regsvr32 left in the registry, and that COM finds the class through it.
#include "RegistryKeys.h"

namespace tavrocodes::testing {
namespace {

using Registration = ApartmentTest;

std::wstring Lower(std::wstring text) {
    CharLowerBuffW(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

TEST_F(Registration, ClassIsAnApartmentInProcessServerAtTheDllsFullPath) {
    const std::wstring classKey = L"CLSID\\" + GuidText(CLSID_TavroCode);
    const auto server = ClassesRootString(classKey + L"\\InprocServer32", nullptr);
    ASSERT_TRUE(server.has_value());
    wchar_t full[MAX_PATH] = {};
    ASSERT_GT(GetFullPathNameW(DllPath().c_str(), MAX_PATH, full, nullptr), 0u);
    EXPECT_EQ(Lower(*server), Lower(full));
    EXPECT_EQ(ClassesRootString(classKey + L"\\InprocServer32", L"ThreadingModel"), L"Apartment");
    EXPECT_EQ(ClassesRootString(classKey + L"\\ProgID", nullptr), L"TavroCodes.TavroCode");
    EXPECT_EQ(ClassesRootString(L"TavroCodes.TavroCode\\Clsid", nullptr), GuidText(CLSID_TavroCode));

    CLSID clsid{};
    ASSERT_HRESULT_SUCCEEDED(CLSIDFromProgID(L"TavroCodes.TavroCode", &clsid));
    EXPECT_TRUE(IsEqualCLSID(clsid, CLSID_TavroCode));
}

TEST_F(Registration, InterfaceIsMarshalledThroughTheRegisteredTypeLibrary) {
    const std::wstring interfaceKey = L"Interface\\" + GuidText(IID__TavroCode);
    EXPECT_EQ(ClassesRootString(interfaceKey + L"\\ProxyStubClsid32", nullptr),
              L"{00020424-0000-0000-C000-000000000046}");
    EXPECT_EQ(ClassesRootString(interfaceKey + L"\\TypeLib", nullptr), GuidText(LIBID_TavroCodes));

    ITypeLib* library = nullptr;
    ASSERT_HRESULT_SUCCEEDED(LoadRegTypeLib(LIBID_TavroCodes, 58, 0, 0x0409, &library));
    ITypeInfo* info = nullptr;
    EXPECT_HRESULT_SUCCEEDED(library->GetTypeInfoOfGuid(IID__TavroCode, &info));
    if (info) info->Release();
    library->Release();
}

}  // namespace
}  // namespace tavrocodes::testing
