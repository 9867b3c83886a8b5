// The TavroCode automation object: IUnknown, IDispatch served from the embedded type
// library, and the seven methods of _TavroCode, each defined in its own file under methods/.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <atomic>

#include "TavroCodes_h.h"
#include "inpage/InpageTable.h"

namespace tavrocodes {

using sindhikit::InpageTable;  // filled when the object is created

// ISupportErrorInfo tells early-bound callers (VBA) that a failed method left an error object
// with its description, as IIF and NumberToString do.
class TavroCodeObject final : public _TavroCode, public ISupportErrorInfo {
 public:
    // Creates an object and hands out the interface riid of it (the factory's CreateInstance).
    static HRESULT Create(REFIID riid, void** object);
    // Lets go of _TavroCode's description, which the objects share (read from the type
    // library by the first of them); called when the module may unload.
    static void ReleaseSharedTypeInfo();

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    // ISupportErrorInfo
    HRESULT STDMETHODCALLTYPE InterfaceSupportsErrorInfo(REFIID riid) override;

    // IDispatch
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID lcid, ITypeInfo** typeInfo) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT nameCount, LCID lcid,
                                            DISPID* dispIds) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID dispId, REFIID riid, LCID lcid, WORD flags, DISPPARAMS* params,
                                     VARIANT* result, EXCEPINFO* exception, UINT* argError) override;

    // _TavroCode
    HRESULT STDMETHODCALLTYPE TavroCode(LONG* AsciiCode, Langs* Lang, VARIANT* Result) override;
    HRESULT STDMETHODCALLTYPE Inpage2UniCode(BSTR sText, BSTR* Result) override;
    HRESULT STDMETHODCALLTYPE showAbout() override;
    HRESULT STDMETHODCALLTYPE showSorting() override;
    HRESULT STDMETHODCALLTYPE ShowKB(Langs* Lang, VARIANT* Result) override;
    HRESULT STDMETHODCALLTYPE IIF(VARIANT* S_Condition, VARIANT* S_True, VARIANT* S_False, VARIANT* Result) override;
    HRESULT STDMETHODCALLTYPE NumberToString(VARIANT* FNumber, VARIANT* FDigits, VARIANT* FDecimals,
                                             VARIANT* Result) override;

    const InpageTable& Table() const { return inpageTable_; }

 private:
    explicit TavroCodeObject(ITypeInfo* typeInfo);
    ~TavroCodeObject();
    TavroCodeObject(const TavroCodeObject&) = delete;
    TavroCodeObject& operator=(const TavroCodeObject&) = delete;

    std::atomic<ULONG> references_{1};
    ITypeInfo* typeInfo_;  // _TavroCode's description, a reference of its own
    InpageTable inpageTable_{};
};

}  // namespace tavrocodes
