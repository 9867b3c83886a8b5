#include "builder/SourceReader.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>

#include "EncDec.h"
#include "Genral.h"
#include "Utf8.h"
#include "builder/StoreBuilder.h"

namespace sindhikit::storebuild {

namespace {

std::string Hex(char16_t unit) {
    char text[16];
    std::snprintf(text, sizeof text, "U+%04X", static_cast<unsigned>(unit));
    return text;
}

// Why the cipher cannot carry text: the first position whose masked code leaves 0..999.
std::string CipherRefusal(const std::u16string& text) {
    const auto lost = FirstCharacterLostByCipher(text, CipherKeyPhrase);
    if (!lost) return {};
    const std::size_t i = *lost;
    return "character " + Hex(text[i]) + " at position " + std::to_string(i + 1) +
           " would not survive the cipher (its code becomes " + std::to_string(MaskedCode(text, i, CipherKeyPhrase)) +
           ", outside 0-999)";
}

std::vector<std::string> SplitTabs(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (true) {
        const auto tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
        if (tab == std::string::npos) break;
        start = tab + 1;
    }
    return fields;
}

}  // namespace

std::string RefusalOf(const std::u16string& field, FieldKind kind) {
    if (field.empty()) return "empty field";
    for (char16_t c : field)
        if (c < 0x20 || c == 0x7F) return "control character " + Hex(c) + " in a field";
    // A headword with surrounding spaces could never be looked up: the lookups trim.
    if (kind != FieldKind::EnglishText && (field.front() == u' ' || field.back() == u' '))
        return "headword with leading or trailing spaces";
    if (kind == FieldKind::SindhiWord) {
        if (IsCipherText(field)) return "Sindhi text made only of digits 0-9 would be deciphered when shown";
        return {};
    }
    if (std::string refusal = CipherRefusal(field); !refusal.empty()) return refusal;
    if (kind == FieldKind::EnglishWord) {
        if (std::string refusal = CipherRefusal(CapitalizeFirst(field)); !refusal.empty())
            return "its lookup form: " + refusal;
    }
    return {};
}

std::vector<SourceRecord> ReadSourceFile(const std::filesystem::path& file) {
    const std::string name = file.string();
    std::ifstream in(file, std::ios::binary);
    if (!in) throw StoreBuildError(name + ": cannot read the source file");
    std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) throw StoreBuildError(name + ": cannot read the source file");
    if (content.rfind("\xEF\xBB\xBF", 0) == 0) content.erase(0, 3);  // a UTF-8 byte-order mark

    std::vector<SourceRecord> records;
    std::size_t lineNumber = 0;
    std::size_t start = 0;
    while (start < content.size()) {
        auto end = content.find('\n', start);
        if (end == std::string::npos) end = content.size();
        std::string line = content.substr(start, end - start);
        start = end + 1;
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const std::string where = name + ":" + std::to_string(lineNumber);
        if (line.empty() || line[0] == '#') continue;
        if (line.find_first_not_of(" \t") == std::string::npos) continue;

        const auto fail = [&](const std::string& what) -> void { throw StoreBuildError(where + ": " + what); };
        if (!Utf8ToUtf16(line)) fail("not valid UTF-8");
        const auto raw = SplitTabs(line);
        SourceRecord record;
        record.where = where;
        std::size_t wanted = 0;
        if (raw[0] == "en") {
            record.kind = SourceRecord::Kind::EnglishHeadword;
            wanted = 2;
        } else if (raw[0] == "sd") {
            record.kind = SourceRecord::Kind::SindhiMeaning;
            wanted = 3;
        } else if (raw[0] == "def") {
            record.kind = SourceRecord::Kind::Definition;
            wanted = 4;
        } else {
            fail("unknown record type \"" + raw[0] + "\" (expected en, sd or def)");
        }
        if (raw.size() != wanted)
            fail(raw[0] + " record needs " + std::to_string(wanted) + " TAB-separated fields, found " +
                 std::to_string(raw.size()));
        std::vector<std::u16string> fields;
        for (std::size_t i = 1; i < raw.size(); ++i) {
            fields.push_back(*Utf8ToUtf16(raw[i]));
            const FieldKind kind = i == 1                                             ? FieldKind::EnglishWord
                                   : record.kind == SourceRecord::Kind::SindhiMeaning ? FieldKind::SindhiWord
                                                                                      : FieldKind::EnglishText;
            const std::string refusal = RefusalOf(fields.back(), kind);
            if (!refusal.empty()) fail("field " + std::to_string(i + 1) + ": " + refusal);
        }
        record.word = fields[0];
        if (fields.size() > 1) record.first = fields[1];
        if (fields.size() > 2) record.second = fields[2];
        records.push_back(std::move(record));
    }
    return records;
}

}  // namespace sindhikit::storebuild
