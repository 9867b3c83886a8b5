#include <gtest/gtest.h>

#include "DatabaseHandler.h"
#include "EncDec.h"
#include "StoreFixture.h"
#include "StoredQueries.h"
#include "access/DataError.h"

#ifdef _WIN32
#include "APICalls.h"
#endif

namespace sindhikit {
namespace {

using dataaccess::DataError;
using dataaccess::ErrorNumber;
using sindhikit::testing::BuildSample;
using sindhikit::testing::TempFolder;

// StoreConnection is process-wide, so its whole life is one test.
TEST(DatabaseHandler, StoreConnectionOpensOnceAndServesLookups) {
    TempFolder folder;
    ASSERT_FALSE(StoreConnection.IsOpen());
    EXPECT_THROW(ConnectStoreAt((folder / "missing.dll").u16string()), DataError);
    EXPECT_FALSE(StoreConnection.IsOpen()) << "a failed open leaves it closed, so start-up may try again";

    const auto store = BuildSample(folder);
    ConnectStoreAt(store.u16string());
    ASSERT_TRUE(StoreConnection.IsOpen());
    EXPECT_EQ(StoreConnection.ConnectionString(), StoreConnectionStringForPath(store.u16string()));
    try {
        ConnectStoreAt(store.u16string());
        ADD_FAILURE() << "a second open was accepted";
    } catch (const DataError& e) {
        EXPECT_EQ(e.Number(), ErrorNumber::NotAllowed);
    }

    SetCipherKey();  // as start-up does
    auto rs = RunStoredQuery(StoreConnection, schema::getXfromPD, EncryptText(u"Banana", CipherKey));
    ASSERT_FALSE(rs.Eof());
    EXPECT_EQ(DecryptText(*rs.Fields(u"y"), CipherKey), u"\u06AA\u06CC\u0644\u0648");
    rs.Close();
    // Released by the process, never by the program: close here only so the folder can go.
    StoreConnection.Close();
}

#ifdef _WIN32
TEST(DatabaseHandler, WindowsFolderAndTheStoreInIt) {
    const std::u16string folder = GetWindowsFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.find(u'\0'), std::u16string::npos);
    EXPECT_NE(folder.find(u':'), std::u16string::npos) << "a drive path";
    // The test prefix has no store in its Windows folder: the error names the path it tried.
    try {
        ConnectStore();
        StoreConnection.Close();
        GTEST_SKIP() << "this Windows folder holds a directodb.dll";
    } catch (const DataError& e) {
        std::string expected;
        for (char16_t c : folder + u"\\directodb.dll") expected.push_back(static_cast<char>(c));
        EXPECT_NE(std::string(e.what()).find(expected), std::string::npos) << e.what();
    }
    EXPECT_FALSE(StoreConnection.IsOpen());
}
#endif

}  // namespace
}  // namespace sindhikit
