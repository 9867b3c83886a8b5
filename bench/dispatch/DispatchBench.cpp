// TavroCode calls per second through IDispatch::Invoke, against an empty method of the
// same shape served by the same type-library driven dispatch (DispInvoke). A steady_clock
// harness: Google Benchmark is not packaged for MinGW.
// Usage: dispatch_bench.exe [path of TavroCodes.dll]
#include <windows.h>
#include <objbase.h>
#include <oleauto.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <string>

#include "EmptyDispatch_h.h"
#include "TavroCodes_h.h"

namespace {

std::wstring ModulePath(HMODULE module) {
    wchar_t path[MAX_PATH * 2] = {};
    GetModuleFileNameW(module, path, MAX_PATH * 2);
    return path;
}

HRESULT LoadVtableTypeInfo(const std::wstring& path, REFGUID iid, ITypeInfo** info) {
    ITypeLib* library = nullptr;
    HRESULT hr = LoadTypeLibEx(path.c_str(), REGKIND_NONE, &library);
    if (FAILED(hr)) return hr;
    ITypeInfo* dispatch = nullptr;
    hr = library->GetTypeInfoOfGuid(iid, &dispatch);
    library->Release();
    if (FAILED(hr)) return hr;
    HREFTYPE vtable = 0;
    hr = dispatch->GetRefTypeOfImplType(-1, &vtable);
    if (SUCCEEDED(hr)) hr = dispatch->GetRefTypeInfo(vtable, info);
    dispatch->Release();
    return hr;
}

// The baseline object: IDispatch straight onto DispInvoke, a method body that only answers.
class EmptyDispatch final : public _EmptyDispatch {
 public:
    explicit EmptyDispatch(ITypeInfo* info) : info_(info) {}
    ~EmptyDispatch() { info_->Release(); }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch) || IsEqualIID(riid, IID__EmptyDispatch)) {
            *object = this;
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override { return --references_; }  // lives on the stack
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        *count = 1;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override {
        info_->AddRef();
        *info = info_;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override {
        return DispGetIDsOfNames(info_, names, count, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                                     EXCEPINFO* exception, UINT* argError) override {
        return DispInvoke(this, info_, id, flags, params, result, exception, argError);
    }
    HRESULT STDMETHODCALLTYPE TavroCode(LONG*, BenchLangs*, VARIANT* Result) override {
        V_VT(Result) = VT_I4;
        V_I4(Result) = 0;
        return S_OK;
    }

 private:
    std::atomic<ULONG> references_{1};
    ITypeInfo* info_;
};

using Clock = std::chrono::steady_clock;

// Best of several rounds: the machine is shared, the fastest round is the least disturbed.
double CallsPerSecond(IDispatch* object, bool byReference, int calls, int rounds) {
    LPOLESTR name = const_cast<LPOLESTR>(L"TavroCode");
    DISPID id = DISPID_UNKNOWN;
    if (FAILED(object->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &id))) return 0;
    LONG code = 97, lang = 1;
    VARIANTARG args[2];
    VariantInit(&args[0]);
    VariantInit(&args[1]);
    if (byReference) {  // VBA: variables by reference
        V_VT(&args[1]) = VT_I4 | VT_BYREF;
        V_I4REF(&args[1]) = &code;
        V_VT(&args[0]) = VT_I4 | VT_BYREF;
        V_I4REF(&args[0]) = &lang;
    } else {  // JScript: values
        V_VT(&args[1]) = VT_I4;
        V_I4(&args[1]) = code;
        V_VT(&args[0]) = VT_I4;
        V_I4(&args[0]) = lang;
    }
    DISPPARAMS params{args, nullptr, 2, 0};
    double best = 0;
    for (int round = 0; round < rounds; ++round) {
        const auto start = Clock::now();
        for (int i = 0; i < calls; ++i) {
            VARIANT result;
            VariantInit(&result);
            if (FAILED(object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, &result, nullptr,
                                      nullptr))) {
                return 0;
            }
        }
        const std::chrono::duration<double> seconds = Clock::now() - start;
        best = std::max(best, calls / seconds.count());
    }
    return best;
}

using GetClassObjectFn = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring dllPath = argc > 1 ? argv[1] : TAVROCODES_DLL;
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return 1;

    HMODULE server = LoadLibraryW(dllPath.c_str());
    auto getClassObject =
        server
            ? reinterpret_cast<GetClassObjectFn>(reinterpret_cast<void*>(GetProcAddress(server, "DllGetClassObject")))
            : nullptr;
    IClassFactory* factory = nullptr;
    IDispatch* tavroCode = nullptr;
    if (!getClassObject ||
        FAILED(getClassObject(CLSID_TavroCode, IID_IClassFactory, reinterpret_cast<void**>(&factory))) ||
        FAILED(factory->CreateInstance(nullptr, IID_IDispatch, reinterpret_cast<void**>(&tavroCode)))) {
        std::fprintf(stderr, "dispatch_bench: cannot create TavroCode from %ls\n", dllPath.c_str());
        return 1;
    }
    factory->Release();

    ITypeInfo* emptyInfo = nullptr;
    if (FAILED(LoadVtableTypeInfo(ModulePath(nullptr), IID__EmptyDispatch, &emptyInfo))) {
        std::fprintf(stderr, "dispatch_bench: cannot load the baseline's type library\n");
        return 1;
    }
    EmptyDispatch empty(emptyInfo);

    constexpr int kCalls = 200000, kRounds = 5;
    std::printf("IDispatch::Invoke calls per second (best of %d rounds of %d calls)\n", kRounds, kCalls);
    std::printf("%-26s %14s %14s %8s\n", "arguments", "empty method", "TavroCode", "ratio");
    for (const bool byReference : {true, false}) {
        const double baseline = CallsPerSecond(&empty, byReference, kCalls, kRounds);
        const double measured = CallsPerSecond(tavroCode, byReference, kCalls, kRounds);
        if (baseline <= 0 || measured <= 0) {
            std::fprintf(stderr, "dispatch_bench: a call failed\n");
            return 1;
        }
        std::printf("%-26s %14.0f %14.0f %8.2f\n", byReference ? "by reference (VBA)" : "by value (JScript)", baseline,
                    measured, measured / baseline);
    }
    tavroCode->Release();
    CoUninitialize();
    return 0;
}
