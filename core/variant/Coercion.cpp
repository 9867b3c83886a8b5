#include "variant/Coercion.h"

#include <cmath>
#include <limits>
#include <type_traits>

#include "variant/DoubleText.h"
#include "variant/NumericText.h"

namespace sindhikit {
namespace {

template <class... F>
struct Overloaded : F... {
    using F::operator()...;
};
template <class... F>
Overloaded(F...) -> Overloaded<F...>;

std::int32_t CheckedInt32(long double x) {
    if (x < -2147483648.0L || x > 2147483647.0L) throw VariantError::Overflow();
    return static_cast<std::int32_t>(x);
}

std::u16string Ascii(const std::string& s) {
    return {s.begin(), s.end()};
}

std::u16string CurrencyToText(Currency c, const NumberFormat& format) {
    // Four decimal places at most, trailing zeros dropped.
    bool negative = c.scaled < 0;
    std::uint64_t magnitude =
        negative ? 0 - static_cast<std::uint64_t>(c.scaled) : static_cast<std::uint64_t>(c.scaled);
    std::u16string out = negative ? u"-" : u"";
    out += Ascii(std::to_string(magnitude / 10000));
    std::string frac = std::to_string(magnitude % 10000 + 10000).substr(1);
    while (!frac.empty() && frac.back() == '0') frac.pop_back();
    if (!frac.empty()) {
        out += format.decimalSeparator;
        out += Ascii(frac);
    }
    return out;
}

}  // namespace

std::int32_t RoundToInt32(double x) {
    if (std::isnan(x) || x < -2147483648.5 || x >= 2147483647.5) throw VariantError::Overflow();
    double r = std::nearbyint(x);  // the default rounding mode: half to even
    if (r < -2147483648.0 || r > 2147483647.0) throw VariantError::Overflow();
    return static_cast<std::int32_t>(r);
}

double ToDouble(const Variant& v, const NumberFormat& format) {
    return v.Visit(Overloaded{
        [](std::monostate) { return 0.0; },
        [](Variant::NullValue) -> double { throw VariantError::TypeMismatch(); },
        [](bool b) { return b ? -1.0 : 0.0; },
        [](Currency c) { return static_cast<double>(c.scaled) / 10000.0; },
        [&](const std::u16string& s) { return NumericTextToDouble(s, format); },
        [](auto n) { return static_cast<double>(n); },
    });
}

std::int32_t ToInt32(const Variant& v, const NumberFormat& format) {
    return v.Visit(Overloaded{
        [](std::monostate) { return std::int32_t{0}; },
        [](Variant::NullValue) -> std::int32_t { throw VariantError::TypeMismatch(); },
        [](bool b) { return b ? std::int32_t{-1} : std::int32_t{0}; },
        [](Currency c) {
            // Exact halves of the scaled value go to the even neighbour, like the floating case.
            std::int64_t whole = c.scaled / 10000, rest = c.scaled % 10000;
            if (rest > 5000 || (rest == 5000 && (whole & 1))) ++whole;
            if (rest < -5000 || (rest == -5000 && (whole & 1))) --whole;
            return CheckedInt32(static_cast<long double>(whole));
        },
        [&](const std::u16string& s) { return RoundToInt32(NumericTextToDouble(s, format)); },
        [](float x) { return RoundToInt32(static_cast<double>(x)); },
        [](double x) { return RoundToInt32(x); },
        [](auto n) { return CheckedInt32(static_cast<long double>(n)); },
    });
}

bool TextToBoolean(std::u16string_view text, const NumberFormat& format) {
    auto equalsIgnoringCase = [&](std::u16string_view word) {
        if (text.size() != word.size()) return false;
        for (std::size_t i = 0; i < word.size(); ++i) {
            char16_t c = text[i];
            if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
            if (c != word[i]) return false;
        }
        return true;
    };
    if (equalsIgnoringCase(u"true") || text == u"#TRUE#") return true;
    if (equalsIgnoringCase(u"false") || text == u"#FALSE#") return false;
    return NumericTextToDouble(text, format) != 0.0;
}

bool ToBoolean(const Variant& v, const NumberFormat& format) {
    return v.Visit(Overloaded{
        [](std::monostate) { return false; },
        [](Variant::NullValue) -> bool { throw VariantError::TypeMismatch(); },
        [](bool b) { return b; },
        [](Currency c) { return c.scaled != 0; },
        [&](const std::u16string& s) { return TextToBoolean(s, format); },
        [](auto n) { return n != 0; },
    });
}

std::u16string ToText(const Variant& v, const NumberFormat& format) {
    return v.Visit(Overloaded{
        [](std::monostate) { return std::u16string(); },
        [](Variant::NullValue) -> std::u16string { throw VariantError::TypeMismatch(); },
        [](bool b) { return std::u16string(b ? u"True" : u"False"); },
        [&](Currency c) { return CurrencyToText(c, format); },
        [](const std::u16string& s) { return s; },
        [&](float x) { return SingleToText(x, format); },
        [&](double x) { return DoubleToText(x, format); },
        [](auto n) { return Ascii(std::to_string(+n)); },
    });
}

Variant AbsoluteValue(const Variant& v, const NumberFormat& format) {
    return v.Visit(Overloaded{
        [&](std::monostate) { return v; }, [&](Variant::NullValue) { return v; },
        [](bool b) { return Variant(static_cast<std::int16_t>(b ? 1 : 0)); },
        [](std::int8_t n) { return Variant(static_cast<std::int16_t>(n < 0 ? -n : n)); },
        [](std::int16_t n) {
            return n == std::numeric_limits<std::int16_t>::min() ? Variant(std::int32_t{32768})
                                                                 : Variant(static_cast<std::int16_t>(n < 0 ? -n : n));
        },
        [](std::int32_t n) {
            return n == std::numeric_limits<std::int32_t>::min() ? Variant(2147483648.0)
                                                                 : Variant(static_cast<std::int32_t>(n < 0 ? -n : n));
        },
        [](std::int64_t n) {
            return n == std::numeric_limits<std::int64_t>::min() ? Variant(9223372036854775808.0)
                                                                 : Variant(static_cast<std::int64_t>(n < 0 ? -n : n));
        },
        [](float x) { return Variant(std::fabs(x)); }, [](double x) { return Variant(std::fabs(x)); },
        [](Currency c) {
            if (c.scaled == std::numeric_limits<std::int64_t>::min()) throw VariantError::Overflow();
            return Variant::FromCurrency(c.scaled < 0 ? -c.scaled : c.scaled);
        },
        [&](const std::u16string& s) { return Variant(std::fabs(NumericTextToDouble(s, format))); },
        [&](auto) { return v; },  // unsigned integers
    });
}

bool IsBelowZero(const Variant& v, const NumberFormat& format) {
    return v.Visit(Overloaded{
        [](std::monostate) { return false; },
        [](Variant::NullValue) { return false; },
        [](bool b) { return b; },
        [](Currency c) { return c.scaled < 0; },
        [&](const std::u16string& s) { return NumericTextToDouble(s, format) < 0; },
        [](auto n) {
            if constexpr (std::is_signed_v<decltype(n)>)
                return n < 0;
            else
                return false;
        },
    });
}

}  // namespace sindhikit
