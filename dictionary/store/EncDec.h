// EncDec: the cipher of the English text in the word store.
//
// Every character becomes three decimal digits: its UTF-16 code, taken as a signed 16-bit
// integer, XOR the code of the key character at the same position while the key lasts
// (positions 1..key length are masked, later ones are written plain). No separators,
// no length field. The format's limits are kept as stored files rely on them: a masked
// code of 1000 or more keeps its last three digits only, a negative code is written as
// "-" and three digits; neither round-trips.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace sindhikit {

// The program's key phrase, 37 plain ASCII characters.
inline constexpr std::u16string_view CipherKeyPhrase = u"sealedLexiconKeyPhrase +41 57 3819764";

// The module-level key every caller passes. Empty until start-up assigns CipherKeyPhrase
// to it (once, before the store is first read); nothing changes it afterwards.
extern std::u16string CipherKey;

// Start-up of either program calls this once, before the store is first read.
void SetCipherKey();

// Raised by a lookup made while CipherKey is still empty: enciphered without the key, its
// word would match nothing and the lookup would quietly find nothing.
class CipherKeyNotSet : public std::logic_error {
 public:
    CipherKeyNotSet();
};

// CipherKey, for a lookup about to encipher or decipher store text; raises CipherKeyNotSet
// while start-up has not set it.
const std::u16string& RequireCipherKey();

// Plain text to cipher text. The empty text gives the empty text.
// Each group is written by the core's NumberToString(code, 3, 0).
std::u16string EncryptText(std::u16string_view text, std::u16string_view key);

// Cipher text back to plain text. A value that is not a cipher text (anything but a
// non-empty run of the digits 0-9, of any length) comes back unchanged: this is how plain
// Sindhi text passes through the same routine. A last group of one or two digits is
// converted by its own value.
std::u16string DecryptText(std::u16string_view value, std::u16string_view key);

// The numeric test of DecryptText: a non-empty text made only of the digits 0-9.
bool IsCipherText(std::u16string_view value);

// The code the cipher writes for text[position] (counted from 0): the unit's signed 16-bit
// code, XOR the code of the key's unit at the same position while the key lasts.
std::int32_t MaskedCode(std::u16string_view text, std::size_t position, std::u16string_view key);

// The first position (from 0) whose masked code lies outside 0..999, where the cipher loses
// the character; std::nullopt when every character survives.
std::optional<std::size_t> FirstCharacterLostByCipher(std::u16string_view text, std::u16string_view key);

// True when DecryptText(EncryptText(text, key), key) gives text back, i.e. every masked
// code lies in 0..999. The store builder refuses English text for which this is false.
bool SurvivesCipher(std::u16string_view text, std::u16string_view key);

}  // namespace sindhikit
