#include "variant/NumericText.h"

#include <charconv>
#include <cmath>
#include <string>

#include "variant/Variant.h"

namespace sindhikit {
namespace {

// The characters the platform's wide-character classification calls white space.
bool IsWhite(char16_t c) {
    return (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0x85 || c == 0xA0 || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F || c == 0x3000;
}

bool IsDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

int HexValue(char16_t c) {
    if (IsDigit(c)) return c - u'0';
    if (c >= u'a' && c <= u'f') return c - u'a' + 10;
    if (c >= u'A' && c <= u'F') return c - u'A' + 10;
    return -1;
}

class Scanner {
 public:
    Scanner(std::u16string_view text, const NumberFormat& format) : s_(text), f_(format) {}

    NumericTextResult Run() {
        LeadingSymbols();
        bool ok = (!currency_ && StartsRadix()) ? RadixDigits() : DecimalDigits();
        if (!ok) return {NumericTextResult::Status::NotNumeric, 0};
        TrailingSymbols();
        // An opening parenthesis needs a closing one, or some other sign of a negative number.
        if (parens_ && !negative_) return {NumericTextResult::Status::NotNumeric, 0};
        if (i_ != s_.size()) return {NumericTextResult::Status::NotNumeric, 0};
        return radix_ ? RadixValue() : DecimalValue();
    }

 private:
    bool At(char16_t c) const { return i_ < s_.size() && s_[i_] == c; }
    char16_t Peek(std::size_t ahead = 0) const { return i_ + ahead < s_.size() ? s_[i_ + ahead] : 0; }

    // Where the locale separates thousands with a no-break space, a plain space does too.
    bool IsThousands(char16_t c) const {
        return c == thousands_ || (c == u' ' && (thousands_ == 0x00A0 || thousands_ == 0x202F));
    }

    void SkipWhite() {
        while (i_ < s_.size() && IsWhite(s_[i_])) ++i_;
    }

    bool AtCurrency() const {
        const auto& sym = f_.currencySymbol;
        return !sym.empty() && s_.substr(i_, sym.size()) == sym;
    }

    void LeadingSymbols() {
        for (;;) {
            if (i_ < s_.size() && IsWhite(s_[i_])) {
                SkipWhite();
            } else if (!leadingPlus_ && At(f_.positiveSign)) {
                leadingPlus_ = true;
                ++i_;
            } else if (!leadingMinus_ && At(f_.negativeSign)) {
                leadingMinus_ = negative_ = true;
                ++i_;
            } else if (!currency_ && AtCurrency()) {
                currency_ = true;
                i_ += f_.currencySymbol.size();
            } else if (!parens_ && At(u'(')) {
                parens_ = true;
                ++i_;
            } else {
                break;
            }
        }
        // After a currency symbol the amount uses the currency separators.
        decimal_ = currency_ ? f_.currencyDecimalSeparator : f_.decimalSeparator;
        thousands_ = currency_ ? f_.currencyThousandsSeparator : f_.thousandsSeparator;
    }

    bool StartsRadix() {
        if (!At(u'&')) return false;
        char16_t k = Peek(1);
        if (k == u'H' || k == u'h')
            radix_ = 16;
        else if (k == u'O' || k == u'o')
            radix_ = 8;
        else
            return false;
        i_ += 2;
        return true;
    }

    bool RadixDigits() {
        std::size_t start = i_;
        for (; i_ < s_.size(); ++i_) {
            int d = HexValue(s_[i_]);
            if (d < 0 || d >= radix_) break;
            if (radixValue_ > (UINT64_MAX >> (radix_ == 16 ? 4 : 3))) radixOverflow_ = true;
            radixValue_ = radixValue_ * static_cast<unsigned>(radix_) + static_cast<unsigned>(d);
        }
        return i_ > start;
    }

    // Mantissa digits (leading zeros dropped), one decimal separator, thousands separators
    // anywhere in the mantissa but at its start, then an optional exponent (not after a
    // currency symbol) with its own signs.
    bool DecimalDigits() {
        bool sawDigit = false, sawDecimal = false;
        const std::size_t start = i_;
        for (; i_ < s_.size(); ++i_) {
            char16_t c = s_[i_];
            if (IsDigit(c)) {
                sawDigit = true;
                if (sawDecimal) --pwr10_;
                if (!digits_.empty() || c != u'0') digits_.push_back(static_cast<char>(c));
            } else if (IsThousands(c) && i_ > start && !(sawDecimal && c == decimal_)) {
                // accepted and ignored
            } else if (c == decimal_ && !sawDecimal) {
                sawDecimal = true;
            } else {
                break;
            }
        }
        if (!sawDigit) return false;
        if (!currency_ && (At(u'e') || At(u'E'))) {
            std::size_t mark = i_++;
            bool expNegative = false;
            for (; At(f_.positiveSign) || At(f_.negativeSign); ++i_)
                if (At(f_.negativeSign)) expNegative = true;
            if (!(i_ < s_.size() && IsDigit(s_[i_]))) {
                i_ = mark;
                return true;
            }
            long long e = 0;
            for (; i_ < s_.size() && IsDigit(s_[i_]); ++i_)
                if (e < 100000) e = e * 10 + (s_[i_] - u'0');
            exponent_ = expNegative ? -e : e;
        }
        return true;
    }

    // Unlike the leading ones, trailing symbols may repeat.
    void TrailingSymbols() {
        for (;;) {
            if (i_ < s_.size() && IsWhite(s_[i_])) {
                SkipWhite();
            } else if (!leadingPlus_ && At(f_.positiveSign)) {
                ++i_;
            } else if (!leadingMinus_ && At(f_.negativeSign)) {
                negative_ = true;
                ++i_;
            } else if (parens_ && At(u')')) {
                negative_ = true;
                ++i_;
            } else if (AtCurrency()) {
                i_ += f_.currencySymbol.size();
            } else {
                break;
            }
        }
    }

    // &H and &O numbers are 32-bit patterns: signs and parentheses around them do not count,
    // and &H80000000 reads as the most negative 32-bit integer.
    NumericTextResult RadixValue() const {
        if (radixOverflow_ || radixValue_ > 0x80000000u) return {NumericTextResult::Status::Overflow, 0};
        return {NumericTextResult::Status::Ok,
                radixValue_ == 0x80000000u ? -2147483648.0 : static_cast<double>(radixValue_)};
    }

    NumericTextResult DecimalValue() const {
        double v = 0;
        if (!digits_.empty()) {
            long long e = exponent_ + pwr10_;
            long long magnitude = e + static_cast<long long>(digits_.size());
            if (magnitude > 400) return {NumericTextResult::Status::Overflow, 0};
            if (magnitude >= -400) {
                std::string text = digits_ + "e" + std::to_string(e);
                auto r = std::from_chars(text.data(), text.data() + text.size(), v);
                if (r.ec == std::errc::result_out_of_range) v = (e > 0) ? HUGE_VAL : 0.0;
            }
            if (std::isinf(v)) return {NumericTextResult::Status::Overflow, 0};
        }
        return {NumericTextResult::Status::Ok, negative_ ? -v : v};
    }

    std::u16string_view s_;
    const NumberFormat& f_;
    std::size_t i_ = 0;
    bool leadingPlus_ = false, leadingMinus_ = false;
    bool currency_ = false, parens_ = false, negative_ = false;
    char16_t decimal_ = u'.', thousands_ = u',';
    int radix_ = 0;
    bool radixOverflow_ = false;
    std::uint64_t radixValue_ = 0;
    std::string digits_;
    long long pwr10_ = 0, exponent_ = 0;
};

}  // namespace

NumericTextResult ParseNumericText(std::u16string_view text, const NumberFormat& format) {
    return Scanner(text, format).Run();
}

double NumericTextToDouble(std::u16string_view text, const NumberFormat& format) {
    auto r = ParseNumericText(text, format);
    switch (r.status) {
        case NumericTextResult::Status::Ok:
            return r.value;
        case NumericTextResult::Status::Overflow:
            throw VariantError::Overflow();
        case NumericTextResult::Status::NotNumeric:
            break;
    }
    throw VariantError::TypeMismatch();
}

}  // namespace sindhikit
