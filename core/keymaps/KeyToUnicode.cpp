#include "KeyMap.h"

namespace sindhikit {

CodePoint KeyToUnicode(std::int32_t lang, KeyCode asciiCode) {
    switch (static_cast<Langs>(lang)) {
        case Langs::Sindhi: return SindhiKeyToUnicode(asciiCode);
        case Langs::Urdu: return UrduKeyToUnicode(asciiCode);
        case Langs::Farsi: return FarsiKeyToUnicode(asciiCode);
        default: return asciiCode;
    }
}

}  // namespace sindhikit
