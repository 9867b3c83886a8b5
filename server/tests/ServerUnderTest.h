// What the C++ client tests share: where the DLL under test is, a COM apartment, and
// the server's identities as the registry and the type library spell them.
#pragma once

#include <windows.h>
#include <objbase.h>
#include <oleauto.h>

#include <gtest/gtest.h>

#include <string>

#include "TavroCodes_h.h"

namespace tavrocodes::testing {

// ctest passes the DLL's path (as Wine sees it) in TAVROCODES_DLL.
inline std::wstring DllPath() {
    wchar_t path[MAX_PATH * 2] = {};
    const DWORD length = GetEnvironmentVariableW(L"TAVROCODES_DLL", path, MAX_PATH * 2);
    return length > 0 && length < MAX_PATH * 2 ? std::wstring(path, length) : std::wstring();
}

inline std::wstring GuidText(REFGUID guid) {
    wchar_t text[40] = {};
    StringFromGUID2(guid, text, 40);
    return text;
}

// A single-threaded apartment for the duration of a test, as a macro host has.
class ApartmentTest : public ::testing::Test {
 protected:
    void SetUp() override {
        ASSERT_FALSE(DllPath().empty()) << "TAVROCODES_DLL is not set";
        ASSERT_HRESULT_SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    }
    void TearDown() override { CoUninitialize(); }
};

// An apartment holding one TavroCode object, created by its CLSID as a macro host creates it.
class TavroCodeTest : public ApartmentTest {
 protected:
    void SetUp() override {
        ApartmentTest::SetUp();
        if (HasFatalFailure()) return;
        ASSERT_HRESULT_SUCCEEDED(CoCreateInstance(CLSID_TavroCode, nullptr, CLSCTX_INPROC_SERVER, IID__TavroCode,
                                                  reinterpret_cast<void**>(&object_)));
    }
    void TearDown() override {
        if (object_) object_->Release();
        object_ = nullptr;
        ApartmentTest::TearDown();
    }

    _TavroCode* object_ = nullptr;
};

}  // namespace tavrocodes::testing
