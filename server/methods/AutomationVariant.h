// The bridge between automation VARIANTs and the core's Variant, and the way the value
// methods report a failed conversion. Header-only: shared by IIF, NumberToString and the
// conversion tests.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <string>

#include "variant/NumberFormat.h"
#include "variant/Variant.h"

namespace tavrocodes {

// The locale characters of lcid (the user's by default), as the platform's own conversions
// read them.
inline sindhikit::NumberFormat NumberFormatOf(LCID lcid = LOCALE_USER_DEFAULT) {
    sindhikit::NumberFormat format;
    auto read = [lcid](LCTYPE item, char16_t& into) {
        wchar_t text[8] = {};
        if (GetLocaleInfoW(lcid, item, text, 8) > 1) into = static_cast<char16_t>(text[0]);
    };
    read(LOCALE_SDECIMAL, format.decimalSeparator);
    read(LOCALE_STHOUSAND, format.thousandsSeparator);
    read(LOCALE_SMONDECIMALSEP, format.currencyDecimalSeparator);
    read(LOCALE_SMONTHOUSANDSEP, format.currencyThousandsSeparator);
    read(LOCALE_SNEGATIVESIGN, format.negativeSign);
    read(LOCALE_SPOSITIVESIGN, format.positiveSign);
    wchar_t currency[8] = {};
    if (GetLocaleInfoW(lcid, LOCALE_SCURRENCY, currency, 8) > 1) {
        std::wstring symbol(currency);
        format.currencySymbol.assign(symbol.begin(), symbol.begin() + (symbol.size() > 2 ? 2 : symbol.size()));
    }
    return format;
}

inline sindhikit::NumberFormat UserNumberFormat() {
    return NumberFormatOf(LOCALE_USER_DEFAULT);
}

// A VARIANT in any of the forms a caller may pass, VT_BYREF ones included, as a core value.
// Types the core does not carry: dates and decimals are read as their double value; objects,
// errors and arrays throw a type mismatch.
inline sindhikit::Variant FromAutomation(const VARIANT& source) {
    using sindhikit::Variant;
    const VARIANT* v = &source;
    // A by-reference VARIANT may point at another VARIANT (VBScript's variables).
    for (int depth = 0; V_VT(v) == (VT_BYREF | VT_VARIANT); ++depth) {
        if (!V_VARIANTREF(v) || depth > 8) throw sindhikit::VariantError::TypeMismatch();
        v = V_VARIANTREF(v);
    }
    const bool byRef = (V_VT(v) & VT_BYREF) != 0;
    if (byRef && !V_BYREF(v)) throw sindhikit::VariantError::TypeMismatch();
    auto get = [&](auto value, auto* ref) { return byRef ? *ref : value; };
    switch (V_VT(v) & ~VT_BYREF) {
        case VT_EMPTY:
            return Variant();
        case VT_NULL:
            return Variant::Null();
        case VT_BOOL:
            return Variant(get(V_BOOL(v), V_BOOLREF(v)) != VARIANT_FALSE);
        case VT_I1:
            return Variant(static_cast<std::int8_t>(get(V_I1(v), V_I1REF(v))));
        case VT_UI1:
            return Variant(static_cast<std::uint8_t>(get(V_UI1(v), V_UI1REF(v))));
        case VT_I2:
            return Variant(static_cast<std::int16_t>(get(V_I2(v), V_I2REF(v))));
        case VT_UI2:
            return Variant(static_cast<std::uint16_t>(get(V_UI2(v), V_UI2REF(v))));
        case VT_I4:
            return Variant(static_cast<std::int32_t>(get(V_I4(v), V_I4REF(v))));
        case VT_UI4:
            return Variant(static_cast<std::uint32_t>(get(V_UI4(v), V_UI4REF(v))));
        case VT_INT:
            return Variant(static_cast<std::int32_t>(get(V_INT(v), V_INTREF(v))));
        case VT_UINT:
            return Variant(static_cast<std::uint32_t>(get(V_UINT(v), V_UINTREF(v))));
        case VT_I8:
            return Variant(static_cast<std::int64_t>(get(V_I8(v), V_I8REF(v))));
        case VT_UI8:
            return Variant(static_cast<std::uint64_t>(get(V_UI8(v), V_UI8REF(v))));
        case VT_R4:
            return Variant(static_cast<float>(get(V_R4(v), V_R4REF(v))));
        case VT_R8:
            return Variant(static_cast<double>(get(V_R8(v), V_R8REF(v))));
        case VT_DATE:
            return Variant(static_cast<double>(get(V_DATE(v), V_DATEREF(v))));
        case VT_CY:
            return Variant::FromCurrency(get(V_CY(v), V_CYREF(v)).int64);
        case VT_DECIMAL: {
            double d = 0;
            DECIMAL decimal = byRef ? *V_DECIMALREF(v) : V_DECIMAL(v);
            if (FAILED(VarR8FromDec(&decimal, &d))) throw sindhikit::VariantError::Overflow();
            return Variant(d);
        }
        case VT_BSTR: {
            BSTR text = get(V_BSTR(v), V_BSTRREF(v));
            return Variant(
                std::u16string(reinterpret_cast<const char16_t*>(text ? text : L""), text ? SysStringLen(text) : 0));
        }
        default:
            throw sindhikit::VariantError::TypeMismatch();
    }
}

// A newly allocated BSTR in a VARIANT; E_OUTOFMEMORY when the allocation fails.
inline HRESULT ToAutomationText(const std::u16string& text, VARIANT* result) {
    BSTR b = SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.data()), static_cast<UINT>(text.size()));
    if (!b) return E_OUTOFMEMORY;
    V_VT(result) = VT_BSTR;
    V_BSTR(result) = b;
    return S_OK;
}

// A failed conversion as the macro sees it: the error number and description of the language
// (Err.Number 13 "Type mismatch", 6 "Overflow"), as a VB-built component raises them, as
// the HRESULT of the call and in the error object that dispatch copies into EXCEPINFO.
inline HRESULT RaiseAutomationError(const sindhikit::VariantError& error) {
    const HRESULT hr = MAKE_HRESULT(SEVERITY_ERROR, FACILITY_CONTROL, error.vbError());
    ICreateErrorInfo* create = nullptr;
    if (SUCCEEDED(CreateErrorInfo(&create))) {
        std::string description = error.description();
        std::wstring wide(description.begin(), description.end());
        create->SetDescription(const_cast<LPOLESTR>(wide.c_str()));
        create->SetSource(const_cast<LPOLESTR>(L"TavroCodes.TavroCode"));
        create->SetGUID(GUID_NULL);
        IErrorInfo* info = nullptr;
        if (SUCCEEDED(create->QueryInterface(IID_IErrorInfo, reinterpret_cast<void**>(&info)))) {
            SetErrorInfo(0, info);
            info->Release();
        }
        create->Release();
    }
    return hr;
}

}  // namespace tavrocodes
