#include "AsciiFold.h"

#include <gtest/gtest.h>

namespace sindhikit::data {
namespace {

TEST(FoldToAscii, KeepsFoldsOrRefusesEachText) {
    struct Case {
        const char* utf8;
        FoldResult result;
        const char* ascii;
    };
    const Case cases[] = {
        {"Sindhi", FoldResult::Unchanged, "Sindhi"},
        {"C\xC3\xB4te d\xE2\x80\x99Ivoire", FoldResult::Folded, "Cote d'Ivoire"},  // ô, ’
        {"\xC3\x85land Islands", FoldResult::Folded, "Aland Islands"},             // Å
        {"Cura\xC3\xA7"
         "ao",
         FoldResult::Folded, "Curacao"},                                    // ç
        {"\xC3\xBF\xC3\xA0\xC3\x80\xC3\x9E", FoldResult::Folded, "yaATh"},  // table ends
        {"\xC5\x81\xC3\xB3\xC5\xBA", FoldResult::Folded, "Loz"},            // Ł ó ź
        {"\xC5\x92uvre \xC5\xBF", FoldResult::Folded, "OEuvre s"},          // Œ ſ (last)
        {"Afghani (1927\xE2\x80\x93"
         "2002)",
         FoldResult::Folded, "Afghani (1927-2002)"},
        {"a\xC2\xA0\tb ", FoldResult::Folded, "a b"},                      // NBSP, TAB
        {"e\xCC\x81t\xC3\xA9", FoldResult::Folded, "ete"},                 // combining acute
        {"\xE2\x82\xAC sign", FoldResult::Impossible, ""},                 // €
        {"\xD8\xB3\xD9\x86\xDA\x8C\xD9\x8A", FoldResult::Impossible, ""},  // Sindhi script
        {"bad \xC3", FoldResult::Impossible, ""},                          // cut sequence
        {"bad \xC3\x28", FoldResult::Impossible, ""},                      // not a continuation
        {"   ", FoldResult::Impossible, ""},
    };
    for (const Case& c : cases) {
        Folded f = FoldToAscii(c.utf8);
        EXPECT_EQ(f.result, c.result) << c.utf8;
        EXPECT_EQ(f.text, c.ascii) << c.utf8;
    }
}

}  // namespace
}  // namespace sindhikit::data
