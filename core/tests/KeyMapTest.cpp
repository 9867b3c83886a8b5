// The key-map tables are the behaviour: each row is transcribed here a second time,
// by key character and hexadecimal code point, so a typo in either copy fails.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <type_traits>

#include "keymaps/KeyMap.h"

using namespace sindhikit;

namespace {

using Table = std::map<KeyCode, CodePoint>;

// "key hex" pairs separated by spaces; the key is the literal character.
Table Parse(const char* rows) {
    Table t;
    std::string s(rows);
    for (size_t i = 0; i < s.size();) {
        if (s[i] == ' ' || s[i] == '\n') {
            ++i;
            continue;
        }
        KeyCode key = static_cast<unsigned char>(s[i]);
        size_t end = s.find_first_of(" \n", i + 2);
        t[key] = static_cast<CodePoint>(std::stoi(s.substr(i + 2, end - i - 2), nullptr, 16));
        i = end == std::string::npos ? s.size() : end;
    }
    return t;
}

void AddDigitsAndSpecials(Table& t) {
    for (int d = 0; d <= 9; ++d) t['0' + d] = 0x06F0 + d;
    t[420] = 0x00D7;
    t[900] = 0x00F7;
    t[1100] = 0x066B;
}

Table SindhiTable() {
    Table t = Parse(
        "a 0627 b 0628 c 0637 d 062F e 064A f 0641 g 06AF h 06BE i 06B3 j 062C k 06AA l 0644 "
        "m 0645 n 0646 o 0648 p 067E q 0642 r 0631 s 0633 t 062A u 0639 v 0680 w 0635 x 062E "
        "y 067F z 0632 "
        "A 0622 B 067B C 0638 D 068A E 0650 F 06C2 G 06AF H 062D J 062C K 0647 L 003A M 06FE "
        "N 06BB O 064F P 06A6 Q 064E R 0699 S 0634 T 067D U 063A V 0627 W 0636 X 0651 Y 062B "
        "Z 0630 "
        "! 0021 \" 0640 # 0621 $ 0621 % 0621 & 06FD ' 06B1 ( 0029 ) 0028 * 0624 + 003D "
        ", 060C - 002D . 002E / 0626 : 061B ; 06A9 < 201C = 068C > 201D ? 061F @ 0670 "
        "[ 0687 \\ 068D ] 0686 ^ 063C _ 068F { 0684 | 067A } 0683 ~ 2018");
    AddDigitsAndSpecials(t);
    return t;
}

Table UrduTable() {
    Table t = Parse(
        "a 0645 b 0634 c 06D2 d 0631 e 06BE f 0646 g 0644 h 06C1 i 0628 j 0627 k 06A9 l 06CC "
        "m 0639 n 063A o 062C p 062D q 0637 r 062F s 0648 t 0679 u 062A v 0633 w 0635 x 0641 "
        "y 067E z 0642 "
        "A 0698 B 0624 C 06D3 D 0691 E 0630 F 06BA G 06C2 H 0621 J 0622 K 06AF L 064A M 0670 "
        "N 0626 O 0686 P 062E Q 0638 R 0688 S 0632 T 062B U 06C3 V 064F W 0636 X 0650 Y 0651 "
        "Z 064E "
        "! 0021 \" 0022 # 0023 $ 0024 % 0025 & 0026 ' 0027 ( 0029 ) 0028 * 002A + 002B "
        ", 060C - 002D . 06D4 / 002F : 003A ; 061B < FEFF = 003D > 064C ? 061F @ 0040 "
        "[ 064B \\ FDFA ] 0654 ^ 005E _ 005F ` 0060 { 064D | FDFB } 0655 ~ 2018");
    AddDigitsAndSpecials(t);
    return t;
}

Table FarsiTable() {
    Table t = Parse(
        "a 0634 b 0630 c 0632 d 06CC e 062B f 0628 g 0644 h 0627 i 0647 j 062A k 0646 l 0645 "
        "m 067E n 062F o 062E p 062D q 0636 r 0642 s 0633 t 0641 u 0639 v 0631 w 0635 x 0637 "
        "y 063A z 0638 "
        "A 0624 B 200C C 0698 D 064A E 064D F 0625 G 0623 H 0622 J 0629 K 00AB L 00BB M 0621 "
        "N 0000 O 005B P 005D Q 0652 R 0626 S 064F T 064E U 0000 V 064C W 0000 X 0650 Y 0643 "
        "Z 06F1 "
        "! 0021 \" 061B # 066B $ FDFC % 066A & 060C ' 06AF ( 0028 ) 0029 * 002A + 002B "
        ", 0648 - 002D . 002E / 002F : 003A ; 06A9 < 003C = 003D > 003E ? 061F @ 066C "
        "[ 062C \\ 005C ] 0686 ^ 00D7 _ 005F { 007B | 007C } 007D ~ 0000");
    AddDigitsAndSpecials(t);
    return t;
}

struct MapCase {
    const char* name;
    CodePoint (*map)(KeyCode);
    Table (*table)();
    size_t rows;  // rows in the published table, the three special codes included
};

class EveryKeyMap : public ::testing::TestWithParam<MapCase> {};

// Every row of the table, and every other code in a wide range comes back unchanged.
TEST_P(EveryKeyMap, MatchesTranscribedTableAndPassesTheRestThrough) {
    const MapCase& c = GetParam();
    const Table expected = c.table();
    EXPECT_EQ(expected.size(), c.rows);
    for (const auto& [key, value] : expected) {
        EXPECT_EQ(c.map(key), value) << c.name << " key " << key;
    }
    for (KeyCode k = -70000; k <= 70000; ++k) {
        if (expected.count(k) == 0) {
            ASSERT_EQ(c.map(k), k) << c.name << " key " << k;
        }
    }
    for (KeyCode k : {INT32_MIN, INT32_MAX, 65536, -1}) {
        EXPECT_EQ(c.map(k), k) << c.name;
    }
}

// The caller's variable keeps its value: a map can be called with a constant key code, so it
// cannot write to the caller's variable (a map taking KeyCode& would fail to compile here).
static_assert(std::is_invocable_r_v<CodePoint, decltype(SindhiKeyToUnicode), const KeyCode&>);
static_assert(std::is_invocable_r_v<CodePoint, decltype(UrduKeyToUnicode), const KeyCode&>);
static_assert(std::is_invocable_r_v<CodePoint, decltype(FarsiKeyToUnicode), const KeyCode&>);
static_assert(std::is_invocable_r_v<CodePoint, decltype(KeyToUnicode), const std::int32_t&, const KeyCode&>);

INSTANTIATE_TEST_SUITE_P(KeyMaps, EveryKeyMap,
                         ::testing::Values(MapCase{"Sindhi", SindhiKeyToUnicode, SindhiTable, 95},
                                           // Urdu lists the grave accent as a row of its own (itself).
                                           MapCase{"Urdu", UrduKeyToUnicode, UrduTable, 96},
                                           MapCase{"Farsi", FarsiKeyToUnicode, FarsiTable, 95}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(KeyMaps, NotableRows) {
    struct {
        CodePoint (*map)(KeyCode);
        KeyCode key;
        CodePoint yields;
    } rows[] = {
        {SindhiKeyToUnicode, 'a', 1575}, {SindhiKeyToUnicode, 'V', 1575}, {SindhiKeyToUnicode, 'I', 'I'},
        {SindhiKeyToUnicode, ' ', ' '},  {SindhiKeyToUnicode, 8, 8},      {SindhiKeyToUnicode, 13, 13},
        {SindhiKeyToUnicode, '(', ')'},  {SindhiKeyToUnicode, ')', '('},  {SindhiKeyToUnicode, 'L', ':'},
        {SindhiKeyToUnicode, ':', 1563}, {SindhiKeyToUnicode, '`', '`'},  {SindhiKeyToUnicode, 421, 421},
        {SindhiKeyToUnicode, 0, 0},      {UrduKeyToUnicode, 'a', 1605},   {UrduKeyToUnicode, 'h', 1729},
        {UrduKeyToUnicode, '(', ')'},    {UrduKeyToUnicode, '<', 65279},  {UrduKeyToUnicode, '`', '`'},
        {FarsiKeyToUnicode, 'a', 1588},  {FarsiKeyToUnicode, 'h', 1575},  {FarsiKeyToUnicode, '(', '('},
        {FarsiKeyToUnicode, 'N', 0},     {FarsiKeyToUnicode, 'Z', 1777},  {FarsiKeyToUnicode, '1', 1777},
        {FarsiKeyToUnicode, '`', '`'},   {FarsiKeyToUnicode, '~', 0},
    };
    for (const auto& r : rows) EXPECT_EQ(r.map(r.key), r.yields) << "key " << r.key;
}

TEST(KeyMaps, LanguageDispatch) {
    EXPECT_EQ(KeyToUnicode(static_cast<int>(Langs::ENGLISH), 97), 97);
    EXPECT_EQ(KeyToUnicode(static_cast<int>(Langs::Sindhi), 97), 1575);
    EXPECT_EQ(KeyToUnicode(static_cast<int>(Langs::Urdu), 97), 1605);
    EXPECT_EQ(KeyToUnicode(static_cast<int>(Langs::Farsi), 97), 1588);
    EXPECT_EQ(KeyToUnicode(static_cast<int>(Langs::Farsi), 78), 0);
    for (int lang : {-1, 4, 7, 1000}) EXPECT_EQ(KeyToUnicode(lang, 97), 97) << lang;
}

}  // namespace
