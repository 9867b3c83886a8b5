#include <gtest/gtest.h>

#include <set>

#include "layout/FontChoice.h"

using namespace sindhikit::pictures;

TEST(FontChoice, TakesTheFirstInstalledPreferenceAndFallsBackToTheLast) {
    const std::vector<std::u16string> prefs = {u"Noto Naskh Arabic", u"Lateef", u"Arial"};
    const struct {
        std::set<std::u16string> installed;
        std::u16string expected;
    } cases[] = {
        {{u"Noto Naskh Arabic", u"Lateef"}, u"Noto Naskh Arabic"},
        {{u"Lateef", u"Arial"}, u"Lateef"},
        {{u"Arial"}, u"Arial"},
        {{}, u"Arial"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ChooseFace(prefs, [&](const std::u16string& f) { return c.installed.count(f) > 0; }), c.expected);
    }
    EXPECT_EQ(ChooseFace({}, [](const std::u16string&) { return true; }), u"");
}
