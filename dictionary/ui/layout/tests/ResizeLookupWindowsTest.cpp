#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>
#include <utility>

#include "layout/ResizeLookupWindows.h"

namespace sindhikit::layout {
namespace {

// Controls as plain values in twips, starting at their design geometry; `snap` stands for
// a toolkit that keeps only what it can show.
template <class Control, std::size_t N>
class TwipsGeometry : public ControlGeometry<Control> {
 public:
    explicit TwipsGeometry(
        const std::array<DesignBox<Control>, N>& design,
        std::function<float(float)> snap = [](float twips) { return twips; })
        : snap_(std::move(snap)) {
        for (const auto& box : design) {
            values_[{box.control, Dimension::Left}] = box.left;
            values_[{box.control, Dimension::Top}] = box.top;
            values_[{box.control, Dimension::Width}] = box.width;
            values_[{box.control, Dimension::Height}] = box.height;
        }
    }
    float Get(Control c, Dimension d) const override { return values_.at({c, d}); }
    void Set(Control c, Dimension d, float twips) override {
        ASSERT_TRUE(values_.contains({c, d}));
        values_[{c, d}] = snap_(twips);
        ++sets_;
    }
    int Sets() const { return sets_; }
    bool operator==(const TwipsGeometry& other) const { return values_ == other.values_; }

 private:
    std::map<std::pair<Control, Dimension>, float> values_;
    std::function<float(float)> snap_;
    int sets_ = 0;
};

using E2S = English2SindhiControl;
using S2E = SindhiToEnglishControl;
using English2SindhiGeometry = TwipsGeometry<E2S, kEnglish2SindhiDesign.size()>;
using SindhiToEnglishGeometry = TwipsGeometry<S2E, kSindhiToEnglishDesign.size()>;
constexpr auto L = Dimension::Left, T = Dimension::Top, W = Dimension::Width, H = Dimension::Height;

template <class Control>
struct Expected {
    Control control;
    Dimension dimension;
    float twips;
};

template <class Geometry, class Control>
void ExpectValues(const Geometry& g, std::initializer_list<Expected<Control>> expected) {
    for (const auto& e : expected) {
        EXPECT_EQ(g.Get(e.control, e.dimension), e.twips)
            << "control " << static_cast<int>(e.control) << ", dimension " << static_cast<int>(e.dimension);
    }
}

TEST(ResizeEnglish2Sindhi, WorkedExample) {
    English2SindhiGeometry g(kEnglish2SindhiDesign);
    ResizeEnglish2Sindhi(g, {0, 0, 11000, 8035});
    ExpectValues<English2SindhiGeometry, E2S>(
        g, {
               {E2S::Picture1, T, 0},          {E2S::Picture1, L, 0},          {E2S::Picture1, W, 11000},
               {E2S::WordBox, T, 1655},        {E2S::lvButtons_H1, T, 1655},   {E2S::WordList, T, 2105},
               {E2S::WordList, H, 5600},       {E2S::Label4, T, 7705},         {E2S::Label4, W, 10650},
               {E2S::Label4, L, 120},          {E2S::Label5, T, 7705},         {E2S::Label5, L, 9195},
               {E2S::Label1, T, 1655},         {E2S::Label1, W, 7125},         {E2S::Label1, L, 3595},
               {E2S::SindhiMeanings, H, 2800}, {E2S::SindhiMeanings, T, 1910}, {E2S::SindhiMeanings, L, 3595},
               {E2S::SindhiMeanings, W, 7125}, {E2S::Label2, L, 3595},         {E2S::Label2, W, 7125},
               {E2S::Label2, T, 4710},         {E2S::EnglishMeaning, T, 4965}, {E2S::EnglishMeaning, L, 3595},
               {E2S::EnglishMeaning, W, 7125}, {E2S::EnglishMeaning, H, 2800},
           });
    // What the layout never changes keeps its design value.
    ExpectValues<English2SindhiGeometry, E2S>(g, {
                                                     {E2S::Picture1, H, 1605},
                                                     {E2S::WordBox, L, 120},
                                                     {E2S::WordBox, W, 2655},
                                                     {E2S::WordBox, H, 375},
                                                     {E2S::lvButtons_H1, L, 2880},
                                                     {E2S::lvButtons_H1, W, 615},
                                                     {E2S::lvButtons_H1, H, 375},
                                                     {E2S::WordList, L, 120},
                                                     {E2S::WordList, W, 3375},
                                                     {E2S::Label1, H, 255},
                                                     {E2S::Label2, H, 255},
                                                     {E2S::Label4, H, 255},
                                                     {E2S::Label5, H, 255},
                                                     {E2S::Label5, W, 1575},
                                                 });
    EXPECT_EQ(g.Sets(), 26);
}

TEST(ResizeSindhiToEnglish, WorkedExample) {
    SindhiToEnglishGeometry g(kSindhiToEnglishDesign);
    ResizeSindhiToEnglish(g, {0, 0, 12000, 9000});
    ExpectValues<SindhiToEnglishGeometry, S2E>(g, {
                                                      {S2E::Picture1, L, 0},
                                                      {S2E::Picture1, T, 0},
                                                      {S2E::Picture1, W, 12000},
                                                      {S2E::WordList, H, 6700},
                                                      {S2E::EnglishMeaningsList, H, 3350},
                                                      {S2E::EnglishMeaning, H, 3095},
                                                      {S2E::Label1, L, 0},
                                                      {S2E::Label1, T, 1655},
                                                      {S2E::Label1, W, 7465},
                                                      {S2E::EnglishMeaningsList, L, 0},
                                                      {S2E::EnglishMeaningsList, T, 1910},
                                                      {S2E::EnglishMeaningsList, W, 7465},
                                                      {S2E::Label2, T, 5260},
                                                      {S2E::Label2, L, 0},
                                                      {S2E::Label2, W, 7465},
                                                      {S2E::EnglishMeaning, T, 5515},
                                                      {S2E::EnglishMeaning, L, 0},
                                                      {S2E::EnglishMeaning, W, 7465},
                                                      {S2E::lblgo, L, 7565},
                                                      {S2E::lblgo, T, 1655},
                                                      {S2E::WordBox, L, 8180},
                                                      {S2E::WordBox, T, 1655},
                                                      {S2E::WordList, L, 7565},
                                                      {S2E::WordList, T, 2200},
                                                      {S2E::Label4, T, 8610},
                                                      {S2E::Label4, W, 7465},
                                                      {S2E::Label4, L, 0},
                                                      {S2E::Label5, L, 0},
                                                      {S2E::Label5, T, 8610},
                                                  });
    ExpectValues<SindhiToEnglishGeometry, S2E>(g, {
                                                      {S2E::Picture1, H, 1605},
                                                      {S2E::lblgo, W, 615},
                                                      {S2E::lblgo, H, 495},
                                                      {S2E::WordBox, W, 3735},
                                                      {S2E::WordBox, H, 495},
                                                      {S2E::WordList, W, 4335},
                                                      {S2E::Label1, H, 255},
                                                      {S2E::Label2, H, 255},
                                                      {S2E::Label4, H, 255},
                                                      {S2E::Label5, W, 705},
                                                      {S2E::Label5, H, 285},
                                                  });
    // The headword list ends 100 above the bottom edge.
    EXPECT_EQ(g.Get(S2E::WordList, T) + g.Get(S2E::WordList, H), 9000 - 100);
    EXPECT_EQ(g.Sets(), 30);
}

// An odd headword-list height halves to half twips, which later steps add up as they are.
TEST(ResizeLookupWindows, HalfTwipsAreHandedOnUnchanged) {
    English2SindhiGeometry e(kEnglish2SindhiDesign);
    ResizeEnglish2Sindhi(e, {0, 0, 11000, 8000});
    ExpectValues<English2SindhiGeometry, E2S>(e, {
                                                     {E2S::WordList, H, 5565},
                                                     {E2S::SindhiMeanings, H, 2782.5f},
                                                     {E2S::Label2, T, 1910 + 2782.5f},
                                                     {E2S::EnglishMeaning, T, 1910 + 2782.5f + 255},
                                                     {E2S::EnglishMeaning, H, 2782.5f},
                                                 });

    SindhiToEnglishGeometry s(kSindhiToEnglishDesign);
    ResizeSindhiToEnglish(s, {0, 0, 12000, 7865});
    ExpectValues<SindhiToEnglishGeometry, S2E>(s, {
                                                      {S2E::WordList, H, 5565},
                                                      {S2E::EnglishMeaningsList, H, 2782.5f},
                                                      {S2E::EnglishMeaning, H, 2527.5f},
                                                      {S2E::Label2, T, 1910 + 2782.5f},
                                                      {S2E::EnglishMeaning, T, 1910 + 2782.5f + 255},
                                                      {S2E::Label4, T, 1910 + 2782.5f + 255 + 2527.5f},
                                                      {S2E::Label5, T, 1910 + 2782.5f + 255 + 2527.5f},
                                                  });
}

// Too narrow for the text column: its widths would be negative and keep the values of the
// last layout; everything else is laid out as usual, negative places included.
TEST(ResizeEnglish2Sindhi, NegativeWidthsKeepThePreviousValue) {
    English2SindhiGeometry g(kEnglish2SindhiDesign);
    ResizeEnglish2Sindhi(g, {0, 0, 11000, 8035});
    ResizeEnglish2Sindhi(g, {0, 0, 3000, 8035});  // 3000 < list width 3375 + 500
    ExpectValues<English2SindhiGeometry, E2S>(g, {
                                                     {E2S::Label1, W, 7125},
                                                     {E2S::SindhiMeanings, W, 7125},
                                                     {E2S::Label2, W, 7125},
                                                     {E2S::EnglishMeaning, W, 7125},
                                                     {E2S::Label1, L, 3595},
                                                     {E2S::Picture1, W, 3000},
                                                     {E2S::Label4, W, 2650},
                                                     {E2S::Label5, L, 120 + 2650 - 1575},
                                                 });
    // Narrower still: the strip's width goes negative and is kept, so "Darvel" is placed
    // from the kept width.
    ResizeEnglish2Sindhi(g, {0, 0, 300, 8035});
    ExpectValues<English2SindhiGeometry, E2S>(
        g, {{E2S::Label4, W, 2650}, {E2S::Label5, L, 120 + 2650 - 1575}, {E2S::Picture1, W, 300}});
}

TEST(ResizeSindhiToEnglish, NegativeWidthsKeepThePreviousValue) {
    SindhiToEnglishGeometry g(kSindhiToEnglishDesign);
    ResizeSindhiToEnglish(g, {0, 0, 12000, 9000});
    ResizeSindhiToEnglish(g, {0, 0, 4000, 9000});  // 4000 < list width 4335 + 200
    ExpectValues<SindhiToEnglishGeometry, S2E>(g, {
                                                      {S2E::Label1, W, 7465},
                                                      {S2E::EnglishMeaningsList, W, 7465},
                                                      {S2E::Label2, W, 7465},
                                                      {S2E::EnglishMeaning, W, 7465},
                                                      {S2E::Label4, W, 7465},
                                                      // The headword column is placed from the kept width.
                                                      {S2E::lblgo, L, 7565},
                                                      {S2E::WordBox, L, 8180},
                                                      {S2E::WordList, L, 7565},
                                                  });
}

// Minimised, the inner area is 0 x 0: heights and widths that would be negative are kept,
// places are applied even when negative, and restoring lays the window out from scratch.
TEST(ResizeEnglish2Sindhi, MinimisedThenRestored) {
    English2SindhiGeometry g(kEnglish2SindhiDesign);
    ResizeEnglish2Sindhi(g, {0, 0, 11000, 8035});
    ResizeEnglish2Sindhi(g, {0, 0, 0, 0});
    ExpectValues<English2SindhiGeometry, E2S>(g, {
                                                     {E2S::Picture1, W, 0},  // zero is not negative
                                                     {E2S::WordList, H, 5600},
                                                     {E2S::Label4, W, 10650},
                                                     {E2S::Label1, W, 7125},
                                                     {E2S::SindhiMeanings, W, 7125},
                                                     {E2S::SindhiMeanings, H, 2800},  // half the kept list height
                                                     {E2S::EnglishMeaning, H, 2800},
                                                     {E2S::Label4, T, 7705},
                                                     {E2S::Label5, L, 9195},
                                                 });
    ResizeEnglish2Sindhi(g, {0, 0, 11000, 8035});
    English2SindhiGeometry direct(kEnglish2SindhiDesign);
    ResizeEnglish2Sindhi(direct, {0, 0, 11000, 8035});
    EXPECT_TRUE(g == direct);
}

TEST(ResizeSindhiToEnglish, MinimisedThenRestored) {
    SindhiToEnglishGeometry g(kSindhiToEnglishDesign);
    ResizeSindhiToEnglish(g, {0, 0, 12000, 9000});
    ResizeSindhiToEnglish(g, {0, 0, 0, 0});
    ExpectValues<SindhiToEnglishGeometry, S2E>(g, {
                                                      {S2E::Picture1, W, 0},
                                                      {S2E::WordList, H, 6700},
                                                      {S2E::EnglishMeaningsList, H, 3350},
                                                      {S2E::EnglishMeaning, H, 3095},
                                                      {S2E::Label1, W, 7465},
                                                      {S2E::Label4, W, 7465},
                                                      {S2E::lblgo, L, 7565},
                                                      {S2E::WordList, T, 2200},
                                                  });
    ResizeSindhiToEnglish(g, {0, 0, 12000, 9000});
    SindhiToEnglishGeometry direct(kSindhiToEnglishDesign);
    ResizeSindhiToEnglish(direct, {0, 0, 12000, 9000});
    EXPECT_TRUE(g == direct);
}

// A window smaller than its fixed parts in both directions: the text boxes' heights
// would be negative and are kept, so a halved height read from a kept one can come out
// negative itself (Sindhi-to-English: half the kept list height less the strip).
TEST(ResizeSindhiToEnglish, SmallWindowKeepsHeightsAndAppliesNegativePlaces) {
    SindhiToEnglishGeometry g(kSindhiToEnglishDesign);
    ResizeSindhiToEnglish(g, {-500, -300, 4000, 1000});
    ExpectValues<SindhiToEnglishGeometry, S2E>(g,
                                               {
                                                   {S2E::Picture1, L, -500},
                                                   {S2E::Picture1, T, -300},
                                                   {S2E::Label1, L, -500},
                                                   {S2E::Label1, T, -300 + 1605 + 50},
                                                   {S2E::WordList, H, 6375},  // 1000 - 2300 < 0: design height kept
                                                   {S2E::EnglishMeaningsList, H, 6375 / 2.0f},
                                                   {S2E::EnglishMeaning, H, 6375 / 2.0f - 255},
                                                   {S2E::Label1, W, 7335},  // 4000 - 4335 - 200 < 0: design width kept
                                                   {S2E::lblgo, L, -500 + 7335 + 100},
                                               });
}

// Every step reads what the controls hold: a toolkit that keeps only multiples of 100
// twips (rounding down) changes what later steps see.
TEST(ResizeEnglish2Sindhi, StepsReadWhatTheControlsHold) {
    English2SindhiGeometry g(kEnglish2SindhiDesign, [](float t) { return std::floor(t / 100) * 100; });
    ResizeEnglish2Sindhi(g, {0, 0, 11000, 8035});
    ExpectValues<English2SindhiGeometry, E2S>(
        g, {
               {E2S::WordBox, T, 1600},         // 0 + 1605 + 50 = 1655, held as 1600
               {E2S::lvButtons_H1, T, 1600},    // reads the held 1600
               {E2S::WordList, T, 2000},        // 1600 + 375 + 75 = 2050
               {E2S::WordList, H, 5600},        // 8035 - 2435
               {E2S::Label4, T, 7600},          // 2000 + 5600
               {E2S::Label4, W, 10600},         // 10650
               {E2S::Label5, L, 9100},          // the strip's left 120 is held as 100: 100 + 10600 - 1575
               {E2S::SindhiMeanings, T, 1800},  // 1600 + 255
               {E2S::Label2, T, 4600},          // 1800 + 2800
               {E2S::EnglishMeaning, T, 4800},  // 4600 + 255
           });
}

TEST(ResizeSindhiToEnglish, StepsReadWhatTheControlsHold) {
    SindhiToEnglishGeometry g(kSindhiToEnglishDesign, [](float t) { return std::floor(t / 100) * 100; });
    ResizeSindhiToEnglish(g, {0, 0, 12000, 9050});
    ExpectValues<SindhiToEnglishGeometry, S2E>(
        g, {
               {S2E::WordList, H, 6700},             // 9050 - 2300 = 6750
               {S2E::EnglishMeaningsList, H, 3300},  // 6700 / 2 = 3350: reads the held list height
               {S2E::EnglishMeaning, H, 3000},       // 3350 - 255 = 3095
               {S2E::Label1, T, 1600},               // 1655
               {S2E::EnglishMeaningsList, T, 1800},  // 1600 + 255 = 1855
               {S2E::lblgo, L, 7500},                // 0 + 7465 -> 7400 held, + 100
               {S2E::WordBox, L, 8100},              // 7500 + 615
           });
}

TEST(PlaceAtDesign, PutsEveryControlAtItsDesignBox) {
    English2SindhiGeometry g(kEnglish2SindhiDesign);
    ResizeEnglish2Sindhi(g, {0, 0, 20000, 15000});
    PlaceAtDesign(g, kEnglish2SindhiDesign);
    EXPECT_TRUE(g == English2SindhiGeometry(kEnglish2SindhiDesign));
    EXPECT_EQ(g.Get(E2S::Label5, L), 9000);
    EXPECT_EQ(g.Get(E2S::WordList, H), 5325);
}

}  // namespace
}  // namespace sindhikit::layout
