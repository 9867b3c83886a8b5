// Where the program and the command line find the word store.
#include "StoreLocation.h"

#include <gtest/gtest.h>

#include "DatabaseHandler.h"
#include "StoreFixture.h"

namespace sindhikit {
namespace {

using sindhikit::testing::TempFolder;

TEST(StoreLocation, TheProgramsStoreIsInTheWindowsFolder) {
    EXPECT_EQ(StorePathInWindowsFolder(u"C:\\WINDOWS"), u"C:\\WINDOWS\\directodb.dll");
    EXPECT_EQ(StorePathInWindowsFolder(u""), u"\\directodb.dll");  // the root of the current drive
    EXPECT_EQ(StoreConnectionString(u"C:\\WINDOWS"),
              u"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=C:\\WINDOWS\\directodb.dll;Mode=Read;"
              u"Persist Security Info=False");
}

// The command line's order: --store, $SINDHIKIT_STORE, beside the program, the installed
// package's share/sindhikit, the build tree's default store, the Windows folder; with none
// there, the build tree's path.
TEST(StoreLocation, TheCommandLineLooksInItsOrder) {
    TempFolder folder;
    const auto program = folder / "bin";
    const auto windows = folder / "windows";
    std::filesystem::create_directories(program);
    std::filesystem::create_directories(folder / "data");
    std::filesystem::create_directories(windows);
    StoreSearch search;
    search.executableDir = program;
#ifdef _WIN32
    search.windowsFolder = windows.u16string();
#endif
    const auto buildTree = (folder / "data" / "directodb.dll").lexically_normal();
    EXPECT_EQ(ResolveStorePath(search), buildTree) << "none exists: the build tree's, for the message";

#ifdef _WIN32
    folder.Write("windows/directodb.dll", "x");
    EXPECT_EQ(ResolveStorePath(search), (windows / "directodb.dll").lexically_normal());
#endif
    folder.Write("data/directodb.dll", "x");
    EXPECT_EQ(ResolveStorePath(search), buildTree);
    std::filesystem::create_directories(folder / "share" / "sindhikit");
    folder.Write("share/sindhikit/directodb.dll", "x");
    EXPECT_EQ(ResolveStorePath(search), (folder / "share" / "sindhikit" / "directodb.dll").lexically_normal());
    folder.Write("bin/directodb.dll", "x");
    EXPECT_EQ(ResolveStorePath(search), (program / "directodb.dll").lexically_normal());
    search.storeVariable = u"from-variable.dll";
    EXPECT_EQ(ResolveStorePath(search), std::filesystem::path(u"from-variable.dll"));
    search.storeOption = u"from-option.dll";
    EXPECT_EQ(ResolveStorePath(search), std::filesystem::path(u"from-option.dll"));
}

}  // namespace
}  // namespace sindhikit
