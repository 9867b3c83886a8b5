#include "CldrPairs.h"

#include <pugixml.hpp>

#include <stdexcept>
#include <string_view>

namespace sindhikit::data {
namespace {

// One kind of name: the element set to match, and which attribute (on the element itself or
// on its parent) identifies it in both locales. Alternative and plural forms are left out so
// each key has one English and one Sindhi text.
struct Category {
    const char* name;
    const char* xpath;
    const char* keyAttribute;
    bool keyOnParent;
};

constexpr Category kMainCategories[] = {
    {"languages", "/ldml/localeDisplayNames/languages/language[not(@alt)]", "type", false},
    {"territories", "/ldml/localeDisplayNames/territories/territory[not(@alt)]", "type", false},
    {"currencies", "/ldml/numbers/currencies/currency/displayName[not(@count)]", "type", true},
    {"months",
     "/ldml/dates/calendars/calendar[@type='gregorian']/months/monthContext[@type='format']"
     "/monthWidth[@type='wide']/month[not(@alt)]",
     "type", false},
    {"days",
     "/ldml/dates/calendars/calendar[@type='gregorian']/days/dayContext[@type='format']"
     "/dayWidth[@type='wide']/day[not(@alt)]",
     "type", false},
    {"units", "/ldml/units/unitLength[@type='long']/unit/displayName", "type", true},
};

constexpr Category kAnnotationCategory = {"emoji", "/ldml/annotations/annotation[@type='tts']", "cp", false};

pugi::xml_document Load(const std::filesystem::path& file) {
    pugi::xml_document doc;
    pugi::xml_parse_result parsed = doc.load_file(file.c_str());
    if (!parsed)
        throw std::runtime_error(file.string() + ": " + parsed.description() + " at byte " +
                                 std::to_string(parsed.offset));
    return doc;
}

std::map<std::string, std::string> Names(const pugi::xml_document& doc, const Category& c) {
    std::map<std::string, std::string> byKey;
    for (const pugi::xpath_node& hit : doc.select_nodes(c.xpath)) {
        pugi::xml_node node = hit.node();
        pugi::xml_node keyed = c.keyOnParent ? node.parent() : node;
        std::string text = node.text().get();
        if (!text.empty()) byKey.emplace(keyed.attribute(c.keyAttribute).value(), text);
    }
    return byKey;
}

// Sindhi is written in Arabic script; a Sindhi locale text with no Arabic letter is an
// untranslated English fallback, not a meaning.
bool HasArabicLetter(std::string_view utf8) {
    for (std::size_t i = 0; i + 1 < utf8.size(); ++i) {
        auto lead = static_cast<unsigned char>(utf8[i]);
        if (lead >= 0xD8 && lead <= 0xDB) return true;  // U+0600..U+06FF
        if (lead == 0xEF) {
            auto next = static_cast<unsigned char>(utf8[i + 1]);
            if ((next >= 0xAD && next <= 0xB7) || (next >= 0xB9 && next <= 0xBB)) return true;  // presentation forms
        }
    }
    return false;
}

void MatchCategory(const pugi::xml_document& en, const pugi::xml_document& sd, const Category& c,
                   std::vector<Pair>& pairs, CldrCounts& counts) {
    auto english = Names(en, c);
    for (const auto& [key, sindhi] : Names(sd, c)) {
        auto it = english.find(key);
        if (it == english.end()) continue;
        if (!HasArabicLetter(sindhi)) {
            ++counts.sindhiNotArabic;
            continue;
        }
        ++counts.pairsByCategory[c.name];
        pairs.push_back({it->second, sindhi, c.name});
    }
}

}  // namespace

std::vector<Pair> ReadCldrPairs(const std::filesystem::path& cldrRoot, CldrCounts& counts) {
    std::vector<Pair> pairs;
    auto mainEn = Load(cldrRoot / "common/main/en.xml");
    auto mainSd = Load(cldrRoot / "common/main/sd.xml");
    for (const Category& c : kMainCategories) MatchCategory(mainEn, mainSd, c, pairs, counts);
    auto emojiEn = Load(cldrRoot / "common/annotations/en.xml");
    auto emojiSd = Load(cldrRoot / "common/annotations/sd.xml");
    MatchCategory(emojiEn, emojiSd, kAnnotationCategory, pairs, counts);
    return pairs;
}

}  // namespace sindhikit::data
