#include <gtest/gtest.h>

#include "DatabaseHandler.h"
#include "access/ConnectionString.h"
#include "access/DataError.h"

namespace sindhikit {
namespace {

using dataaccess::DataError;
using dataaccess::ErrorNumber;
using dataaccess::ParseConnectionString;

TEST(ConnectionString, ProgramStringIsTheFourPiecesJoined) {
    EXPECT_EQ(StoreConnectionString(u"C:\\WINDOWS"),
              u"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=C:\\WINDOWS\\directodb.dll;Mode=Read;"
              u"Persist Security Info=False");
    // A failed folder lookup gives the store on the current drive's root.
    EXPECT_EQ(StoreConnectionString(u""),
              u"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=\\directodb.dll;Mode=Read;Persist Security Info=False");
    const auto settings = ParseConnectionString(StoreConnectionString(u"C:\\WINDOWS"));
    EXPECT_EQ(settings.dataSource, u"C:\\WINDOWS\\directodb.dll");
    EXPECT_TRUE(settings.readOnly);
    EXPECT_FALSE(settings.persistSecurityInfo);
}

TEST(ConnectionString, AnyPathReadsBackWhole) {
    for (const std::u16string path : {u"/tmp/store.db", u"/tmp/a;b/store.db", u"/tmp/say \"hi\"/s.db",
                                      u" /lead and trail ", u"/tmp/it's/s.db", u"/tmp/\u0633\u0627/s.db"}) {
        EXPECT_EQ(ParseConnectionString(StoreConnectionStringForPath(path)).dataSource, path);
    }
}

TEST(ConnectionString, KeysIgnoreCaseAndSpaces) {
    const auto settings = ParseConnectionString(
        u" provider = microsoft.jet.oledb.4.0 ; DATA  SOURCE= x.db ;mode=read;User ID=;Password=;");
    EXPECT_EQ(settings.dataSource, u"x.db");
}

TEST(ConnectionString, RefusesWhatItCannotServe) {
    const struct {
        std::u16string text;
        ErrorNumber number;
        std::string mentions;
    } cases[] = {
        {u"Provider=SQLOLEDB;Data Source=x.db", ErrorNumber::ProviderNotFound, "SQLOLEDB"},
        {u"Data Source=x.db;Mode=Read", ErrorNumber::InvalidArgument, "no Provider"},
        {u"Provider=Microsoft.Jet.OLEDB.4.0;Mode=Read", ErrorNumber::InvalidArgument, "no Data Source"},
        {u"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=x.db;Mode=ReadWrite", ErrorNumber::InvalidArgument,
         "ReadWrite"},
        {u"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=x.db;User ID=admin", ErrorNumber::InvalidArgument, "user id"},
        {u"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=x.db;Extended Properties=x", ErrorNumber::InvalidArgument,
         "extended properties"},
        {u"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=\"x.db", ErrorNumber::InvalidArgument, "closing quote"},
        {u"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=x.db;Data Source=y.db", ErrorNumber::InvalidArgument, "twice"},
        {u"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=x.db;garbage", ErrorNumber::InvalidArgument, "garbage"},
    };
    for (const auto& c : cases) {
        try {
            ParseConnectionString(c.text);
            ADD_FAILURE() << "accepted: " << c.mentions;
        } catch (const DataError& e) {
            EXPECT_EQ(e.Number(), c.number) << e.what();
            EXPECT_NE(std::string(e.what()).find(c.mentions), std::string::npos) << e.what();
        }
    }
}

}  // namespace
}  // namespace sindhikit
