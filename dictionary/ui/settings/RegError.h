// RegError: what the registry routines raise, a number and a description. The
// descriptions name the path (or the computer) the routine was given.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace sindhikit::settings {

class RegError : public std::runtime_error {
 public:
    static constexpr std::int32_t kInvalidArgument = 5;
    static constexpr std::int32_t kInvalidRoot = static_cast<std::int32_t>(0x80040001u);
    static constexpr std::int32_t kCannotOpenKey = static_cast<std::int32_t>(0x80040002u);
    static constexpr std::int32_t kCannotConnect = static_cast<std::int32_t>(0x80040003u);
    static constexpr std::int32_t kCannotOpenRemoteKey = static_cast<std::int32_t>(0x80040004u);
    static constexpr std::int32_t kCannotCreateKey = static_cast<std::int32_t>(0x80040005u);
    static constexpr std::int32_t kCannotReadValue = static_cast<std::int32_t>(0x80040006u);
    static constexpr std::int32_t kUnsupportedType = static_cast<std::int32_t>(0x80040007u);
    static constexpr std::int32_t kCannotWriteValue = static_cast<std::int32_t>(0x80040008u);

    // Number 5 with the platform's invalid-argument description.
    static RegError InvalidArgument();
    static RegError InvalidRoot(std::u16string_view path);
    static RegError CannotOpenKey(std::u16string_view path);
    static RegError CannotConnect(std::u16string_view computerName);
    static RegError CannotOpenRemoteKey(std::u16string_view path);
    static RegError CannotCreateKey(std::u16string_view path);
    static RegError CannotReadValue(std::u16string_view path);
    static RegError UnsupportedType(std::u16string_view path);
    static RegError CannotWriteValue(std::u16string_view path);

    std::int32_t Number() const noexcept { return number_; }
    const std::u16string& Description() const noexcept { return description_; }

 private:
    RegError(std::int32_t number, std::u16string description);

    std::int32_t number_;
    std::u16string description_;
};

}  // namespace sindhikit::settings
