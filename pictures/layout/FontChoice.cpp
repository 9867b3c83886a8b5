#include "layout/FontChoice.h"

namespace sindhikit::pictures {

const std::vector<std::u16string>& PreferredArabicFaces() {
    static const std::vector<std::u16string> faces = {
        u"Noto Naskh Arabic", u"Lateef", u"Noto Sans Arabic", u"Arial", u"Tahoma",
    };
    return faces;
}

const std::vector<std::u16string>& PreferredLatinFaces() {
    static const std::vector<std::u16string> faces = {
        u"Tahoma",
        u"DejaVu Sans",
        u"Noto Sans",
        u"Arial",
    };
    return faces;
}

const std::vector<std::u16string>& PreferredPhoneticFaces() {
    static const std::vector<std::u16string> faces = {
        u"DejaVu Sans", u"Noto Sans", u"Segoe UI", u"Lucida Sans Unicode", u"Arial Unicode MS", u"Arial",
    };
    return faces;
}

std::u16string ChooseFace(const std::vector<std::u16string>& preferred,
                          const std::function<bool(const std::u16string&)>& isInstalled) {
    for (const auto& face : preferred) {
        if (isInstalled(face)) return face;
    }
    return preferred.empty() ? std::u16string() : preferred.back();
}

}  // namespace sindhikit::pictures
