#include "layout/LookupBanner.h"

#include "layout/SceneBuilder.h"

namespace sindhikit::pictures {

namespace {
constexpr Rgb kRule{200, 160, 60};
constexpr Rgb kTitle{255, 244, 224};
constexpr Rgb kGold{240, 200, 100};
}  // namespace

Scene BuildLookupBanner(PictureSize size) {
    Scene scene;
    scene.size = size;
    const double w = size.width, h = size.height;
    scene.ground = kEnglishToSindhiGround;
    AddShape(scene, ShapeKind::Gradient, Box(0, 0, w, h), kEnglishToSindhiGround, kSindhiToEnglishGround);
    AddShape(scene, ShapeKind::Fill, Box(0, 0.9 * h, w, 0.93 * h), kRule);

    // English at the left, Sindhi at the right, each in its half; on a narrow window a text
    // shrinks to fit its half, to no less than about half its size.
    const double edge = 0.15 * h, gap = 0.1 * h, middle = w / 2;
    AddText(scene, u"Sindhi Language Kit", Box(edge, 0.08 * h, middle - gap, 0.6 * h),
            {TextFace::Latin, kTitle, true, TextAlign::Left}, 0.3 * h, 0.15 * h);
    AddText(scene, u"English \u2013 Sindhi Dictionary", Box(edge, 0.6 * h, middle - gap, 0.88 * h),
            {TextFace::Latin, kGold, false, TextAlign::Left}, 0.14 * h, 0.08 * h);
    // "Tools of the Sindhi language" and "English Sindhi dictionary".
    AddText(
        scene,
        u"\u0633\u0646\u068C\u064A \u067B\u0648\u0644\u064A\u0621\u064E \u062C\u0627 \u0627\u0648\u0632\u0627\u0631",
        Box(middle + gap, 0.02 * h, w - edge, 0.6 * h), {TextFace::Sindhi, kGold, false, TextAlign::Right}, 0.28 * h,
        0.14 * h);
    AddText(scene, u"\u0627\u0646\u06AF\u0631\u064A\u0632\u064A \u0633\u0646\u068C\u064A \u0644\u063A\u062A",
            Box(middle + gap, 0.6 * h, w - edge, 0.9 * h), {TextFace::Sindhi, kTitle, false, TextAlign::Right},
            0.17 * h, 0.08 * h);
    return scene;
}

}  // namespace sindhikit::pictures
