#include "DispatchArguments.h"

namespace tavrocodes {
namespace {

constexpr DISPID kDispIdTavroCode = 0x60030000;

bool IsMissing(const VARIANTARG& argument) {
    return V_VT(&argument) == VT_ERROR && V_ERROR(&argument) == DISP_E_PARAMNOTFOUND;
}

}  // namespace

DispatchArguments::~DispatchArguments() {
    for (VARIANTARG& copy : copies_) VariantClear(&copy);  // unused ones are VT_EMPTY
}

HRESULT DispatchArguments::Prepare(DISPID dispId, const DISPPARAMS& original, UINT* argError) {
    params_ = original;
    if (original.cArgs > kCapacity || (original.cArgs > 0 && !original.rgvarg)) return S_OK;

    // rgvarg holds the arguments last to first; an omitted Lang goes in front as the last one.
    const bool langOmitted = dispId == kDispIdTavroCode && original.cNamedArgs == 0 && original.cArgs == 1;
    const UINT offset = langOmitted ? 1 : 0;
    for (UINT i = 0; i < original.cArgs; ++i) {
        VARIANTARG& copy = copies_[i + offset];
        const HRESULT hr = VariantCopyInd(&copy, &original.rgvarg[i]);
        if (FAILED(hr)) {
            if (argError) *argError = i;
            return hr;
        }
    }
    if (dispId == kDispIdTavroCode && original.cNamedArgs == 0 && original.cArgs + offset == 2 &&
        (langOmitted || IsMissing(copies_[0]))) {
        V_VT(&copies_[0]) = VT_I4;
        V_I4(&copies_[0]) = 0;  // ENGLISH
    }
    params_.rgvarg = copies_.data();
    params_.cArgs = original.cArgs + offset;
    return S_OK;
}

}  // namespace tavrocodes
