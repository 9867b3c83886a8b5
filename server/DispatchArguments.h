// What the standard, type-library driven dispatch (DispInvoke) cannot do by itself for the
// callers of this server, done before the call is handed to it:
//  - VBScript passes its variables as VT_BYREF|VT_VARIANT, and numbers of any subtype
//    (97 is an Integer, VT_I2). DispInvoke coerces by-value arguments to the parameter's
//    type, but a by-reference argument only when its type is exactly the parameter's.
//    No method writes its by-reference parameters, so each argument is handed over as a
//    by-value copy of what it refers to; the caller's variables are never touched.
//  - TavroCode's Lang is optional but not a VARIANT. For an omitted optional parameter the
//    standard dispatch passes a VARIANT holding DISP_E_PARAMNOTFOUND where the method
//    expects a Langs*. An omitted Lang is passed as ENGLISH instead, its documented meaning.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <array>

namespace tavrocodes {

class DispatchArguments {
 public:
    DispatchArguments() = default;
    DispatchArguments(const DispatchArguments&) = delete;
    DispatchArguments& operator=(const DispatchArguments&) = delete;
    ~DispatchArguments();

    // Copies the arguments of a call to dispId. On failure, argError names the argument.
    HRESULT Prepare(DISPID dispId, const DISPPARAMS& original, UINT* argError);
    DISPPARAMS* Params() { return &params_; }

 private:
    // More arguments than any method takes: handed over untouched, DispInvoke rejects them.
    static constexpr UINT kCapacity = 4;
    std::array<VARIANTARG, kCapacity> copies_{};  // zero-filled: VT_EMPTY
    DISPPARAMS params_{};
};

}  // namespace tavrocodes
