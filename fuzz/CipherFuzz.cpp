// Cipher text of any shape deciphers without failing; any text the store builder would
// accept (one that survives the cipher) comes back from EncryptText/DecryptText unchanged.
#include <cstdlib>

#include "EncDec.h"
#include "FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace sindhikit;
    const std::u16string text = FuzzText(data, size);
    (void)DecryptText(text, CipherKeyPhrase);
    if (!IsCipherText(text) && DecryptText(text, CipherKeyPhrase) != text) std::abort();
    if (SurvivesCipher(text, CipherKeyPhrase)) {
        const std::u16string cipher = EncryptText(text, CipherKeyPhrase);
        if (cipher.size() != 3 * text.size() || !(text.empty() || IsCipherText(cipher))) std::abort();
        if (DecryptText(cipher, CipherKeyPhrase) != text) std::abort();
    }
    return 0;
}
