// The class factory of TavroCode. One static instance; while anyone holds it (or has
// locked it with LockServer) the module stays loaded.
#pragma once

#include <windows.h>
#include <unknwn.h>

namespace tavrocodes {

class ClassFactory final : public IClassFactory {
 public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID riid, void** object) override;
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override;
};

ClassFactory& TheClassFactory();

}  // namespace tavrocodes
