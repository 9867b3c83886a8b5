#include "TavroCodeObject.h"

#include <new>

#include "DispatchArguments.h"
#include "ServerModule.h"
#include "inpage/InpageTable.h"

namespace tavrocodes {
namespace {

// ITypeInfo::Invoke calls through the vtable only with the interface half of a dual
// interface; the dispatch half would send every call back into our own Invoke.
HRESULT LoadVtableTypeInfo(ITypeInfo** vtableInfo) {
    *vtableInfo = nullptr;
    ITypeLib* library = nullptr;
    HRESULT hr = LoadTypeLibEx(ModulePath().c_str(), REGKIND_NONE, &library);
    if (FAILED(hr)) return hr;
    ITypeInfo* dispatchInfo = nullptr;
    hr = library->GetTypeInfoOfGuid(IID__TavroCode, &dispatchInfo);
    library->Release();
    if (FAILED(hr)) return hr;
    HREFTYPE vtableRef = 0;
    hr = dispatchInfo->GetRefTypeOfImplType(-1, &vtableRef);
    if (SUCCEEDED(hr)) hr = dispatchInfo->GetRefTypeInfo(vtableRef, vtableInfo);
    dispatchInfo->Release();
    return hr;
}

// Read once, by the first object, and shared by all until the module may unload.
SRWLOCK g_typeInfoLock = SRWLOCK_INIT;
ITypeInfo* g_typeInfo = nullptr;

HRESULT SharedVtableTypeInfo(ITypeInfo** typeInfo) {
    AcquireSRWLockExclusive(&g_typeInfoLock);
    HRESULT hr = g_typeInfo ? S_OK : LoadVtableTypeInfo(&g_typeInfo);
    if (SUCCEEDED(hr)) {
        g_typeInfo->AddRef();
        *typeInfo = g_typeInfo;
    }
    ReleaseSRWLockExclusive(&g_typeInfoLock);
    return hr;
}

}  // namespace

void TavroCodeObject::ReleaseSharedTypeInfo() {
    AcquireSRWLockExclusive(&g_typeInfoLock);
    if (g_typeInfo) g_typeInfo->Release();
    g_typeInfo = nullptr;
    ReleaseSRWLockExclusive(&g_typeInfoLock);
}

HRESULT TavroCodeObject::Create(REFIID riid, void** object) {
    if (!object) return E_POINTER;
    *object = nullptr;
    ITypeInfo* typeInfo = nullptr;
    HRESULT hr = SharedVtableTypeInfo(&typeInfo);
    if (FAILED(hr)) return hr;
    auto* created = new (std::nothrow) TavroCodeObject(typeInfo);
    if (!created) {
        typeInfo->Release();
        return E_OUTOFMEMORY;
    }
    hr = created->QueryInterface(riid, object);
    created->Release();
    return hr;
}

TavroCodeObject::TavroCodeObject(ITypeInfo* typeInfo) : typeInfo_(typeInfo) {
    sindhikit::FillInpageTable(inpageTable_);
    ObjectCreated();
}

TavroCodeObject::~TavroCodeObject() {
    typeInfo_->Release();
    ObjectDestroyed();
}

HRESULT STDMETHODCALLTYPE TavroCodeObject::QueryInterface(REFIID riid, void** object) {
    if (!object) return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch) || IsEqualIID(riid, IID__TavroCode)) {
        *object = static_cast<_TavroCode*>(this);
        AddRef();
        return S_OK;
    }
    if (IsEqualIID(riid, IID_ISupportErrorInfo)) {
        *object = static_cast<ISupportErrorInfo*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

HRESULT STDMETHODCALLTYPE TavroCodeObject::InterfaceSupportsErrorInfo(REFIID riid) {
    return IsEqualIID(riid, IID__TavroCode) ? S_OK : S_FALSE;
}

ULONG STDMETHODCALLTYPE TavroCodeObject::AddRef() {
    return ++references_;
}

ULONG STDMETHODCALLTYPE TavroCodeObject::Release() {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
}

HRESULT STDMETHODCALLTYPE TavroCodeObject::GetTypeInfoCount(UINT* count) {
    if (!count) return E_POINTER;
    *count = 1;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE TavroCodeObject::GetTypeInfo(UINT index, LCID, ITypeInfo** typeInfo) {
    if (!typeInfo) return E_POINTER;
    *typeInfo = nullptr;
    if (index != 0) return DISP_E_BADINDEX;
    typeInfo_->AddRef();
    *typeInfo = typeInfo_;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE TavroCodeObject::GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT nameCount, LCID,
                                                         DISPID* dispIds) {
    if (!IsEqualIID(riid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
    if (!names || !dispIds) return E_POINTER;
    return DispGetIDsOfNames(typeInfo_, names, nameCount, dispIds);
}

HRESULT STDMETHODCALLTYPE TavroCodeObject::Invoke(DISPID dispId, REFIID riid, LCID, WORD flags, DISPPARAMS* params,
                                                  VARIANT* result, EXCEPINFO* exception, UINT* argError) {
    if (!IsEqualIID(riid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
    if (!params) return E_POINTER;
    DispatchArguments arguments;
    HRESULT hr = arguments.Prepare(dispId, *params, argError);
    if (FAILED(hr)) return hr;
    return DispInvoke(static_cast<_TavroCode*>(this), typeInfo_, dispId, flags, arguments.Params(), result, exception,
                      argError);
}

}  // namespace tavrocodes
