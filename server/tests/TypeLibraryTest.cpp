// The type library embedded in TavroCodes.dll, read back with the platform's own loader:
// the identities, flags, member order and DispIDs that existing macros are bound to.
#include <array>
#include <string>

#include "ServerUnderTest.h"

namespace tavrocodes::testing {
namespace {

class TypeLibrary : public ApartmentTest {
 protected:
    void SetUp() override {
        ApartmentTest::SetUp();
        if (HasFatalFailure()) return;
        ASSERT_HRESULT_SUCCEEDED(LoadTypeLibEx(DllPath().c_str(), REGKIND_NONE, &library_));
    }
    void TearDown() override {
        if (library_) library_->Release();
        ApartmentTest::TearDown();
    }

    ITypeInfo* InfoOf(REFGUID guid) {
        ITypeInfo* info = nullptr;
        EXPECT_HRESULT_SUCCEEDED(library_->GetTypeInfoOfGuid(guid, &info));
        return info;
    }

    ITypeLib* library_ = nullptr;
};

std::wstring NameOf(ITypeInfo* info, MEMBERID id) {
    BSTR name = nullptr;
    if (FAILED(info->GetDocumentation(id, &name, nullptr, nullptr, nullptr))) return L"?";
    std::wstring text = name ? name : L"";
    SysFreeString(name);
    return text;
}

TEST_F(TypeLibrary, LibraryAttributes) {
    TLIBATTR* attributes = nullptr;
    ASSERT_HRESULT_SUCCEEDED(library_->GetLibAttr(&attributes));
    EXPECT_TRUE(IsEqualGUID(attributes->guid, LIBID_TavroCodes));
    EXPECT_EQ(attributes->wMajorVerNum, 58);
    EXPECT_EQ(attributes->wMinorVerNum, 0);
    EXPECT_EQ(attributes->lcid, 0x0409u);
    EXPECT_EQ(attributes->syskind, sizeof(void*) == 8 ? SYS_WIN64 : SYS_WIN32);
    library_->ReleaseTLibAttr(attributes);
    BSTR name = nullptr;
    ASSERT_HRESULT_SUCCEEDED(library_->GetDocumentation(-1, &name, nullptr, nullptr, nullptr));
    EXPECT_STREQ(name, L"TavroCodes");
    SysFreeString(name);
    EXPECT_EQ(library_->GetTypeInfoCount(), 3u);
}

TEST_F(TypeLibrary, InterfaceIsAHiddenDualDispatchInterfaceOfSevenMethods) {
    ITypeInfo* dispatch = InfoOf(IID__TavroCode);
    ASSERT_NE(dispatch, nullptr);
    TYPEATTR* attributes = nullptr;
    ASSERT_HRESULT_SUCCEEDED(dispatch->GetTypeAttr(&attributes));
    EXPECT_EQ(attributes->typekind, TKIND_DISPATCH);
    // The stored flags: oleaut32's GetTypeAttr leaves out FOLEAUTOMATION on a dispatch side.
    EXPECT_EQ(attributes->wTypeFlags & ~TYPEFLAG_FOLEAUTOMATION, 0x11D0 & ~TYPEFLAG_FOLEAUTOMATION);
    ITypeInfo2* stored = nullptr;
    ASSERT_HRESULT_SUCCEEDED(dispatch->QueryInterface(IID_ITypeInfo2, reinterpret_cast<void**>(&stored)));
    ULONG storedFlags = 0;
    EXPECT_HRESULT_SUCCEEDED(stored->GetTypeFlags(&storedFlags));
    EXPECT_EQ(storedFlags, 0x11D0u);
    stored->Release();
    EXPECT_EQ(attributes->wMajorVerNum, 1);
    EXPECT_EQ(attributes->wMinorVerNum, 0);
    EXPECT_EQ(NameOf(dispatch, MEMBERID_NIL), L"_TavroCode");
    dispatch->ReleaseTypeAttr(attributes);

    HREFTYPE vtableRef = 0;
    ITypeInfo* vtable = nullptr;
    ASSERT_HRESULT_SUCCEEDED(dispatch->GetRefTypeOfImplType(-1, &vtableRef));
    ASSERT_HRESULT_SUCCEEDED(dispatch->GetRefTypeInfo(vtableRef, &vtable));
    ASSERT_HRESULT_SUCCEEDED(vtable->GetTypeAttr(&attributes));
    EXPECT_EQ(attributes->typekind, TKIND_INTERFACE);
    EXPECT_EQ(attributes->cbSizeVft, 14 * sizeof(void*));  // IDispatch's seven, then ours
    EXPECT_EQ(attributes->cFuncs, 7);
    const WORD functions = attributes->cFuncs;
    vtable->ReleaseTypeAttr(attributes);

    struct Member {
        const wchar_t* name;
        MEMBERID id;
        SHORT parameters;  // the vtable view: the result is a last [out, retval] parameter
        SHORT optional;
    };
    constexpr std::array<Member, 7> kMembers{{{L"TavroCode", 0x60030000, 3, 1},
                                              {L"Inpage2UniCode", 0x60030001, 2, 0},
                                              {L"showAbout", 0x60030003, 0, 0},
                                              {L"showSorting", 0x60030004, 0, 0},
                                              {L"ShowKB", 0x60030005, 2, 0},
                                              {L"IIF", 0x60030006, 4, 0},
                                              {L"NumberToString", 0x60030007, 4, 0}}};
    for (WORD i = 0; i < functions && i < kMembers.size(); ++i) {
        FUNCDESC* function = nullptr;
        ASSERT_HRESULT_SUCCEEDED(vtable->GetFuncDesc(i, &function));
        SCOPED_TRACE(::testing::Message() << "slot " << (7 + i));
        EXPECT_EQ(NameOf(vtable, function->memid), kMembers[i].name);
        EXPECT_EQ(function->memid, kMembers[i].id);
        EXPECT_EQ(function->invkind, INVOKE_FUNC);
        EXPECT_EQ(function->oVft, static_cast<SHORT>((7 + i) * sizeof(void*)));
        EXPECT_EQ(function->cParams, kMembers[i].parameters);
        EXPECT_EQ(function->cParamsOpt, kMembers[i].optional);
        for (SHORT p = 0; p < function->cParams; ++p) {
            EXPECT_FALSE(function->lprgelemdescParam[p].paramdesc.wParamFlags & PARAMFLAG_FHASDEFAULT)
                << "parameter " << p << " has a default value";
        }
        vtable->ReleaseFuncDesc(function);
    }
    vtable->Release();
    dispatch->Release();
}

TEST_F(TypeLibrary, TavroCodeTakesTwoReferencesTheSecondOptionalAndReturnsAVariant) {
    ITypeInfo* dispatch = InfoOf(IID__TavroCode);
    ASSERT_NE(dispatch, nullptr);
    HREFTYPE vtableRef = 0;
    ITypeInfo* vtable = nullptr;
    ASSERT_HRESULT_SUCCEEDED(dispatch->GetRefTypeOfImplType(-1, &vtableRef));
    ASSERT_HRESULT_SUCCEEDED(dispatch->GetRefTypeInfo(vtableRef, &vtable));
    FUNCDESC* function = nullptr;
    ASSERT_HRESULT_SUCCEEDED(vtable->GetFuncDesc(0, &function));
    ASSERT_EQ(function->cParams, 3);
    const ELEMDESC* p = function->lprgelemdescParam;
    const USHORT inOut = PARAMFLAG_FIN | PARAMFLAG_FOUT;

    EXPECT_EQ(p[0].tdesc.vt, VT_PTR);
    EXPECT_EQ(p[0].tdesc.lptdesc->vt, VT_I4);
    EXPECT_EQ(p[0].paramdesc.wParamFlags, inOut);

    EXPECT_EQ(p[1].tdesc.vt, VT_PTR);
    EXPECT_EQ(p[1].tdesc.lptdesc->vt, VT_USERDEFINED);  // Langs
    EXPECT_EQ(p[1].paramdesc.wParamFlags, inOut | PARAMFLAG_FOPT);
    if (p[1].tdesc.vt == VT_PTR && p[1].tdesc.lptdesc->vt == VT_USERDEFINED) {
        ITypeInfo* langs = nullptr;
        ASSERT_HRESULT_SUCCEEDED(vtable->GetRefTypeInfo(p[1].tdesc.lptdesc->hreftype, &langs));
        EXPECT_EQ(NameOf(langs, MEMBERID_NIL), L"Langs");
        langs->Release();
    }

    EXPECT_EQ(p[2].tdesc.vt, VT_PTR);
    EXPECT_EQ(p[2].tdesc.lptdesc->vt, VT_VARIANT);
    EXPECT_EQ(p[2].paramdesc.wParamFlags, PARAMFLAG_FOUT | PARAMFLAG_FRETVAL);
    vtable->ReleaseFuncDesc(function);
    vtable->Release();
    dispatch->Release();
}

TEST_F(TypeLibrary, CoclassIsACreatableApplicationObjectWithTheInterfaceAsDefault) {
    ITypeInfo* coclass = InfoOf(CLSID_TavroCode);
    ASSERT_NE(coclass, nullptr);
    TYPEATTR* attributes = nullptr;
    ASSERT_HRESULT_SUCCEEDED(coclass->GetTypeAttr(&attributes));
    EXPECT_EQ(attributes->typekind, TKIND_COCLASS);
    EXPECT_EQ(attributes->wTypeFlags, TYPEFLAG_FAPPOBJECT | TYPEFLAG_FCANCREATE | TYPEFLAG_FPREDECLID);
    EXPECT_EQ(attributes->wTypeFlags, 0x0B);
    EXPECT_EQ(attributes->wMajorVerNum, 1);
    EXPECT_EQ(attributes->cImplTypes, 1);
    coclass->ReleaseTypeAttr(attributes);
    EXPECT_EQ(NameOf(coclass, MEMBERID_NIL), L"TavroCode");

    INT flags = 0;
    ASSERT_HRESULT_SUCCEEDED(coclass->GetImplTypeFlags(0, &flags));
    EXPECT_EQ(flags, IMPLTYPEFLAG_FDEFAULT);
    HREFTYPE ref = 0;
    ITypeInfo* implemented = nullptr;
    ASSERT_HRESULT_SUCCEEDED(coclass->GetRefTypeOfImplType(0, &ref));
    ASSERT_HRESULT_SUCCEEDED(coclass->GetRefTypeInfo(ref, &implemented));
    ASSERT_HRESULT_SUCCEEDED(implemented->GetTypeAttr(&attributes));
    EXPECT_TRUE(IsEqualGUID(attributes->guid, IID__TavroCode));
    implemented->ReleaseTypeAttr(attributes);
    implemented->Release();
    coclass->Release();
}

TEST_F(TypeLibrary, LangsEnumeration) {
    ITypeInfo* langs = InfoOf({0x9FB3018C, 0x9D1E, 0x4273, {0x95, 0x53, 0x1B, 0xDD, 0x99, 0x22, 0xD0, 0xED}});
    ASSERT_NE(langs, nullptr);
    TYPEATTR* attributes = nullptr;
    ASSERT_HRESULT_SUCCEEDED(langs->GetTypeAttr(&attributes));
    EXPECT_EQ(attributes->typekind, TKIND_ENUM);
    EXPECT_EQ(attributes->wMajorVerNum, 1);
    EXPECT_EQ(attributes->cVars, 4);
    const WORD members = attributes->cVars;
    langs->ReleaseTypeAttr(attributes);
    EXPECT_EQ(NameOf(langs, MEMBERID_NIL), L"Langs");

    constexpr std::array<const wchar_t*, 4> kNames{L"ENGLISH", L"Sindhi", L"Urdu", L"Farsi"};
    for (WORD i = 0; i < members && i < kNames.size(); ++i) {
        VARDESC* member = nullptr;
        ASSERT_HRESULT_SUCCEEDED(langs->GetVarDesc(i, &member));
        EXPECT_EQ(NameOf(langs, member->memid), kNames[i]);
        ASSERT_EQ(member->varkind, VAR_CONST);
        EXPECT_EQ(V_VT(member->lpvarValue), VT_I4);
        EXPECT_EQ(V_I4(member->lpvarValue), i);
        langs->ReleaseVarDesc(member);
    }
    langs->Release();
}

}  // namespace
}  // namespace tavrocodes::testing
