// NumberToString, IIF and Inpage2UniCode called from C++ through the vtable and through
// IDispatch, with by-reference and unusual VARIANT forms: results, untouched arguments,
// and errors as the caller receives them (HRESULT, error object, EXCEPINFO).
#include <string>
#include <vector>

#include "../ServerUnderTest.h"

namespace tavrocodes::testing {
namespace {

constexpr HRESULT kTypeMismatch = MAKE_HRESULT(SEVERITY_ERROR, FACILITY_CONTROL, 13);
constexpr HRESULT kOverflow = MAKE_HRESULT(SEVERITY_ERROR, FACILITY_CONTROL, 6);

class Variant {
 public:
    Variant() { VariantInit(&v); }
    ~Variant() { VariantClear(&v); }
    Variant(const Variant&) = delete;
    Variant& operator=(const Variant&) = delete;
    static void I4(VARIANT& x, LONG n) {
        V_VT(&x) = VT_I4;
        V_I4(&x) = n;
    }
    VARIANT v;
};

VARIANT Ref(VARTYPE type, void* pointer) {
    VARIANT x;
    VariantInit(&x);
    V_VT(&x) = VT_BYREF | type;
    V_BYREF(&x) = pointer;
    return x;
}
VARIANT Value(LONG n) {
    VARIANT x;
    VariantInit(&x);
    V_VT(&x) = VT_I4;
    V_I4(&x) = n;
    return x;
}
VARIANT Text(BSTR b) {
    VARIANT x;
    VariantInit(&x);
    V_VT(&x) = VT_BSTR;
    V_BSTR(&x) = b;
    return x;
}

std::wstring ResultText(const VARIANT& r) {
    EXPECT_EQ(V_VT(&r), VT_BSTR);
    return V_VT(&r) == VT_BSTR ? std::wstring(V_BSTR(&r), SysStringLen(V_BSTR(&r))) : L"";
}

std::wstring LastErrorDescription() {
    IErrorInfo* info = nullptr;
    if (GetErrorInfo(0, &info) != S_OK || !info) return L"(no error object)";
    BSTR d = nullptr;
    info->GetDescription(&d);
    std::wstring text = d ? d : L"";
    SysFreeString(d);
    info->Release();
    return text;
}

class ConversionCall : public TavroCodeTest {
 protected:
    // Calls a method by name with arguments in call order.
    HRESULT Invoke(const wchar_t* method, std::vector<VARIANT> args, VARIANT* result, EXCEPINFO* error) {
        DISPID id = 0;
        LPOLESTR name = const_cast<LPOLESTR>(method);
        EXPECT_HRESULT_SUCCEEDED(object_->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &id));
        std::vector<VARIANT> reversed(args.rbegin(), args.rend());
        DISPPARAMS params{reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
        UINT argError = 0;
        return object_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, result, error, &argError);
    }
};

TEST_F(ConversionCall, NumberToStringReadsByReferenceFormsAndLeavesThemAlone) {
    SHORT number = -7;
    BSTR digits = SysAllocString(L"3");
    VARIANT inner = Value(0);
    VARIANT a = Ref(VT_I2, &number), b = Ref(VT_BSTR, &digits), c = Ref(VT_VARIANT, &inner);
    Variant result;
    ASSERT_EQ(object_->NumberToString(&a, &b, &c, &result.v), S_OK);
    EXPECT_EQ(ResultText(result.v), L"-007");
    EXPECT_EQ(number, -7);
    EXPECT_EQ(V_VT(&a), VT_BYREF | VT_I2);
    EXPECT_EQ(std::wstring(digits), L"3");
    EXPECT_EQ(V_VT(&inner), VT_I4);
    EXPECT_EQ(V_I4(&inner), 0);

    // The same through IDispatch, by reference as VBA passes variables.
    Variant byName;
    EXCEPINFO error{};
    ASSERT_EQ(Invoke(L"NumberToString", {a, b, c}, &byName.v, &error), S_OK);
    EXPECT_EQ(ResultText(byName.v), L"-007");
    EXPECT_EQ(number, -7);
    SysFreeString(digits);
}

TEST_F(ConversionCall, IIFReturnsACopyOfTheChosenValueWithItsType) {
    VARIANT_BOOL condition = VARIANT_TRUE;
    DATE when = 46367.5;
    VARIANT c = Ref(VT_BOOL, &condition), t = Ref(VT_DATE, &when), f = Value(1);
    Variant result;
    ASSERT_EQ(object_->IIF(&c, &t, &f, &result.v), S_OK);
    EXPECT_EQ(V_VT(&result.v), VT_DATE);  // the value, no longer a reference
    EXPECT_EQ(V_DATE(&result.v), 46367.5);

    BSTR word = SysAllocString(L"false");
    VARIANT textCondition = Text(word);
    Variant chosen;
    ASSERT_EQ(object_->IIF(&textCondition, &t, &f, &chosen.v), S_OK);
    EXPECT_EQ(V_VT(&chosen.v), VT_I4);
    SysFreeString(word);
}

TEST_F(ConversionCall, ConversionFailuresReachTheCallerAsTheMethodsError) {
    BSTR keyword = SysAllocString(L"float");
    VARIANT n = Value(5), d = Value(2), lowerCase = Text(keyword);
    Variant result;
    EXPECT_EQ(object_->NumberToString(&n, &d, &lowerCase, &result.v), kTypeMismatch);
    EXPECT_EQ(LastErrorDescription(), L"Type mismatch");
    EXPECT_EQ(V_VT(&result.v), VT_EMPTY);

    // Early-bound callers look for the error object only where the object says it leaves one.
    ISupportErrorInfo* support = nullptr;
    ASSERT_HRESULT_SUCCEEDED(object_->QueryInterface(IID_ISupportErrorInfo, reinterpret_cast<void**>(&support)));
    EXPECT_EQ(support->InterfaceSupportsErrorInfo(IID__TavroCode), S_OK);
    EXPECT_EQ(support->InterfaceSupportsErrorInfo(IID_IPersist), S_FALSE);
    support->Release();

    EXCEPINFO error{};
    Variant byName;
    EXPECT_EQ(Invoke(L"NumberToString", {n, d, lowerCase}, &byName.v, &error), DISP_E_EXCEPTION);
    EXPECT_EQ(error.scode, kTypeMismatch);
    EXPECT_EQ(std::wstring(error.bstrDescription ? error.bstrDescription : L""), L"Type mismatch");
    SysFreeString(error.bstrDescription);
    SysFreeString(error.bstrSource);
    SysFreeString(error.bstrHelpFile);

    double big = 3e9;
    VARIANT huge = Ref(VT_R8, &big), zero = Value(0);
    EXPECT_EQ(object_->NumberToString(&huge, &d, &zero, &result.v), kOverflow);
    EXPECT_EQ(LastErrorDescription(), L"Overflow");
    EXPECT_EQ(big, 3e9);
    SysFreeString(keyword);
}

TEST_F(ConversionCall, UnusableVariantsAreATypeMismatchNotACrash) {
    VARIANT nullReference = Ref(VT_I4, nullptr);
    VARIANT noObject;
    VariantInit(&noObject);
    V_VT(&noObject) = VT_DISPATCH;
    V_DISPATCH(&noObject) = nullptr;
    VARIANT array;
    VariantInit(&array);
    V_VT(&array) = VT_ARRAY | VT_I4;
    V_ARRAY(&array) = nullptr;
    VARIANT three = Value(3), zero = Value(0);
    for (VARIANT* bad : {&nullReference, &noObject, &array}) {
        Variant result;
        EXPECT_EQ(object_->NumberToString(bad, &three, &zero, &result.v), kTypeMismatch) << V_VT(bad);
        EXPECT_EQ(object_->IIF(bad, &three, &zero, &result.v), kTypeMismatch) << V_VT(bad);
    }
    EXPECT_EQ(object_->NumberToString(&three, &three, &zero, nullptr), E_POINTER);
}

TEST_F(ConversionCall, Inpage2UniCodeTakesAnyTextWhole) {
    BSTR result = nullptr;
    ASSERT_EQ(object_->Inpage2UniCode(nullptr, &result), S_OK);
    EXPECT_EQ(SysStringLen(result), 0u);
    SysFreeString(result);

    std::wstring marked;
    for (int i = 0; i < 20000; ++i) marked += L"\x04\x201A";  // marker, byte 0x82 in Windows-1252
    marked += std::wstring(L"a\0b", 3);
    BSTR text = SysAllocStringLen(marked.data(), static_cast<UINT>(marked.size()));
    ASSERT_EQ(object_->Inpage2UniCode(text, &result), S_OK);
    EXPECT_EQ(std::wstring(result, SysStringLen(result)), std::wstring(20000, L'\x0628') + std::wstring(L"a\0b", 3));
    SysFreeString(result);
    SysFreeString(text);
}

}  // namespace
}  // namespace tavrocodes::testing
