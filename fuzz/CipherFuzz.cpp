// Cipher text of any shape deciphers without failing; a text comes back from
// EncryptText/DecryptText unchanged exactly when SurvivesCipher says so (the store builder
// accepts English text by it).
#include <cstdlib>

#include "EncDec.h"
#include "FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace sindhikit;
    const std::u16string text = FuzzText(data, size);
    (void)DecryptText(text, CipherKeyPhrase);
    if (!IsCipherText(text) && DecryptText(text, CipherKeyPhrase) != text) std::abort();
    const std::u16string cipher = EncryptText(text, CipherKeyPhrase);
    if (SurvivesCipher(text, CipherKeyPhrase)) {
        if (cipher.size() != 3 * text.size() || !(text.empty() || IsCipherText(cipher))) std::abort();
        if (DecryptText(cipher, CipherKeyPhrase) != text) std::abort();
    } else if (DecryptText(cipher, CipherKeyPhrase) == text) {
        std::abort();  // refused by the builder, yet it would have come back whole
    }
    return 0;
}
