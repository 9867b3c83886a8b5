#include "EncDec.h"

#include <cstdint>

#include "format/NumberToString.h"
#include "variant/Variant.h"

namespace sindhikit {

std::u16string CipherKey;

void SetCipherKey() {
    CipherKey = std::u16string(CipherKeyPhrase);
}

CipherKeyNotSet::CipherKeyNotSet()
    : std::logic_error("CipherKey is not set: start-up must call SetCipherKey before the word store is read") {}

const std::u16string& RequireCipherKey() {
    if (CipherKey.empty()) throw CipherKeyNotSet();
    return CipherKey;
}

namespace {

// The character code of the system: the UTF-16 unit as a signed 16-bit integer.
std::int32_t CodeOf(char16_t unit) {
    return static_cast<std::int16_t>(unit);
}

}  // namespace

std::int32_t MaskedCode(std::u16string_view text, std::size_t position, std::u16string_view key) {
    const std::int32_t c = CodeOf(text[position]);
    return position < key.size() ? c ^ CodeOf(key[position]) : c;  // positions beyond the key stay plain
}

std::u16string EncryptText(std::u16string_view text, std::u16string_view key) {
    std::u16string result;
    result.reserve(text.size() * 3);
    const Variant digits(std::int32_t{3});
    const Variant decimals(std::int32_t{0});
    for (std::size_t i = 0; i < text.size(); ++i)
        result += NumberToString(Variant(MaskedCode(text, i, key)), digits, decimals);
    return result;
}

bool IsCipherText(std::u16string_view value) {
    if (value.empty()) return false;
    for (char16_t c : value)
        if (c < u'0' || c > u'9') return false;
    return true;
}

std::u16string DecryptText(std::u16string_view value, std::u16string_view key) {
    if (!IsCipherText(value)) return std::u16string(value);
    std::u16string result;
    result.reserve(value.size() / 3 + 1);
    std::size_t k = 0;  // plain character position, from 0
    for (std::size_t p = 0; p < value.size(); p += 3, ++k) {
        // A group of at most three digits: 0..999, always a 16-bit value.
        std::int32_t n = 0;
        for (std::size_t d = p; d < value.size() && d < p + 3; ++d) n = n * 10 + (value[d] - u'0');
        if (k < key.size()) n ^= CodeOf(key[k]);
        result.push_back(static_cast<char16_t>(n));
    }
    return result;
}

std::optional<std::size_t> FirstCharacterLostByCipher(std::u16string_view text, std::u16string_view key) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::int32_t code = MaskedCode(text, i, key);
        // Three digits hold 0..999; a larger code loses its leading digits, a negative one its grouping.
        if (code < 0 || code > 999) return i;
    }
    return std::nullopt;
}

bool SurvivesCipher(std::u16string_view text, std::u16string_view key) {
    return !FirstCharacterLostByCipher(text, key);
}

}  // namespace sindhikit
