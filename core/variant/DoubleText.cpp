#include "variant/DoubleText.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace sindhikit {
namespace {

std::u16string Widen(const std::string& s) {
    return {s.begin(), s.end()};
}

// The first `precision` significant digits of x > 0 and its decimal exponent, exact halves
// rounded away from zero as the platform does (652790666635660.5 gives ...661). 41 digits
// hold every double that is such a half exactly (they lie between 1e14 and 1e37).
void RoundedDigits(double x, int precision, std::string& digits, int& exponent) {
    char buf[80];
    std::snprintf(buf, sizeof buf, "%.40e", x);
    std::string all;
    const char* p = buf;
    for (; *p && *p != 'e'; ++p)
        if (*p != '.') all.push_back(*p);
    exponent = std::atoi(p + 1);
    const std::size_t keep = static_cast<std::size_t>(precision);
    digits = all.substr(0, keep);
    if (all[keep] >= '5') {
        // Round up: a tail "5000..." is an exact half here, anything above it more than half.
        int i = static_cast<int>(keep) - 1;
        for (; i >= 0 && digits[static_cast<std::size_t>(i)] == '9'; --i) digits[static_cast<std::size_t>(i)] = '0';
        if (i >= 0) {
            ++digits[static_cast<std::size_t>(i)];
        } else {
            digits.insert(digits.begin(), '1');
            digits.pop_back();
            ++exponent;
        }
    }
}

// precision: significant digits (15 for double, 7 for single). Fixed notation holds while
// the exponent is below the precision and, for magnitudes below 1, while every significant
// digit fits within that many decimal places.
std::u16string RealToText(double value, int precision, const NumberFormat& format) {
    if (std::isnan(value)) return u"-1.#IND";
    if (std::isinf(value)) return value < 0 ? u"-1.#INF" : u"1.#INF";
    if (value == 0) return u"0";  // also for -0.0

    std::string digits;
    int exponent = 0;
    RoundedDigits(std::fabs(value), precision, digits, exponent);
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    const int count = static_cast<int>(digits.size());

    std::string out = value < 0 ? "-" : "";
    const char dot = '\x01';  // placeholder for the locale's separator
    const bool fixed = exponent >= 0 ? exponent < precision : (-exponent + count - 1) <= precision;
    if (fixed && exponent >= 0) {
        if (count <= exponent + 1) {
            out += digits + std::string(static_cast<std::size_t>(exponent + 1 - count), '0');
        } else {
            out += digits.substr(0, static_cast<std::size_t>(exponent + 1));
            out += dot;
            out += digits.substr(static_cast<std::size_t>(exponent + 1));
        }
    } else if (fixed) {
        out += "0";
        out += dot;
        out += std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    } else {
        out += digits.substr(0, 1);
        if (count > 1) {
            out += dot;
            out += digits.substr(1);
        }
        char e[16];
        std::snprintf(e, sizeof e, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
        out += e;
    }
    std::u16string wide = Widen(out);
    for (auto& c : wide)
        if (c == u'\x01') c = format.decimalSeparator;
    return wide;
}

}  // namespace

std::u16string DoubleToText(double value, const NumberFormat& format) {
    return RealToText(value, 15, format);
}

std::u16string SingleToText(float value, const NumberFormat& format) {
    return RealToText(static_cast<double>(value), 7, format);
}

}  // namespace sindhikit
