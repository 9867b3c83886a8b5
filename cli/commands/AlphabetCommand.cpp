// alphabet: the phonetic guide as text, one TAB-separated line per letter in dictionary order
// (place, letter, name, name transliterated, transliteration, sound), then one per digit.
#include <string>

#include "Commands.h"
#include "Utf8.h"
#include "alphabet/PhoneticGuide.h"

namespace sindhikit::cli {

int RunAlphabet(const Invocation&, const Context& context, std::ostream& out, std::ostream&) {
    const std::string& nl = context.newline;
    std::string text = "# place\tletter\tname\tname transliterated\ttransliteration\tsound (IPA)" + nl;
    int place = 1;
    for (const PhoneticLetter& l : PhoneticGuideLetters()) {
        text += std::to_string(place++) + '\t' + Utf16ToUtf8(l.letter) + '\t' + Utf16ToUtf8(l.name) + '\t' +
                Utf16ToUtf8(l.nameLatin) + '\t' + Utf16ToUtf8(l.transliteration) + "\t/" + Utf16ToUtf8(l.ipa) + '/' +
                nl;
    }
    text += "# digit\tvalue\tname\tname transliterated" + nl;
    for (const SindhiDigit& d : SindhiDigits()) {
        text += Utf16ToUtf8(d.digits) + '\t' + std::to_string(d.value) + '\t' + Utf16ToUtf8(d.name) + '\t' +
                Utf16ToUtf8(d.nameLatin) + nl;
    }
    out << text;
    return ExitFound;
}

}  // namespace sindhikit::cli
