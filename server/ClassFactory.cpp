#include "ClassFactory.h"

#include "ServerModule.h"
#include "TavroCodeObject.h"

namespace tavrocodes {

HRESULT STDMETHODCALLTYPE ClassFactory::QueryInterface(REFIID riid, void** object) {
    if (!object) return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IClassFactory)) {
        *object = static_cast<IClassFactory*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

// The factory is static; its references count as locks on the module instead.
ULONG STDMETHODCALLTYPE ClassFactory::AddRef() {
    LockModule(true);
    return 2;
}

ULONG STDMETHODCALLTYPE ClassFactory::Release() {
    LockModule(false);
    return 1;
}

HRESULT STDMETHODCALLTYPE ClassFactory::CreateInstance(IUnknown* outer, REFIID riid, void** object) {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    return TavroCodeObject::Create(riid, object);
}

HRESULT STDMETHODCALLTYPE ClassFactory::LockServer(BOOL lock) {
    LockModule(lock != FALSE);
    return S_OK;
}

ClassFactory& TheClassFactory() {
    static ClassFactory factory;
    return factory;
}

}  // namespace tavrocodes
