// DllCanUnloadNow as the platform asks it: the DLL loaded with LoadLibrary, its exports
// called directly, no registration involved.
#include "ServerUnderTest.h"

namespace tavrocodes::testing {
namespace {

using GetClassObjectFn = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
using CanUnloadNowFn = HRESULT(STDAPICALLTYPE*)();

class ModuleLifetime : public ApartmentTest {
 protected:
    void SetUp() override {
        ApartmentTest::SetUp();
        if (HasFatalFailure()) return;
        module_ = LoadLibraryW(DllPath().c_str());
        ASSERT_NE(module_, nullptr) << "LoadLibrary failed: " << GetLastError();
        getClassObject_ =
            reinterpret_cast<GetClassObjectFn>(reinterpret_cast<void*>(GetProcAddress(module_, "DllGetClassObject")));
        canUnloadNow_ =
            reinterpret_cast<CanUnloadNowFn>(reinterpret_cast<void*>(GetProcAddress(module_, "DllCanUnloadNow")));
        ASSERT_NE(getClassObject_, nullptr);
        ASSERT_NE(canUnloadNow_, nullptr);
    }
    void TearDown() override {
        if (module_) FreeLibrary(module_);
        ApartmentTest::TearDown();
    }

    HMODULE module_ = nullptr;
    GetClassObjectFn getClassObject_ = nullptr;
    CanUnloadNowFn canUnloadNow_ = nullptr;
};

TEST_F(ModuleLifetime, UnloadableOnlyWithoutObjectsFactoriesAndLocks) {
    EXPECT_EQ(canUnloadNow_(), S_OK);

    IClassFactory* factory = nullptr;
    ASSERT_HRESULT_SUCCEEDED(getClassObject_(CLSID_TavroCode, IID_IClassFactory, reinterpret_cast<void**>(&factory)));
    EXPECT_EQ(canUnloadNow_(), S_FALSE) << "a held class factory";

    IDispatch* first = nullptr;
    IDispatch* second = nullptr;
    ASSERT_HRESULT_SUCCEEDED(factory->CreateInstance(nullptr, IID_IDispatch, reinterpret_cast<void**>(&first)));
    ASSERT_HRESULT_SUCCEEDED(factory->CreateInstance(nullptr, IID_IDispatch, reinterpret_cast<void**>(&second)));
    ASSERT_HRESULT_SUCCEEDED(factory->LockServer(TRUE));
    factory->Release();
    EXPECT_EQ(canUnloadNow_(), S_FALSE) << "two objects and a lock";

    ASSERT_HRESULT_SUCCEEDED(factory->LockServer(FALSE));
    EXPECT_EQ(canUnloadNow_(), S_FALSE) << "two objects";
    first->AddRef();
    first->Release();
    first->Release();
    EXPECT_EQ(canUnloadNow_(), S_FALSE) << "one object";
    second->Release();
    EXPECT_EQ(canUnloadNow_(), S_OK) << "after the last release";
}

TEST_F(ModuleLifetime, FactoryRefusesOtherClassesAggregationAndNullPointers) {
    void* object = reinterpret_cast<void*>(1);
    EXPECT_EQ(getClassObject_(IID_IDispatch, IID_IClassFactory, &object), CLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(object, nullptr);
    EXPECT_EQ(getClassObject_(CLSID_TavroCode, IID_IClassFactory, nullptr), E_POINTER);

    IClassFactory* factory = nullptr;
    ASSERT_HRESULT_SUCCEEDED(getClassObject_(CLSID_TavroCode, IID_IClassFactory, reinterpret_cast<void**>(&factory)));
    IUnknown* outer = factory;  // any non-null controlling unknown
    object = reinterpret_cast<void*>(1);
    EXPECT_EQ(factory->CreateInstance(outer, IID_IUnknown, &object), CLASS_E_NOAGGREGATION);
    EXPECT_EQ(object, nullptr);
    EXPECT_EQ(factory->CreateInstance(nullptr, IID_IDispatch, nullptr), E_POINTER);
    EXPECT_EQ(factory->CreateInstance(nullptr, IID_IClassFactory, &object), E_NOINTERFACE);
    factory->Release();
    EXPECT_EQ(canUnloadNow_(), S_OK) << "a refused creation leaves nothing alive";
}

}  // namespace
}  // namespace tavrocodes::testing
