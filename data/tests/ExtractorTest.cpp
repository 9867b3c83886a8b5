// The extractor's readers on small fixture files (data/tests/fixtures) shaped like Debian's
// CLDR and WordNet data, each holding the cases the readers must take or leave out.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <map>
#include <stdexcept>
#include <tuple>

#include "CldrPairs.h"
#include "WordNet.h"

namespace sindhikit::data {
namespace {

namespace fs = std::filesystem;

const fs::path kFixtures = SINDHIKIT_DATA_FIXTURES_DIR;

using Senses = std::vector<std::pair<std::string, std::string>>;  // part of speech, gloss

Senses SensesOf(const WordNet& wordnet, std::string_view word) {
    Senses senses;
    for (const Definition& d : wordnet.Definitions(word)) senses.emplace_back(d.partOfSpeech, d.gloss);
    return senses;
}

std::string ErrorOf(const std::function<void()>& read) {
    try {
        read();
    } catch (const std::runtime_error& e) {
        return e.what();
    }
    return "";
}

TEST(CldrPairs, MatchesTheSameElementInBothLocales) {
    CldrCounts counts;
    const std::vector<Pair> pairs = ReadCldrPairs(kFixtures / "cldr", counts);
    // Alternative, plural, abbreviated, stand-alone and short forms and other calendars are left
    // out, as are keys only one locale has; a Sindhi text without Arabic script is no meaning.
    const std::vector<std::tuple<std::string, std::string, std::string>> expected = {
        {"Sindhi", "\xD8\xB3\xD9\x86\xDA\x8C\xD9\x8A", "languages"},
        {"C\xC3\xB4te d\xE2\x80\x99Ivoire", "\xDA\xAA\xD9\x88\xD9\xBD \xDA\x8A\xD9\x8A \xD9\x88\xD8\xA7\xD8\xB1",
         "territories"},
        {"Pakistan", "\xD9\xBE\xD8\xA7\xDA\xAA\xD8\xB3\xD8\xAA\xD8\xA7\xD9\x86", "territories"},
        {"Pakistani Rupee",
         "\xD9\xBE\xD8\xA7\xDA\xAA\xD8\xB3\xD8\xAA\xD8\xA7\xD9\x86\xD9\x8A \xD8\xB1\xD9\xBE\xD9\x8A\xD9\x88",
         "currencies"},
        {"January", "\xD8\xAC\xD9\x86\xD9\x88\xD8\xB1\xD9\x8A", "months"},
        {"Sunday", "\xD8\xA2\xDA\x86\xD8\xB1", "days"},
        {"meters", "\xD9\x85\xD9\x8A\xD9\xBD\xD8\xB1", "units"},
        {"crescent moon", "\xDA\x86\xD9\x86\xDA\x8A", "emoji"},
        {"red apple", "\xDA\xB3\xD8\xA7\xDA\x99\xD9\x87\xD9\x88 \xD8\xB5\xD9\x88\xD9\x81", "emoji"},
    };
    std::vector<std::tuple<std::string, std::string, std::string>> got;
    for (const Pair& p : pairs) got.emplace_back(p.english, p.sindhi, p.category);
    EXPECT_EQ(got, expected);
    EXPECT_EQ(counts.sindhiNotArabic, 1);  // ur: "Urdu"
    EXPECT_EQ(counts.pairsByCategory, (std::map<std::string, int>{{"currencies", 1},
                                                                  {"days", 1},
                                                                  {"emoji", 2},
                                                                  {"languages", 1},
                                                                  {"months", 1},
                                                                  {"territories", 2},
                                                                  {"units", 1}}));
}

TEST(CldrPairs, AFileThatCannotBeReadIsNamed) {
    CldrCounts counts;
    EXPECT_NE(ErrorOf([&] { ReadCldrPairs(kFixtures / "nothing", counts); }).find("main/en.xml"), std::string::npos);

    // A copy whose Sindhi annotations are cut short.
    const fs::path root =
        fs::temp_directory_path() /
        ("sindhikit-cldr-" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
    fs::copy(kFixtures / "cldr", root, fs::copy_options::recursive);
    fs::resize_file(root / "common/annotations/sd.xml", 300);
    const std::string error = ErrorOf([&] { ReadCldrPairs(root, counts); });
    fs::remove_all(root);
    EXPECT_NE(error.find("annotations/sd.xml"), std::string::npos) << error;
}

TEST(WordNet, DefinitionsOfALemmaInEachPartOfSpeech) {
    const WordNet wordnet(kFixtures / "wordnet");
    // Matched as WordNet writes lemmas: lower case, '_' for a space; senses in index order.
    EXPECT_EQ(SensesOf(wordnet, "Apple"),
              (Senses{{"noun", "fruit with red or yellow or green skin and sweet to tart crisp whitish flesh"},
                      {"noun", "native Eurasian tree widely cultivated in many varieties"}}));
    EXPECT_EQ(SensesOf(wordnet, "apple tree"), (Senses{{"noun", "any tree of the genus Malus"}}));
    EXPECT_EQ(SensesOf(wordnet, "run"),
              (Senses{{"noun", "a score in baseball made by a runner touching all four bases"},
                      {"verb", "move fast by using one's feet; \"Don't run--you'll be out of breath\""}}));
    EXPECT_EQ(SensesOf(wordnet, "rapidly"), (Senses{{"adverb", "with rapid movements"}}));
    EXPECT_EQ(SensesOf(wordnet, "reddish"),
              (Senses{{"adjective", "having any of numerous bright or strong colors reminiscent of blood"}}));
    EXPECT_TRUE(wordnet.Definitions("pear").empty());
    // A sense whose offset lies beyond its data file is passed over.
    EXPECT_TRUE(wordnet.Definitions("broken").empty());
}

TEST(WordNet, LemmasInFileOrderWithSpaces) {
    const WordNet wordnet(kFixtures / "wordnet");
    EXPECT_EQ(wordnet.Lemmas(), (std::vector<std::string>{"apple", "apple tree", "orchard apple tree", "run", "tally",
                                                          "red", "reddish", "quickly", "rapidly", "broken"}));
    EXPECT_EQ(LemmaKey("Apple Tree"), "apple_tree");
}

TEST(WordNet, AMissingFileIsNamed) {
    EXPECT_NE(ErrorOf([] { WordNet(kFixtures / "cldr"); }).find("data.noun"), std::string::npos);
}

}  // namespace
}  // namespace sindhikit::data
