#include "access/ConnectionString.h"

#include <vector>

#include "Utf8.h"
#include "access/DataError.h"

namespace sindhikit::dataaccess {

namespace {

std::u16string Trim(std::u16string_view s) {
    const auto isSpace = [](char16_t c) { return c == u' ' || c == u'\t'; };
    std::size_t b = 0, e = s.size();
    while (b < e && isSpace(s[b])) ++b;
    while (e > b && isSpace(s[e - 1])) --e;
    return std::u16string(s.substr(b, e - b));
}

std::u16string Lower(std::u16string_view s) {
    std::u16string out(s);
    for (auto& c : out)
        if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c + 0x20);
    return out;
}

// Collapses runs of spaces so "Data  Source" and "data source" name the same key.
std::u16string KeyOf(std::u16string_view raw) {
    std::u16string out;
    for (char16_t c : Lower(Trim(raw))) {
        if (c == u' ' && !out.empty() && out.back() == u' ') continue;
        out.push_back(c);
    }
    return out;
}

[[noreturn]] void Fail(const std::string& what) {
    throw DataError(ErrorNumber::InvalidArgument, "Connection string: " + what);
}

struct Pair {
    std::u16string key;
    std::u16string value;
};

std::vector<Pair> Split(std::u16string_view text) {
    std::vector<Pair> pairs;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto eq = text.find(u'=', i);
        const auto semi = text.find(u';', i);
        if (eq == std::u16string_view::npos || (semi != std::u16string_view::npos && semi < eq)) {
            const auto piece =
                Trim(text.substr(i, semi == std::u16string_view::npos ? std::u16string_view::npos : semi - i));
            if (!piece.empty()) Fail("\"" + Utf16ToUtf8(piece) + "\" is not of the form Key=Value");
            if (semi == std::u16string_view::npos) break;
            i = semi + 1;
            continue;
        }
        Pair pair{KeyOf(text.substr(i, eq - i)), {}};
        if (pair.key.empty()) Fail("a value without a key");
        std::size_t j = eq + 1;
        while (j < text.size() && (text[j] == u' ' || text[j] == u'\t')) ++j;
        if (j < text.size() && (text[j] == u'"' || text[j] == u'\'')) {
            const char16_t quote = text[j++];
            bool closed = false;
            while (j < text.size()) {
                if (text[j] == quote) {
                    if (j + 1 < text.size() && text[j + 1] == quote) {
                        pair.value.push_back(quote);
                        j += 2;
                        continue;
                    }
                    closed = true;
                    ++j;
                    break;
                }
                pair.value.push_back(text[j++]);
            }
            if (!closed) Fail("the value of \"" + Utf16ToUtf8(pair.key) + "\" has no closing quote");
            while (j < text.size() && (text[j] == u' ' || text[j] == u'\t')) ++j;
            if (j < text.size() && text[j] != u';')
                Fail("text after the quoted value of \"" + Utf16ToUtf8(pair.key) + "\"");
            i = j + 1;
        } else {
            const auto end = text.find(u';', j);
            pair.value = Trim(text.substr(j, end == std::u16string_view::npos ? std::u16string_view::npos : end - j));
            i = end == std::u16string_view::npos ? text.size() : end + 1;
        }
        pairs.push_back(std::move(pair));
    }
    return pairs;
}

}  // namespace

ConnectionSettings ParseConnectionString(std::u16string_view text) {
    ConnectionSettings settings;
    bool haveProvider = false, haveSource = false;
    std::vector<std::u16string> seen;
    for (const auto& [key, value] : Split(text)) {
        for (const auto& k : seen)
            if (k == key) Fail("\"" + Utf16ToUtf8(key) + "\" is given twice");
        seen.push_back(key);
        const std::u16string lowered = Lower(value);
        if (key == u"provider") {
            if (lowered != Lower(JetProvider))
                throw DataError(ErrorNumber::ProviderNotFound,
                                "Provider cannot be found: \"" + Utf16ToUtf8(value) +
                                    "\" (this layer serves Microsoft.Jet.OLEDB.4.0 only)");
            haveProvider = true;
        } else if (key == u"data source") {
            if (value.empty()) Fail("Data Source is empty");
            settings.dataSource = value;
            haveSource = true;
        } else if (key == u"mode") {
            if (lowered != u"read")
                Fail("Mode \"" + Utf16ToUtf8(value) + "\" is not offered: word stores open with Mode=Read only");
            settings.readOnly = true;
        } else if (key == u"persist security info") {
            if (lowered == u"true")
                settings.persistSecurityInfo = true;
            else if (lowered == u"false")
                settings.persistSecurityInfo = false;
            else
                Fail("Persist Security Info must be True or False, not \"" + Utf16ToUtf8(value) + "\"");
        } else if (key == u"user id" || key == u"password") {
            if (!value.empty()) Fail("the store is not secured: " + Utf16ToUtf8(key) + " must be empty");
        } else {
            Fail("unknown keyword \"" + Utf16ToUtf8(key) + "\"");
        }
    }
    if (!haveProvider) Fail("no Provider");
    if (!haveSource) Fail("no Data Source");
    return settings;
}

std::u16string QuoteConnectionValue(std::u16string_view value) {
    const bool needsQuotes = value.find_first_of(u";\"'") != std::u16string_view::npos ||
                             (!value.empty() && (value.front() == u' ' || value.back() == u' ' ||
                                                 value.front() == u'\t' || value.back() == u'\t'));
    if (!needsQuotes) return std::u16string(value);
    std::u16string out = u"\"";
    for (char16_t c : value) {
        if (c == u'"') out.push_back(u'"');
        out.push_back(c);
    }
    out.push_back(u'"');
    return out;
}

}  // namespace sindhikit::dataaccess
