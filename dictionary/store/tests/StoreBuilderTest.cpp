#include <gtest/gtest.h>

#include "DatabaseHandler.h"
#include "StoreFixture.h"
#include "StoreSchema.h"
#include "access/Recordset.h"
#include "builder/SourceReader.h"
#include "builder/StoreBuilder.h"
#include "builder/StoreChecker.h"

namespace sindhikit {
namespace {

using sindhikit::testing::BuildSample;
using sindhikit::testing::ReadBytes;
using sindhikit::testing::TempFolder;
using storebuild::BuildStore;
using storebuild::StoreBuildError;

std::string BuildError(const std::vector<std::filesystem::path>& sources, const std::filesystem::path& target) {
    try {
        BuildStore(sources, target);
    } catch (const StoreBuildError& e) {
        return e.what();
    }
    return "";
}

TEST(StoreBuilder, BuildsAStoreTheCheckerAccepts) {
    TempFolder folder;
    const auto summary = BuildStore({testing::FixtureFile("sample-store.tsv")}, folder / "directodb.dll");
    EXPECT_EQ(summary.englishHeadwords, 4);  // Apple, banana, cherry, plantain
    EXPECT_EQ(summary.sindhiHeadwords, 3);
    EXPECT_EQ(summary.meanings, 4);
    EXPECT_EQ(summary.definitions, 3);
    EXPECT_EQ(summary.duplicatesSkipped, 0);

    const auto report = storebuild::CheckStore(folder / "directodb.dll");
    EXPECT_TRUE(report.fullPath.is_absolute());
    EXPECT_EQ(report.fullPath.filename(), "directodb.dll");
    EXPECT_EQ(report.formatVersion, 1);
    EXPECT_EQ(report.englishHeadwords, 4);
    EXPECT_EQ(report.sindhiHeadwords, 3);
    EXPECT_EQ(report.meanings, 4);
    EXPECT_EQ(report.definitions, 3);
    const std::string text = storebuild::DescribeReport(report);
    EXPECT_NE(text.find(report.fullPath.string()), std::string::npos) << text;
    EXPECT_NE(text.find("English headwords: 4"), std::string::npos) << text;
}

TEST(StoreBuilder, SameSourcesGiveTheSameStore) {
    TempFolder folder;
    const auto source = testing::FixtureFile("sample-store.tsv");
    BuildStore({source}, folder / "a.dll");
    BuildStore({source}, folder / "b.dll");
    EXPECT_EQ(ReadBytes(folder / "a.dll"), ReadBytes(folder / "b.dll"));
}

// The program lists YList in the order the engine returns its rows (the query has no ORDER
// BY), so the builder writes them in Sindhi dictionary order: here jje, jh, k, kh, which the
// code units would give as jh, jje, kh, k.
TEST(StoreBuilder, SindhiHeadwordsAreWrittenInSindhiOrder) {
    TempFolder folder;
    const auto source = folder.Write("sindhi.txt",
                                     "sd\tbook\t\xDA\xAA\xD8\xAA\xD8\xA7\xD8\xA8\n"  // ڪتاب
                                     "sd\tmilk\t\xDA\xA9\xD9\x8A\xD8\xB1\n"          // کير
                                     "sd\tship\t\xD8\xAC\xDA\xBE\xD8\xA7\xD8\xB2\n"  // جھاز
                                     "sd\tnet\t\xDA\x84\xD8\xA7\xD8\xB1\n");         // ڄار
    BuildStore({source}, folder / "s.dll");
    dataaccess::Connection connection;
    connection.Open(StoreConnectionStringForPath((folder / "s.dll").u16string()));
    dataaccess::Recordset rows;
    rows.Open(schema::SindhiHeadwordsQueryText, connection);
    std::vector<std::u16string> order;
    for (; !rows.Eof(); rows.MoveNext()) order.push_back(*rows.Fields(u"Y"));
    EXPECT_EQ(order, (std::vector<std::u16string>{u"\u0684\u0627\u0631", u"\u062C\u06BE\u0627\u0632",
                                                  u"\u06AA\u062A\u0627\u0628", u"\u06A9\u064A\u0631"}));
}

TEST(StoreBuilder, RepeatedRecordsAreStoredOnce) {
    TempFolder folder;
    const auto a = folder.Write("a.txt", "sd\tapple\t\xD8\xB3\n def\tapple\tnoun\tfruit\n");
    const auto b = folder.Write("b.txt", "sd\tApple\t\xD8\xB3\nen\tapple\ndef\tapple\tnoun\tfruit\n");
    // " def" starts with a space: it is not a record type.
    EXPECT_NE(BuildError({a}, folder / "s.dll").find("a.txt:2"), std::string::npos);
    const auto c = folder.Write("c.txt", "sd\tapple\t\xD8\xB3\ndef\tapple\tnoun\tfruit\n");
    const auto summary = BuildStore({c, b}, folder / "s.dll");
    EXPECT_EQ(summary.englishHeadwords, 1);  // apple and Apple share one lookup key
    EXPECT_EQ(summary.meanings, 1);
    EXPECT_EQ(summary.definitions, 1);
    EXPECT_EQ(summary.duplicatesSkipped, 2);
    EXPECT_EQ(storebuild::CheckStore(folder / "s.dll").meanings, 1);
}

TEST(StoreBuilder, RefusalsNameTheFileAndLine) {
    const struct {
        std::string line;
        std::string mentions;
    } cases[] = {
        {"xx\tapple", "unknown record type"},
        {"en", "needs 2"},
        {"en\tapple\textra", "needs 2"},
        {"sd\tapple", "needs 3"},
        {"def\tapple\tnoun", "needs 4"},
        {"sd\tapple\t", "empty field"},
        {"en\t apple", "leading or trailing spaces"},
        {"sd\tapple\t\xD8\xB3 ", "leading or trailing spaces"},
        {"sd\tapple\t123", "deciphered"},
        {"en\t\xD8\xB3\xD8\xA8", "would not survive the cipher"},  // Arabic script as English
        {"def\tapple\tnoun\tfruit \xE2\x80\x94 red", "U+2014"},    // em dash: code 8212
        {"en\tapple\xEF\xBF\xBF", "U+FFFF"},
        {"en\tap\xFFple", "not valid UTF-8"},
        {"en\tap\xC0\xAFple", "not valid UTF-8"},
        {"en\tapple\x01", "control character"},
    };
    TempFolder folder;
    const auto target = folder / "directodb.dll";
    for (const auto& c : cases) {
        const auto source = folder.Write("bad.txt", "# header\nen\tgood\n\n" + c.line + "\nen\tlater\n");
        const std::string error = BuildError({source}, target);
        EXPECT_NE(error.find(source.string() + ":4: "), std::string::npos) << c.line << " -> " << error;
        EXPECT_NE(error.find(c.mentions), std::string::npos) << c.line << " -> " << error;
    }
    EXPECT_NE(BuildError({folder / "absent.txt"}, target).find("absent.txt"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(target));
    EXPECT_EQ(folder.Names(), (std::vector<std::string>{"bad.txt"})) << "no temporary file left";
}

TEST(StoreBuilder, AFailedBuildLeavesTheGoodStoreInPlace) {
    TempFolder folder;
    const auto store = BuildSample(folder);
    const std::string good = ReadBytes(store);
    const auto mtime = std::filesystem::last_write_time(store);
    const auto first = folder.Write("ok.txt", "en\tfine\n");
    const auto bad = folder.Write("bad.txt", "en\tfine\nsd\tfine\n");
    const std::string error = BuildError({first, bad}, store);
    EXPECT_NE(error.find("bad.txt:2"), std::string::npos) << error;
    EXPECT_EQ(ReadBytes(store), good);
    EXPECT_EQ(std::filesystem::last_write_time(store), mtime);
    // A target in a folder that does not exist fails before anything is written.
    EXPECT_NE(BuildError({first}, folder / "no" / "such" / "s.dll").find("does not exist"), std::string::npos);
    auto names = folder.Names();
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"bad.txt", "directodb.dll", "ok.txt"}));
    // A good build replaces it.
    BuildStore({first}, store);
    EXPECT_EQ(storebuild::CheckStore(store).englishHeadwords, 1);
}

TEST(StoreBuilder, SourceLinesTolerateCrAndSkipComments) {
    TempFolder folder;
    const auto source = folder.Write("s.txt", "\xEF\xBB\xBF# comment\r\n\r\n   \nen\tapple\r\n#en\tignored\nen\tpear");
    const auto records = storebuild::ReadSourceFile(source);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].word, u"apple");
    EXPECT_EQ(records[0].where, source.string() + ":4");
    EXPECT_EQ(records[1].word, u"pear");
    EXPECT_EQ(records[1].where, source.string() + ":6");
}

TEST(StoreBuilder, InputBoundsStopAtTheLineThatPassesThem) {
    using storebuild::MaxSourceLineBytes;
    TempFolder folder;
    const std::string longest = "en\t" + std::string(MaxSourceLineBytes - 3, 'a');
    // A line as long as a line may be is read, with or without its CR.
    const auto atBound = folder.Write("bound.txt", longest + "\r\n" + longest);
    EXPECT_EQ(storebuild::ReadSourceFile(atBound).size(), 2u);
    // One byte more is refused at its line.
    const auto over = folder.Write("over.txt", "en\tfirst\n" + longest + "a\nen\tlast\n");
    EXPECT_NE(BuildError({over}, folder / "s.dll").find("over.txt:2: the line is longer than"), std::string::npos);
    // The sources of one build share one budget: reading stops at the line that passes it.
    const auto a = folder.Write("a.txt", "en\tone\nen\ttwo\n");  // 14 bytes
    const auto b = folder.Write("b.txt", "en\tthree\nen\tfour\n");
    std::uintmax_t left = 30;
    EXPECT_EQ(storebuild::ReadSourceFile(a, left).size(), 2u);
    EXPECT_EQ(left, 16u);
    try {
        storebuild::ReadSourceFile(b, left);
        ADD_FAILURE() << "read past the budget";
    } catch (const StoreBuildError& e) {
        EXPECT_NE(std::string(e.what()).find("b.txt:2: the sources of one build may hold at most 256 MiB"),
                  std::string::npos)
            << e.what();
    }
    EXPECT_FALSE(std::filesystem::exists(folder / "s.dll"));
}

}  // namespace
}  // namespace sindhikit
