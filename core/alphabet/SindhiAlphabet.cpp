#include "alphabet/SindhiAlphabet.h"

namespace sindhikit {

namespace {
constexpr char16_t kHehDoachashmee = 0x06BE;  // the aspiration mark of jh and gh
}

// The standard 52-letter Sindhi alphabet as taught in schools and used to order
// dictionaries: alef first, yeh last. The aspirated jh and gh are letters of their
// own, written jeem or gaf followed by heh doachashmee (jh after jje, gh after gge),
// and swash kaf (k) comes before keheh (kh).
const std::vector<SindhiLetter>& SindhiAlphabet() {
    static const std::vector<SindhiLetter> letters = [] {
        const std::u16string singles[] = {
            u"\u0627",                                   // alif
            u"\u0628",                                   // be
            u"\u067B",                                   // bbe (implosive)
            u"\u0680",                                   // bhe
            u"\u062A",                                   // te
            u"\u067F",                                   // the
            u"\u067D",                                   // tte (retroflex)
            u"\u067A",                                   // tthe
            u"\u062B",                                   // se
            u"\u067E",                                   // pe
            u"\u062C",                                   // jeem
            u"\u0684",                                   // jje (implosive)
            std::u16string{u'\u062C', kHehDoachashmee},  // jhe
            u"\u0683",                                   // nye
            u"\u0686",                                   // che
            u"\u0687",                                   // chhe
            u"\u062D",                                   // he (hah)
            u"\u062E",                                   // khe
            u"\u062F",                                   // dal
            u"\u068C",                                   // dhal
            u"\u068F",                                   // ddal (implosive)
            u"\u068A",                                   // ddal (retroflex)
            u"\u068D",                                   // ddhal
            u"\u0630",                                   // zal
            u"\u0631",                                   // re
            u"\u0699",                                   // rre
            u"\u0632",                                   // ze
            u"\u0633",                                   // seen
            u"\u0634",                                   // sheen
            u"\u0635",                                   // suad
            u"\u0636",                                   // zuad
            u"\u0637",                                   // toe
            u"\u0638",                                   // zoe
            u"\u0639",                                   // ain
            u"\u063A",                                   // ghain
            u"\u0641",                                   // fe
            u"\u06A6",                                   // phe
            u"\u0642",                                   // qaf
            u"\u06AA",                                   // kaf
            u"\u06A9",                                   // khe (keheh)
            u"\u06AF",                                   // gaf
            u"\u06B3",                                   // gge (implosive)
            std::u16string{u'\u06AF', kHehDoachashmee},  // ghe
            u"\u06B1",                                   // nge
            u"\u0644",                                   // lam
            u"\u0645",                                   // meem
            u"\u0646",                                   // noon
            u"\u06BB",                                   // nne (retroflex)
            u"\u0648",                                   // wao
            u"\u0647",                                   // he
            u"\u0621",                                   // hamza
            u"\u064A",                                   // ye
        };
        std::vector<SindhiLetter> out;
        int position = 1;
        for (const auto& s : singles) out.push_back({position++, s});
        return out;
    }();
    return letters;
}

std::vector<std::string> KeysTypingLetter(const std::u16string& letter) {
    std::vector<std::string> keys;
    for (char16_t unit : letter) {
        // Lower-case keys first: they are the ones a typist reaches without Shift.
        std::string found;
        for (KeyCode code = 'a'; code <= 'z'; ++code) {
            if (SindhiKeyToUnicode(code) == unit) found.push_back(static_cast<char>(code));
        }
        for (KeyCode code = 33; code <= 126; ++code) {
            if ((code < 'a' || code > 'z') && SindhiKeyToUnicode(code) == unit)
                found.push_back(static_cast<char>(code));
        }
        keys.push_back(found);
    }
    return keys;
}

}  // namespace sindhikit
