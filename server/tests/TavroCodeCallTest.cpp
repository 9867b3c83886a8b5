// TavroCode called as clients call it: through IDispatch by name (by reference like VBA,
// by value like JScript, by variant reference like VBScript) and through the vtable.
#include <array>
#include <vector>

#include "ServerUnderTest.h"

namespace tavrocodes::testing {
namespace {

struct Case {
    LONG code;
    LONG lang;
    LONG expected;
};

// English, the three maps, a map answering 0, values outside the enumeration.
constexpr std::array<Case, 8> kCases{{{97, ENGLISH, 97},
                                      {97, Sindhi, 1575},
                                      {97, Urdu, 1605},
                                      {97, Farsi, 1588},
                                      {78, Farsi, 0},
                                      {97, 7, 97},
                                      {97, -1, 97},
                                      {200, Sindhi, 200}}};

class TavroCodeCall : public TavroCodeTest {
 protected:
    void SetUp() override {
        TavroCodeTest::SetUp();
        if (HasFatalFailure()) return;
        LPOLESTR name = const_cast<LPOLESTR>(L"TavroCode");
        ASSERT_HRESULT_SUCCEEDED(object_->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &dispId_));
    }

    // Invokes TavroCode by its DispID; arguments in call order (reversed into rgvarg here).
    HRESULT CallByName(std::vector<VARIANTARG> arguments, VARIANT* result) {
        std::vector<VARIANTARG> reversed(arguments.rbegin(), arguments.rend());
        DISPPARAMS params{reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
        UINT argError = 0;
        const HRESULT hr = object_->Invoke(dispId_, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, result,
                                           nullptr, &argError);
        std::copy(reversed.rbegin(), reversed.rend(), arguments.begin());
        lastArguments_ = arguments;
        return hr;
    }

    static VARIANTARG ByValue(LONG value) {
        VARIANTARG v;
        VariantInit(&v);
        V_VT(&v) = VT_I4;
        V_I4(&v) = value;
        return v;
    }
    static VARIANTARG ByReference(LONG* value) {
        VARIANTARG v;
        VariantInit(&v);
        V_VT(&v) = VT_I4 | VT_BYREF;
        V_I4REF(&v) = value;
        return v;
    }
    static VARIANTARG ByVariantReference(VARIANT* value) {
        VARIANTARG v;
        VariantInit(&v);
        V_VT(&v) = VT_VARIANT | VT_BYREF;
        V_VARIANTREF(&v) = value;
        return v;
    }

    DISPID dispId_ = DISPID_UNKNOWN;
    std::vector<VARIANTARG> lastArguments_;
};

void ExpectLong(const VARIANT& result, LONG expected, const char* how) {
    EXPECT_EQ(V_VT(&result), VT_I4) << how;
    if (V_VT(&result) == VT_I4) {
        EXPECT_EQ(V_I4(&result), expected) << how;
    }
}

TEST_F(TavroCodeCall, NameResolvesToTheFirstMethodsDispId) {
    EXPECT_EQ(dispId_, 0x60030000);
}

TEST_F(TavroCodeCall, EveryWayOfCallingGivesTheSameLongAndLeavesTheArgumentsAlone) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(::testing::Message() << "TavroCode(" << c.code << ", " << c.lang << ")");
        VARIANT result;

        LONG code = c.code;
        Langs lang = static_cast<Langs>(c.lang);
        VariantInit(&result);
        ASSERT_HRESULT_SUCCEEDED(object_->TavroCode(&code, &lang, &result));
        ExpectLong(result, c.expected, "vtable");
        EXPECT_EQ(code, c.code);
        EXPECT_EQ(lang, c.lang);

        LONG codeRef = c.code, langRef = c.lang;
        VariantInit(&result);
        ASSERT_HRESULT_SUCCEEDED(CallByName({ByReference(&codeRef), ByReference(&langRef)}, &result));
        ExpectLong(result, c.expected, "by reference");
        EXPECT_EQ(codeRef, c.code);
        EXPECT_EQ(langRef, c.lang);

        VariantInit(&result);
        ASSERT_HRESULT_SUCCEEDED(CallByName({ByValue(c.code), ByValue(c.lang)}, &result));
        ExpectLong(result, c.expected, "by value");
        for (const VARIANTARG& argument : lastArguments_) EXPECT_EQ(V_VT(&argument), VT_I4);
        EXPECT_EQ(V_I4(&lastArguments_[0]), c.code);
        EXPECT_EQ(V_I4(&lastArguments_[1]), c.lang);

        // VBScript variables: a variant reference to an Integer (VT_I2) variant.
        VARIANT codeVariant, langVariant;
        VariantInit(&codeVariant);
        VariantInit(&langVariant);
        V_VT(&codeVariant) = VT_I2;
        V_I2(&codeVariant) = static_cast<SHORT>(c.code);
        V_VT(&langVariant) = VT_I2;
        V_I2(&langVariant) = static_cast<SHORT>(c.lang);
        VariantInit(&result);
        ASSERT_HRESULT_SUCCEEDED(
            CallByName({ByVariantReference(&codeVariant), ByVariantReference(&langVariant)}, &result));
        ExpectLong(result, c.expected, "by variant reference");
        EXPECT_EQ(V_VT(&codeVariant), VT_I2);
        EXPECT_EQ(V_I2(&codeVariant), c.code);
        EXPECT_EQ(V_VT(&langVariant), VT_I2);
        EXPECT_EQ(V_I2(&langVariant), c.lang);
    }
}

TEST_F(TavroCodeCall, AnOmittedLangIsEnglish) {
    VARIANT result;
    LONG code = 97;
    VariantInit(&result);
    ASSERT_HRESULT_SUCCEEDED(CallByName({ByReference(&code)}, &result));
    ExpectLong(result, 97, "one argument");

    VARIANTARG missing;
    VariantInit(&missing);
    V_VT(&missing) = VT_ERROR;
    V_ERROR(&missing) = DISP_E_PARAMNOTFOUND;
    VariantInit(&result);
    ASSERT_HRESULT_SUCCEEDED(CallByName({ByValue(97), missing}, &result));
    ExpectLong(result, 97, "Lang marked missing");

    VariantInit(&result);
    ASSERT_HRESULT_SUCCEEDED(object_->TavroCode(&code, nullptr, &result));
    ExpectLong(result, 97, "vtable, null Lang");
}

TEST_F(TavroCodeCall, NumericTextIsCoercedAndOtherTextIsATypeMismatch) {
    VARIANTARG text;
    VariantInit(&text);
    V_VT(&text) = VT_BSTR;
    V_BSTR(&text) = SysAllocString(L"97");
    VARIANT result;
    VariantInit(&result);
    ASSERT_HRESULT_SUCCEEDED(CallByName({text, ByValue(Sindhi)}, &result));
    ExpectLong(result, 1575, "numeric text");
    VariantClear(&lastArguments_[0]);

    V_VT(&text) = VT_BSTR;
    V_BSTR(&text) = SysAllocString(L"abc");
    VariantInit(&result);
    EXPECT_EQ(CallByName({text, ByValue(Sindhi)}, &result), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(V_VT(&result), VT_EMPTY);
    VariantClear(&lastArguments_[0]);
}

TEST_F(TavroCodeCall, BadCallsGetTheStandardAnswers) {
    VARIANT result;
    VariantInit(&result);
    EXPECT_EQ(CallByName({}, &result), DISP_E_BADPARAMCOUNT);
    EXPECT_EQ(CallByName({ByValue(97), ByValue(1), ByValue(2)}, &result), DISP_E_BADPARAMCOUNT);
    EXPECT_EQ(object_->Invoke(dispId_, IID_NULL, 0, DISPATCH_METHOD, nullptr, &result, nullptr, nullptr), E_POINTER);
    // 0x60030002 is the gap in the numbering: no member answers it.
    DISPPARAMS none{nullptr, nullptr, 0, 0};
    EXPECT_EQ(object_->Invoke(0x60030002, IID_NULL, 0, DISPATCH_METHOD, &none, &result, nullptr, nullptr),
              DISP_E_MEMBERNOTFOUND);

    LONG code = 97;
    Langs lang = Sindhi;
    EXPECT_EQ(object_->TavroCode(nullptr, &lang, &result), E_POINTER);
    EXPECT_EQ(object_->TavroCode(&code, &lang, nullptr), E_POINTER);

    LPOLESTR unknown = const_cast<LPOLESTR>(L"NoSuchMethod");
    DISPID id = 0;
    EXPECT_EQ(object_->GetIDsOfNames(IID_NULL, &unknown, 1, LOCALE_USER_DEFAULT, &id), DISP_E_UNKNOWNNAME);
    EXPECT_EQ(object_->GetIDsOfNames(IID_NULL, &unknown, 1, LOCALE_USER_DEFAULT, nullptr), E_POINTER);
    EXPECT_EQ(object_->GetTypeInfo(0, 0, nullptr), E_POINTER);
    EXPECT_EQ(object_->GetTypeInfoCount(nullptr), E_POINTER);
    EXPECT_EQ(object_->QueryInterface(IID_IDispatch, nullptr), E_POINTER);
    EXPECT_EQ(V_VT(&result), VT_EMPTY);
}

}  // namespace
}  // namespace tavrocodes::testing
