// The windows as a macro meets them: a TavroCode object created by its ProgID, the
// methods called by name through IDispatch and through the vtable, the windows read
// back and driven on this thread while it pumps messages as a host's loop does.
#include <gtest/gtest.h>

#include <windows.h>
#include <objbase.h>
#include <oleauto.h>

#include <string>
#include <vector>

#include "TavroCodes_h.h"
#include "WindowsTestSupport.h"
#include "gui/MessageBoxWatcher.h"
#include "gui/Screenshot.h"

using namespace tavrocodes::windows;
using namespace tavrocodes::windows::test;
using namespace sindhikit::guitest;

namespace {

class ComWindows : public ::testing::Test {
 protected:
    void SetUp() override {
        ASSERT_HRESULT_SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
        CLSID clsid{};
        ASSERT_HRESULT_SUCCEEDED(CLSIDFromProgID(L"TavroCodes.TavroCode", &clsid));
        ASSERT_HRESULT_SUCCEEDED(
            CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch, reinterpret_cast<void**>(&object_)));
    }
    void TearDown() override {
        CloseAll();
        if (object_) object_->Release();
        CoUninitialize();
    }

    // Calls `name` by name with the arguments in their written order; answers the HRESULT.
    HRESULT Call(const wchar_t* name, std::vector<VARIANT> args, VARIANT* result) {
        DISPID id = 0;
        LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
        HRESULT hr = object_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
        if (FAILED(hr)) return hr;
        std::vector<VARIANT> reversed(args.rbegin(), args.rend());  // IDispatch takes them last first
        DISPPARAMS params{reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
        VariantInit(result);
        return object_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, result, nullptr, nullptr);
    }
    HRESULT ShowKBByName(int lang, VARIANT* result) {
        VARIANT v;
        V_VT(&v) = VT_I4;
        V_I4(&v) = lang;
        return Call(L"ShowKB", {v}, result);
    }
    void ShowKBExpectingEmpty(int lang) {
        VARIANT result;
        ASSERT_HRESULT_SUCCEEDED(ShowKBByName(lang, &result));
        EXPECT_EQ(V_VT(&result), VT_EMPTY) << lang;
        PumpPending();
    }

    IDispatch* object_ = nullptr;
};

void ExpectKeyboardShows(int simpleStore, int shiftStore) {
    HWND kb = KeyboardWindow();
    ASSERT_TRUE(kb);
    EXPECT_EQ(CountWindows(kKeyboardCaption), 1u);
    EXPECT_EQ(ImageOf(kb, SimpleKB), ImageOf(kb, simpleStore));
    EXPECT_EQ(ImageOf(kb, ShiftKB), ImageOf(kb, shiftStore));
    EXPECT_TRUE(ImageOf(kb, SimpleKB));
}

}  // namespace

TEST_F(ComWindows, ShowKBByNameChoosesPicturesAndIgnoresOtherLanguages) {
    for (int lang : {0, 5}) {
        ShowKBExpectingEmpty(lang);
        EXPECT_EQ(CountWindows(kKeyboardCaption), 0u) << lang;
    }
    ShowKBExpectingEmpty(2);
    ExpectKeyboardShows(Urdu_KB, Urdu_Shift_KB);
    ShowKBExpectingEmpty(3);
    ExpectKeyboardShows(Farsi_KB, Farsi_Shift_KB);
    EXPECT_TRUE(SaveWindowScreenshot(KeyboardWindow(), L"com_frmKB_Farsi"));
    for (int lang : {0, 5}) {
        ShowKBExpectingEmpty(lang);
        ExpectKeyboardShows(Farsi_KB, Farsi_Shift_KB);
    }

    HWND first = KeyboardWindow();
    Click(GetDlgItem(first, Command1));
    EXPECT_FALSE(IsWindow(first));
    ShowKBExpectingEmpty(1);
    EXPECT_NE(KeyboardWindow(), first);
    ExpectKeyboardShows(Sindhi_KB, Sindhi_Shift_KB);
}

TEST_F(ComWindows, ShowKBThroughTheVtableReachesTheSameWindow) {
    _TavroCode* vtable = nullptr;
    ASSERT_HRESULT_SUCCEEDED(object_->QueryInterface(IID__TavroCode, reinterpret_cast<void**>(&vtable)));
    Langs lang = Farsi;
    VARIANT result;
    VariantInit(&result);
    V_VT(&result) = VT_I4;  // overwritten with an empty variant
    EXPECT_HRESULT_SUCCEEDED(vtable->ShowKB(&lang, &result));
    EXPECT_EQ(V_VT(&result), VT_EMPTY);
    EXPECT_EQ(lang, Farsi) << "by-reference argument left as it was";
    PumpPending();
    ExpectKeyboardShows(Farsi_KB, Farsi_Shift_KB);
    EXPECT_EQ(vtable->ShowKB(nullptr, &result), E_POINTER);
    EXPECT_HRESULT_SUCCEEDED(vtable->showSorting());
    PumpPending();
    EXPECT_TRUE(SortOrderWindow());
    EXPECT_TRUE(SaveWindowScreenshot(SortOrderWindow(), L"com_frmSortOrder"));
    vtable->Release();
}

TEST_F(ComWindows, AboutTwiceIsOneWindowReadingTheServersVersionAndEnterOrEscClosesIt) {
    for (UINT key : {VK_RETURN, VK_ESCAPE}) {
        VARIANT result;
        ASSERT_HRESULT_SUCCEEDED(Call(L"showAbout", {}, &result));
        ASSERT_HRESULT_SUCCEEDED(Call(L"showAbout", {}, &result));
        PumpPending();
        EXPECT_EQ(CountWindows(kAboutCaption), 1u);
        HWND about = AboutWindow();
        ASSERT_TRUE(about);
        EXPECT_EQ(TextOf(about), L"About Developer");
        EXPECT_EQ(TextOf(GetDlgItem(about, lblVersion)), L"Version 2.0.0");
        if (key == VK_RETURN) {
            EXPECT_TRUE(SaveWindowScreenshot(about, L"com_frmAbout"));
        }
        ASSERT_TRUE(PumpUntil([&] { return GetFocus() == GetDlgItem(about, cmdOK); }));
        PressKey(key);
        EXPECT_FALSE(IsWindow(about)) << key;
    }
}

TEST_F(ComWindows, SystemInfoWithoutTheToolsRegistryValuesSaysSo) {
    RegDeleteKeyValueA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH");
    RegDeleteKeyValueA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO");
    VARIANT result;
    ASSERT_HRESULT_SUCCEEDED(Call(L"showAbout", {}, &result));
    PumpPending();
    MessageBoxWatcher watcher;
    Click(GetDlgItem(AboutWindow(), cmdSysInfo));
    ASSERT_TRUE(watcher.WaitForBoxes(1));
    const auto boxes = watcher.Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, L"System Information Is Unavailable At This Time");
    EXPECT_EQ(boxes[0].buttons, std::vector<std::wstring>{L"OK"});
}

TEST_F(ComWindows, WindowsOutliveTheLastObjectAndKeepTheServerLoaded) {
    VARIANT result;
    ShowKBExpectingEmpty(1);
    ASSERT_HRESULT_SUCCEEDED(Call(L"showAbout", {}, &result));
    ASSERT_HRESULT_SUCCEEDED(Call(L"showSorting", {}, &result));
    PumpPending();
    object_->Release();
    object_ = nullptr;

    // COM asks the server whether it may go; with windows open it must not.
    CoFreeUnusedLibrariesEx(0, 0);
    PumpPending();
    HMODULE server = GetModuleHandleW(L"TavroCodes.dll");
    ASSERT_TRUE(server) << "unloaded under its own windows";
    auto canUnload = reinterpret_cast<HRESULT(STDAPICALLTYPE*)()>(
        reinterpret_cast<void*>(GetProcAddress(server, "DllCanUnloadNow")));
    ASSERT_TRUE(canUnload);
    EXPECT_EQ(canUnload(), S_FALSE);
    for (const wchar_t* caption : {kKeyboardCaption, kAboutCaption, kSortOrderCaption}) {
        EXPECT_EQ(CountWindows(caption), 1u) << std::string(caption, caption + wcslen(caption));
    }
    // They still work: the keyboard window's button closes it.
    HWND kb = KeyboardWindow();
    Click(GetDlgItem(kb, Command1));
    EXPECT_FALSE(IsWindow(kb));
    EXPECT_EQ(canUnload(), S_FALSE) << "two windows still open";
    CloseAll();
    EXPECT_EQ(canUnload(), S_OK) << "no object and no window left";
}
