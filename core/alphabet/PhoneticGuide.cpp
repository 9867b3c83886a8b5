#include "alphabet/PhoneticGuide.h"

namespace sindhikit {

// Transliteration: ISO 15919 letters for the consonants Sindhi shares with the Indic scripts
// (c ch j jh ñ ṭ ṭh ḍ ḍh ṛ ṇ ṅ ś v, an h after a stop marking aspiration), a diaeresis below
// for the four implosives (b̤ j̤ d̤ g̤), and for the letters of Arabic origin a mark that keeps
// each apart from the native letter it sounds like: s̱ ṣ for the two extra s, ẕ ż ẓ for the
// three extra z, ṯ for tah, ḥ for hah, ḫ for khah, ġ for ghain, ʿ for ain and ʾ for hamza.
// Vowels in the names: a ā i ī u ū e o. Every letter has a transliteration of its own, so a
// transliterated word spells back.
//
// Sounds are phonemes of standard Sindhi: dental t̪ d̪, the palatal stops c ɟ (Sindhi's
// "ch" and "j" series, with the palatal implosive ʄ), breathy-voiced ʱ after voiced stops and
// ʰ after voiceless ones. The Arabic letters take the Sindhi sound, not the Arabic one: thal,
// dad and zah sound z like zain; theh and sad s like seen; tah is the dental t̪; hah is h;
// ain is silent or a glottal stop.
//
// Checked against: the Unicode Character Database 14.0 (the names of every letter and digit,
// read through Python's unicodedata on the build machine); CLDR 41's Sindhi locale
// (common/main/sd.xml: the exemplar letters, with jh and gh as letters of their own;
// common/annotations/sd.xml: the number words for 4, 6, 7, 8 and 10 in the clock-face
// names). CLDR has no Sindhi spell-out rules, so the other number names are not confirmed by
// it, and its default Sindhi digits are the Arabic-Indic ones; the guide shows the Extended
// Arabic-Indic digits because those are what the Sindhi key map types. The letter names and
// the sounds are the developer's knowledge of the alphabet as Sindhi primers teach it and of
// Sindhi phonology: no printed phonetic description of Sindhi was at hand to check the IPA
// column against.
const std::vector<PhoneticLetter>& PhoneticGuideLetters() {
    // clang-format off
    static const std::vector<PhoneticLetter> letters = {
        {u"\u0627",       u"\u0627\u0644\u0641",       u"alif",       u"ā",          u"aː"},               // ا الف
        {u"\u0628",       u"\u0628\u064A",             u"be",         u"b",          u"b"},                // ب بي
        {u"\u067B",       u"\u067B\u064A",             u"b\u0324e",   u"b\u0324",    u"ɓ"},                // ٻ ٻي
        {u"\u0680",       u"\u0680\u064A",             u"bhe",        u"bh",         u"bʱ"},               // ڀ ڀي
        {u"\u062A",       u"\u062A\u064A",             u"te",         u"t",          u"t\u032A"},          // ت تي
        {u"\u067F",       u"\u067F\u064A",             u"the",        u"th",         u"t\u032Aʰ"},         // ٿ ٿي
        {u"\u067D",       u"\u067D\u064A",             u"ṭe",         u"ṭ",          u"ʈ"},                // ٽ ٽي
        {u"\u067A",       u"\u067A\u064A",             u"ṭhe",        u"ṭh",         u"ʈʰ"},               // ٺ ٺي
        {u"\u062B",       u"\u062B\u064A",             u"s\u0331e",   u"s\u0331",    u"s"},                // ث ثي
        {u"\u067E",       u"\u067E\u064A",             u"pe",         u"p",          u"p"},                // پ پي
        {u"\u062C",       u"\u062C\u064A\u0645",       u"jīm",        u"j",          u"ɟ"},                // ج جيم
        {u"\u0684",       u"\u0684\u064A",             u"j\u0324e",   u"j\u0324",    u"ʄ"},                // ڄ ڄي
        {u"\u062C\u06BE", u"\u062C\u06BE\u064A",       u"jhe",        u"jh",         u"ɟʱ"},               // جھ جھي
        {u"\u0683",       u"\u0683\u064A",             u"ñe",         u"ñ",          u"ɲ"},                // ڃ ڃي
        {u"\u0686",       u"\u0686\u064A",             u"ce",         u"c",          u"c"},                // چ چي
        {u"\u0687",       u"\u0687\u064A",             u"che",        u"ch",         u"cʰ"},               // ڇ ڇي
        {u"\u062D",       u"\u062D\u064A",             u"ḥe",         u"ḥ",          u"h"},                // ح حي
        {u"\u062E",       u"\u062E\u064A",             u"ḫe",         u"ḫ",          u"x"},                // خ خي
        {u"\u062F",       u"\u062F\u0627\u0644",       u"dāl",        u"d",          u"d\u032A"},          // د دال
        {u"\u068C",       u"\u068C\u0627\u0644",       u"dhāl",       u"dh",         u"d\u032Aʱ"},         // ڌ ڌال
        {u"\u068F",       u"\u068F\u0627\u0644",       u"d\u0324āl",  u"d\u0324",    u"ɗ"},                // ڏ ڏال
        {u"\u068A",       u"\u068A\u0627\u0644",       u"ḍāl",        u"ḍ",          u"ɖ"},                // ڊ ڊال
        {u"\u068D",       u"\u068D\u0627\u0644",       u"ḍhāl",       u"ḍh",         u"ɖʱ"},               // ڍ ڍال
        {u"\u0630",       u"\u0630\u0627\u0644",       u"ẕāl",        u"ẕ",          u"z"},                // ذ ذال
        {u"\u0631",       u"\u0631\u064A",             u"re",         u"r",          u"r"},                // ر ري
        {u"\u0699",       u"\u0699\u064A",             u"ṛe",         u"ṛ",          u"ɽ"},                // ڙ ڙي
        {u"\u0632",       u"\u0632\u064A",             u"ze",         u"z",          u"z"},                // ز زي
        {u"\u0633",       u"\u0633\u064A\u0646",       u"sīn",        u"s",          u"s"},                // س سين
        {u"\u0634",       u"\u0634\u064A\u0646",       u"śīn",        u"ś",          u"ʃ"},                // ش شين
        {u"\u0635",       u"\u0635\u0648\u0627\u062F", u"ṣuvād",      u"ṣ",          u"s"},                // ص صواد
        {u"\u0636",       u"\u0636\u0648\u0627\u062F", u"żuvād",      u"ż",          u"z"},                // ض ضواد
        {u"\u0637",       u"\u0637\u0648\u0626\u064A", u"ṯoʾī",       u"ṯ",          u"t\u032A"},          // ط طوئي
        {u"\u0638",       u"\u0638\u0648\u0626\u064A", u"ẓoʾī",       u"ẓ",          u"z"},                // ظ ظوئي
        {u"\u0639",       u"\u0639\u064A\u0646",       u"ʿain",       u"ʿ",          u"ʔ"},                // ع عين
        {u"\u063A",       u"\u063A\u064A\u0646",       u"ġain",       u"ġ",          u"ɣ"},                // غ غين
        {u"\u0641",       u"\u0641\u064A",             u"fe",         u"f",          u"f"},                // ف في
        {u"\u06A6",       u"\u06A6\u064A",             u"phe",        u"ph",         u"pʰ"},               // ڦ ڦي
        {u"\u0642",       u"\u0642\u0627\u0641",       u"qāf",        u"q",          u"q"},                // ق قاف
        {u"\u06AA",       u"\u06AA\u0627\u0641",       u"kāf",        u"k",          u"k"},                // ڪ ڪاف
        {u"\u06A9",       u"\u06A9\u064A",             u"khe",        u"kh",         u"kʰ"},               // ک کي
        {u"\u06AF",       u"\u06AF\u0627\u0641",       u"gāf",        u"g",          u"ɡ"},                // گ گاف
        {u"\u06B3",       u"\u06B3\u064A",             u"g\u0324e",   u"g\u0324",    u"ɠ"},                // ڳ ڳي
        {u"\u06AF\u06BE", u"\u06AF\u06BE\u064A",       u"ghe",        u"gh",         u"ɡʱ"},               // گھ گھي
        {u"\u06B1",       u"\u06B1\u064A",             u"ṅe",         u"ṅ",          u"ŋ"},                // ڱ ڱي
        {u"\u0644",       u"\u0644\u0627\u0645",       u"lām",        u"l",          u"l"},                // ل لام
        {u"\u0645",       u"\u0645\u064A\u0645",       u"mīm",        u"m",          u"m"},                // م ميم
        {u"\u0646",       u"\u0646\u0648\u0646",       u"nūn",        u"n",          u"n"},                // ن نون
        {u"\u06BB",       u"\u06BB\u0648\u0646",       u"ṇūn",        u"ṇ",          u"ɳ"},                // ڻ ڻون
        {u"\u0648",       u"\u0648\u0627\u0624",       u"vāʾu",       u"v",          u"ʋ"},                // و واؤ
        {u"\u0647",       u"\u0647\u064A",             u"he",         u"h",          u"h"},                // ه هي
        {u"\u0621",       u"\u0647\u0645\u0632\u0648", u"hamzo",      u"ʾ",          u"ʔ"},                // ء همزو
        {u"\u064A",       u"\u064A\u064A",             u"ye",         u"y",          u"j"},                // ي يي
    };
    // clang-format on
    return letters;
}

// Names as Sindhi counts, with the final short vowels Sindhi pronounces (hiku, panja); zero
// is the Sindhi word, not the Arabic sifr.
const std::vector<SindhiDigit>& SindhiDigits() {
    // clang-format off
    static const std::vector<SindhiDigit> digits = {
        {0,  u"\u06F0",       u"\u067B\u0699\u064A", u"b\u0324uṛī"},  // ۰ ٻڙي
        {1,  u"\u06F1",       u"\u0647\u06AA",       u"hiku"},        // ۱ هڪ
        {2,  u"\u06F2",       u"\u067B\u0647",       u"b\u0324a"},    // ۲ ٻه
        {3,  u"\u06F3",       u"\u067D\u064A",       u"ṭe"},          // ۳ ٽي
        {4,  u"\u06F4",       u"\u0686\u0627\u0631", u"cāri"},        // ۴ چار
        {5,  u"\u06F5",       u"\u067E\u0646\u062C", u"panja"},       // ۵ پنج
        {6,  u"\u06F6",       u"\u0687\u0647\u0647", u"cha"},         // ۶ ڇهه
        {7,  u"\u06F7",       u"\u0633\u062A",       u"sata"},        // ۷ ست
        {8,  u"\u06F8",       u"\u0627\u067A",       u"aṭha"},        // ۸ اٺ
        {9,  u"\u06F9",       u"\u0646\u0648",       u"nava"},        // ۹ نو
        {10, u"\u06F1\u06F0", u"\u068F\u0647\u0647", u"d\u0324aha"},  // ۱۰ ڏهه
    };
    // clang-format on
    return digits;
}

}  // namespace sindhikit
