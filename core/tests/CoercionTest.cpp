// The automation coercions: default text of a double, half-to-even rounding with overflow,
// numeric text, Boolean words. Each table holds the platform's documented answers.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "variant/Coercion.h"
#include "variant/DoubleText.h"
#include "variant/NumericText.h"

using namespace sindhikit;

namespace {

std::string Narrow(const std::u16string& s) {
    return {s.begin(), s.end()};
}
std::u16string Wide(const std::string& s) {
    return {s.begin(), s.end()};
}

TEST(DoubleToText, DefaultTextForm) {
    const struct {
        double x;
        const char* text;
    } cases[] = {
        {1e15, "1E+15"},
        {999999999999999.0, "999999999999999"},
        {123456789012345678.0, "1.23456789012346E+17"},
        {3.14159265358979323846, "3.14159265358979"},
        {0.0001, "0.0001"},
        {5.6789e-11, "0.000000000056789"},
        {5.6789e-12, "5.6789E-12"},
        {1.0 / 3, "0.333333333333333"},
        {1.0 / 30, "3.33333333333333E-02"},  // 16 decimal places would be needed
        {1e-15, "0.000000000000001"},
        {-0.0, "0"},
        {0.0, "0"},
        {-12.5, "-12.5"},
        {100, "100"},
        {1e100, "1E+100"},
        {-2.5e-300, "-2.5E-300"},
        {999999999999999.9, "1E+15"},            // rounding to 15 digits carries into the exponent
        {652790666635660.5, "652790666635661"},  // an exact half goes away from zero
        {71363397283256.25, "71363397283256.3"},
        {-200397663636132.5, "-200397663636133"},
        {std::numeric_limits<double>::infinity(), "1.#INF"},
    };
    for (const auto& c : cases) EXPECT_EQ(Narrow(DoubleToText(c.x, {})), c.text) << c.x;

    NumberFormat comma;
    comma.decimalSeparator = u',';
    EXPECT_EQ(Narrow(DoubleToText(-1.5e-20, comma)), "-1,5E-20");
    EXPECT_EQ(Narrow(DoubleToText(0.25, comma)), "0,25");
    EXPECT_EQ(Narrow(SingleToText(0.1f, {})), "0.1");
    EXPECT_EQ(Narrow(SingleToText(16777216.0f, {})), "1.677722E+07");
}

TEST(RoundToInt32, HalvesToEvenAndOverflow) {
    const struct {
        double x;
        std::int32_t n;
    } cases[] = {
        {0.5, 0},
        {1.5, 2},
        {2.5, 2},
        {3.5, 4},
        {-0.5, 0},
        {-1.5, -2},
        {-2.5, -2},
        {2.4999999, 2},
        {2.5000001, 3},
        {2147483647.0, 2147483647},
        {2147483647.4, 2147483647},
        {-2147483648.0, -2147483647 - 1},
        {-2147483648.5, -2147483647 - 1},
    };
    for (const auto& c : cases) EXPECT_EQ(RoundToInt32(c.x), c.n) << c.x;
    for (double x :
         {2147483647.5, 2147483648.0, -2147483648.6, -2147483649.5, 1e300, std::numeric_limits<double>::quiet_NaN()}) {
        EXPECT_THROW(RoundToInt32(x), VariantError) << x;
    }
}

TEST(NumericText, WhatReadsAsANumber) {
    const struct {
        const char* text;
        double value;
    } numbers[] = {
        {"0", 0},
        {"42", 42},
        {"  42  ", 42},
        {"\t-42\n", -42},
        {"+42", 42},
        {"42-", -42},
        {"(42)", -42},
        {"$42", 42},
        {"1,000", 1000},
        {"1,2", 12},
        {"3.25", 3.25},
        {".5", 0.5},
        {"5.", 5},
        {"1e3", 1000},
        {"1E+3", 1000},
        {"25e-1", 2.5},
        {"000123", 123},
        {"0.000", 0},
        {"&H1F", 31},
        {"&hff", 255},
        {"&O17", 15},
        {"1.7976931348623157e308", 1.7976931348623157e308},
        {"1e-400", 0},
        {"0.1", 0.1},
        {"1$", 1},
        {"1 $ -", -1},
        {"(1-", -1},
        {"(-1", -1},
        {"(1))", -1},
        {"0,1", 1},
        {".,5", 0.5},
        {"1.000,5", 1.0005},
        {"1e--2", 0.01},
        {"1e2-", -100},
        {"-&H1", 1},
        {"&H80000000", -2147483648.0},
        {"&H7FFFFFFF", 2147483647},
    };
    for (const auto& c : numbers) {
        auto r = ParseNumericText(Wide(c.text), {});
        EXPECT_EQ(r.status, NumericTextResult::Status::Ok) << c.text;
        EXPECT_EQ(r.value, c.value) << c.text;
    }
    for (const char* text :
         {"",   " ",   "abc",   "1a", "1.2.3", "--1", "(42",  "42)",  ".",   "+",   "$",   "1 2", "&H", "&HG", "0x1F",
          "1e", "1e+", "Float", ",1", "-,1",   "$$1", "$1e2", "$&H1", "1d3", "-1-", "+1+", "(1",  "1)", "&O8"}) {
        EXPECT_EQ(ParseNumericText(Wide(text), {}).status, NumericTextResult::Status::NotNumeric) << text;
    }
    EXPECT_EQ(ParseNumericText(u"1e309", {}).status, NumericTextResult::Status::Overflow);
    EXPECT_EQ(ParseNumericText(u"&H80000001", {}).status, NumericTextResult::Status::Overflow);
    EXPECT_THROW(NumericTextToDouble(u"1e309", {}), VariantError);
}

TEST(NumericText, FollowsTheLocaleCharacters) {
    NumberFormat de;
    de.decimalSeparator = de.currencyDecimalSeparator = u',';
    de.thousandsSeparator = de.currencyThousandsSeparator = u'.';
    de.currencySymbol = std::u16string(1, char16_t{0x20AC});
    EXPECT_EQ(NumericTextToDouble(u"1.234,5", de), 1234.5);
    EXPECT_EQ(NumericTextToDouble(u"\u20AC3,5", de), 3.5);
    EXPECT_THROW(NumericTextToDouble(u"$3", de), VariantError);

    NumberFormat fr;
    fr.decimalSeparator = u',';
    fr.thousandsSeparator = 0x202F;
    EXPECT_EQ(NumericTextToDouble(u"1\u202F234,5", fr), 1234.5);
    EXPECT_EQ(NumericTextToDouble(u"1 234,5", fr), 1234.5);
    EXPECT_THROW(NumericTextToDouble(u"1 234,5", de), VariantError);
}

TEST(TextToBoolean, WordsAndNumbers) {
    for (const char* t : {"true", "TRUE", "True", "tRuE", "#TRUE#", "1", "-1", "0.5", " 2 "})
        EXPECT_TRUE(TextToBoolean(Wide(t))) << t;
    for (const char* t : {"false", "FALSE", "False", "#FALSE#", "0", "0.0", "-0"})
        EXPECT_FALSE(TextToBoolean(Wide(t))) << t;
    for (const char* t : {"Yes", "No", "On", "Off", "#true#", "#False#", " true", "", "t"})
        EXPECT_THROW(TextToBoolean(Wide(t)), VariantError) << t;
}

TEST(Coercion, ByType) {
    EXPECT_EQ(ToInt32(Variant()), 0);
    EXPECT_EQ(ToInt32(Variant(true)), -1);
    EXPECT_EQ(ToInt32(Variant(u" 2.5 ")), 2);
    EXPECT_EQ(ToInt32(Variant::FromCurrency(25000)), 2);
    EXPECT_EQ(ToInt32(Variant::FromCurrency(35000)), 4);
    EXPECT_EQ(ToInt32(Variant::FromCurrency(-25001)), -3);
    EXPECT_EQ(ToInt32(Variant(std::uint32_t{2147483647})), 2147483647);
    EXPECT_THROW(ToInt32(Variant(std::uint32_t{2147483648u})), VariantError);
    EXPECT_THROW(ToInt32(Variant(std::int64_t{-2147483649LL})), VariantError);
    EXPECT_THROW(ToInt32(Variant::Null()), VariantError);
    EXPECT_THROW(ToDouble(Variant(u"x")), VariantError);
    EXPECT_EQ(ToDouble(Variant(std::int8_t{-5})), -5.0);
    EXPECT_EQ(Narrow(ToText(Variant(false))), "False");
    EXPECT_EQ(Narrow(ToText(Variant::FromCurrency(-12340))), "-1.234");
    EXPECT_EQ(Narrow(ToText(Variant(std::uint8_t{200}))), "200");
    EXPECT_EQ(AbsoluteValue(Variant(std::int16_t{-32768})), Variant(std::int32_t{32768}));
    EXPECT_EQ(AbsoluteValue(Variant(u"-2.5")), Variant(2.5));
    EXPECT_EQ(AbsoluteValue(Variant(true)), Variant(std::int16_t{1}));

    const VariantError e = VariantError::TypeMismatch();
    EXPECT_EQ(e.hresult(), 0x80020005u);
    EXPECT_EQ(e.vbError(), 13);
    EXPECT_STREQ(e.description(), "Type mismatch");
    EXPECT_EQ(VariantError::Overflow().hresult(), 0x8002000Au);
    EXPECT_STREQ(VariantError::Overflow().what(), "Overflow");
}

}  // namespace
