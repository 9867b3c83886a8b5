// The Dictionary's reference and banner pictures: each layout's scene, drawn.
#include "layout/DictionaryAboutArtwork.h"
#include "layout/LookupBanner.h"
#include "layout/PhoneticGuidePictures.h"
#include "win/Pictures.h"
#include "win/SceneRenderer.h"

namespace sindhikit::pictures {

HBITMAP CreatePhoneticAlphabetPicture(PictureSize size) {
    return DrawScene(BuildPhoneticAlphabetPicture(size).scene);
}

HBITMAP CreatePhoneticDigitsPicture(PictureSize size) {
    return DrawScene(BuildPhoneticDigitsPicture(size).scene);
}

HBITMAP CreateDictionaryAboutPicture(PictureSize size, const std::wstring& version) {
    return DrawScene(BuildDictionaryAboutArtwork(size, std::u16string(version.begin(), version.end())));
}

HBITMAP CreateLookupBannerPicture(PictureSize size) {
    return DrawScene(BuildLookupBanner(size));
}

}  // namespace sindhikit::pictures
