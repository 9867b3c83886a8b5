// A value as OLE Automation callers pass it: Empty, Null, Boolean, the integer widths,
// single and double floating numbers, currency and text. Portable: no OS headers.
// Conversions between the types live in variant/Coercion.h.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <variant>

namespace sindhikit {

// The automation errors our conversions raise: the HRESULT the platform would return,
// the VB error number a macro sees in Err.Number, and the platform's description.
class VariantError : public std::runtime_error {
 public:
    static constexpr std::uint32_t kTypeMismatch = 0x80020005u;  // DISP_E_TYPEMISMATCH
    static constexpr std::uint32_t kOverflow = 0x8002000Au;      // DISP_E_OVERFLOW
    static constexpr std::uint32_t kOutOfMemory = 0x8007000Eu;   // E_OUTOFMEMORY

    VariantError(std::uint32_t hresult, int vbError, const char* description)
        : std::runtime_error(description), hresult_(hresult), vbError_(vbError) {}

    static VariantError TypeMismatch() { return {kTypeMismatch, 13, "Type mismatch"}; }
    static VariantError Overflow() { return {kOverflow, 6, "Overflow"}; }
    static VariantError OutOfMemory() { return {kOutOfMemory, 7, "Out of memory"}; }

    std::uint32_t hresult() const { return hresult_; }
    int vbError() const { return vbError_; }
    const char* description() const { return what(); }

 private:
    std::uint32_t hresult_;
    int vbError_;
};

// The order follows std::variant's alternatives below.
enum class VariantType { Empty, Null, Boolean, I1, UI1, I2, UI2, I4, UI4, I8, UI8, R4, R8, Currency, String };

// Currency: a 64-bit integer scaled by 10,000, as VT_CY stores it.
struct Currency {
    std::int64_t scaled = 0;
    friend bool operator==(Currency, Currency) = default;
};

class Variant {
 public:
    Variant() = default;  // Empty
    static Variant Null() {
        Variant v;
        v.value_ = NullValue{};
        return v;
    }
    static Variant FromCurrency(std::int64_t scaled) {
        Variant v;
        v.value_ = Currency{scaled};
        return v;
    }

    explicit Variant(bool b) : value_(b) {}
    explicit Variant(std::int8_t n) : value_(n) {}
    explicit Variant(std::uint8_t n) : value_(n) {}
    explicit Variant(std::int16_t n) : value_(n) {}
    explicit Variant(std::uint16_t n) : value_(n) {}
    explicit Variant(std::int32_t n) : value_(n) {}
    explicit Variant(std::uint32_t n) : value_(n) {}
    explicit Variant(std::int64_t n) : value_(n) {}
    explicit Variant(std::uint64_t n) : value_(n) {}
    explicit Variant(float x) : value_(x) {}
    explicit Variant(double x) : value_(x) {}
    explicit Variant(std::u16string s) : value_(std::move(s)) {}
    explicit Variant(const char16_t* s) : value_(std::u16string(s)) {}

    VariantType type() const { return static_cast<VariantType>(value_.index()); }
    bool IsEmpty() const { return type() == VariantType::Empty; }
    bool IsNull() const { return type() == VariantType::Null; }
    bool IsString() const { return type() == VariantType::String; }
    // Numbers in the automation sense: Boolean counts (True is -1), text does not.
    bool IsNumeric() const {
        auto t = type();
        return t != VariantType::Empty && t != VariantType::Null && t != VariantType::String;
    }

    // The stored value; T must be the type's own alternative (std::bad_variant_access otherwise).
    template <class T>
    const T& Get() const {
        return std::get<T>(value_);
    }
    const std::u16string& Text() const { return std::get<std::u16string>(value_); }

    // Same type and same stored value (no coercion).
    friend bool operator==(const Variant&, const Variant&) = default;

    // Visits the stored value: std::monostate for Empty, NullValue for Null.
    struct NullValue {
        friend bool operator==(NullValue, NullValue) = default;
    };
    template <class F>
    decltype(auto) Visit(F&& f) const {
        return std::visit(std::forward<F>(f), value_);
    }

 private:
    std::variant<std::monostate, NullValue, bool, std::int8_t, std::uint8_t, std::int16_t, std::uint16_t, std::int32_t,
                 std::uint32_t, std::int64_t, std::uint64_t, float, double, Currency, std::u16string>
        value_;
};

}  // namespace sindhikit
