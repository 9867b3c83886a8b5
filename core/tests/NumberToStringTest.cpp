// NumberToString: the worked examples and edge cases, one table row each, then the errors.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "format/NumberToString.h"

using namespace sindhikit;

namespace {

Variant I4(std::int32_t n) {
    return Variant(n);
}
Variant R8(double x) {
    return Variant(x);
}
Variant Text(const char16_t* s) {
    return Variant(s);
}
const Variant kFloat(u"Float");

struct Case {
    const char* name;
    Variant number, digits, decimals;
    std::u16string expected;
};

std::string Narrow(const std::u16string& s) {
    return {s.begin(), s.end()};
}

TEST(NumberToString, WorkedExamplesAndEdgeCases) {
    const std::vector<Case> cases = {
        {"7 padded to three digits", I4(7), I4(3), I4(0), u"007"},
        {"surplus leading digit cut", I4(1234), I4(3), I4(0), u"234"},
        {"two decimals, all integer digits", R8(3.14159), kFloat, I4(2), u"3.14"},
        {"sign before padded digits and decimals", I4(-5), I4(2), I4(1), u"-05.0"},
        {"tiny value rounds to zero decimals", R8(0.004), I4(1), I4(2), u"0.00"},
        {"Null number is zero", Variant::Null(), I4(2), I4(0), u"00"},
        {"sign kept when rounding to zero", R8(-0.4), I4(1), I4(0), u"-0"},
        {"own text form with Float and Float", R8(12.5), kFloat, kFloat, u"12.5"},
        {"no integer digits: leftover dropped", I4(5), I4(0), I4(2), u".00"},
        {"three-digit code 999", I4(999), I4(3), I4(0), u"999"},
        {"1000 loses its leading digit", I4(1000), I4(3), I4(0), u"000"},
        {"1575 loses its leading digit", I4(1575), I4(3), I4(0), u"575"},
        {"sign not counted in FDigits", I4(-7), I4(3), I4(0), u"-007"},
        {"half to even, down", R8(2.5), I4(1), I4(0), u"2"},
        {"half to even, up", R8(3.5), I4(1), I4(0), u"4"},
        {"half to even, zero", R8(0.5), I4(1), I4(0), u"0"},
        {"empty text is zero", Text(u""), I4(3), I4(0), u"000"},
        {"Empty is zero", Variant(), I4(3), I4(0), u"000"},
        {"Null is zero", Variant::Null(), I4(3), I4(0), u"000"},
        {"FDigits 0 with decimals", R8(0.5), I4(0), I4(2), u".50"},
        {"Float decimals counts characters of the text form", R8(12.5), I4(5), kFloat, u"012.5"},
        {"Float decimals cut from the left", R8(12.5), I4(3), kFloat, u"2.5"},
        {"fractional counts run their whole part", R8(1.25), R8(2.9), R8(1.5), u"01.2"},
        {"negative counts run no step", I4(42), I4(-3), I4(-1), u"."},
        {"numeric text counts", I4(42), Text(u"4"), Text(u" 1 "), u"0042.0"},
        {"FDecimals text zero means no decimal part", I4(42), I4(2), Text(u"0"), u"42"},
        {"FDecimals Null means no decimal part", R8(41.5), I4(2), Variant::Null(), u"42"},
        {"FDecimals Empty equals 0", R8(42.5), I4(2), Variant(), u"42"},
        {"numeric text number", Text(u"12.5"), I4(3), I4(1), u"012.5"},
        {"negative numeric text", Text(u"-3.25"), I4(2), I4(2), u"-03.25"},
        {"non-negative text kept as given with Float", Text(u" 12.50"), kFloat, kFloat, u" 12.50"},
        {"negative text becomes a number with Float", Text(u"-12.50"), kFloat, kFloat, u"-12.5"},
        {"Boolean True is -1", Variant(true), I4(2), I4(0), u"-01"},
        {"large double in exponent form", R8(1e15), kFloat, kFloat, u"1E+15"},
        {"multiplied value reaches the 32-bit limit", R8(214748364.7), kFloat, I4(1), u"214748364.7"},
        {"negative zero carries no sign", R8(-0.0), I4(1), I4(0), u"0"},
        {"16-bit integer", Variant(std::int16_t{-32768}), kFloat, I4(0), u"-32768"},
        {"currency", Variant::FromCurrency(12345), I4(1), I4(2), u"1.23"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Narrow(NumberToString(c.number, c.digits, c.decimals)), Narrow(c.expected)) << c.name;
    }
}

TEST(NumberToString, UsesTheLocaleSeparatorOnlyForTheOwnTextForm) {
    NumberFormat comma;
    comma.decimalSeparator = u',';
    comma.thousandsSeparator = u'.';
    EXPECT_EQ(Narrow(NumberToString(R8(12.5), kFloat, kFloat, comma)), "12,5");
    EXPECT_EQ(Narrow(NumberToString(R8(12.5), kFloat, I4(2), comma)), "12.50");
    EXPECT_EQ(Narrow(NumberToString(Text(u"12,5"), I4(2), I4(1), comma)), "12.5");
}

void ExpectError(const Variant& n, const Variant& d, const Variant& dec, std::uint32_t hresult, int vb,
                 const char* what) {
    try {
        NumberToString(n, d, dec);
        ADD_FAILURE() << what << ": no error";
    } catch (const VariantError& e) {
        EXPECT_EQ(e.hresult(), hresult) << what;
        EXPECT_EQ(e.vbError(), vb) << what;
    }
}

TEST(NumberToString, Errors) {
    const auto mismatch = VariantError::kTypeMismatch, overflow = VariantError::kOverflow;
    ExpectError(I4(5), I4(2), Text(u"float"), mismatch, 13, "lower-case keyword");
    ExpectError(I4(5), Text(u"FLOAT"), I4(0), mismatch, 13, "upper-case keyword in FDigits");
    ExpectError(Text(u"abc"), I4(2), I4(0), mismatch, 13, "non-numeric FNumber");
    ExpectError(Text(u"abc"), kFloat, kFloat, mismatch, 13, "non-numeric FNumber with Float");
    ExpectError(I4(5), Variant::Null(), I4(0), mismatch, 13, "Null FDigits");
    ExpectError(R8(2147483647.5), I4(3), I4(0), overflow, 6, "half above the limit");
    ExpectError(R8(214748364.8), I4(3), I4(1), overflow, 6, "overflow after multiplying");
    ExpectError(R8(1e300), I4(3), I4(400), overflow, 6, "infinite after multiplying");
    ExpectError(I4(0), I4(3), R8(1e12), VariantError::kOutOfMemory, 7, "absurd decimal count");
    ExpectError(I4(0), R8(1e12), I4(0), VariantError::kOutOfMemory, 7, "absurd digit count");
    // The overflow of the digit step comes before a bad FDigits is looked at.
    ExpectError(R8(3e9), Text(u"x"), I4(0), overflow, 6, "order of the steps");
}

TEST(NumberToString, CipherCodesAreThreeDigits) {
    for (std::int32_t c = 0; c < 1000; ++c) {
        std::u16string s = NumberToString(Variant(c), Variant(std::int32_t(3)), Variant(std::int32_t(0)));
        ASSERT_EQ(s.size(), 3u) << c;
        EXPECT_EQ(std::stoi(Narrow(s)), c);
    }
}

}  // namespace

namespace {

// Whatever the number, fixed counts give a fixed shape: an optional "-", exactly FDigits
// digits, then "." and exactly FDecimals digits; the only failure is an automation error.
TEST(NumberToString, FixedCountsGiveAFixedShape) {
    std::mt19937_64 random(5);
    std::uniform_real_distribution<double> mantissa(-1, 1);
    int formatted = 0;
    for (int i = 0; i < 20000; ++i) {
        const double x = mantissa(random) * std::pow(10.0, static_cast<int>(random() % 24) - 8);
        const int digits = static_cast<int>(random() % 12), decimals = static_cast<int>(random() % 7);
        std::u16string s;
        try {
            s = NumberToString(R8(x), I4(digits), I4(decimals));
        } catch (const VariantError& e) {
            ASSERT_EQ(e.vbError(), 6) << x;  // only overflow can happen here
            ASSERT_GT(std::fabs(x) * std::pow(10.0, decimals), 2147483647.0) << x;
            continue;
        }
        ++formatted;
        const std::size_t sign = (!s.empty() && s[0] == u'-') ? 1 : 0;
        ASSERT_EQ(sign == 1, x < 0) << x;
        const std::size_t width = static_cast<std::size_t>(digits) + (decimals ? 1 + decimals : 0);
        ASSERT_EQ(s.size(), sign + width) << x << " " << digits << " " << decimals;
        for (std::size_t k = sign; k < s.size(); ++k) {
            const bool dot = decimals && k == sign + static_cast<std::size_t>(digits);
            ASSERT_TRUE(dot ? s[k] == u'.' : (s[k] >= u'0' && s[k] <= u'9')) << Narrow(s);
        }
    }
    EXPECT_GT(formatted, 10000);
}

}  // namespace
