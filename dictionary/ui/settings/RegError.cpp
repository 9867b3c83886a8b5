#include "settings/RegError.h"

namespace sindhikit::settings {

namespace {

// what() is for diagnostics only; units outside ASCII show as '?'.
std::string AsciiForm(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char16_t unit : text) out.push_back(unit < 0x80 ? static_cast<char>(unit) : '?');
    return out;
}

std::u16string Quoted(std::u16string_view literal, std::u16string_view named) {
    std::u16string out(literal);
    out += named;
    out += u'\'';
    return out;
}

}  // namespace

RegError::RegError(std::int32_t number, std::u16string description)
    : std::runtime_error(AsciiForm(description)), number_(number), description_(std::move(description)) {}

RegError RegError::InvalidArgument() {
    return {kInvalidArgument, u"Invalid procedure call or argument"};
}
RegError RegError::InvalidRoot(std::u16string_view path) {
    return {kInvalidRoot, Quoted(u"Invalid root in registry key '", path)};
}
RegError RegError::CannotOpenKey(std::u16string_view path) {
    return {kCannotOpenKey, Quoted(u"Unable to open registry key '", path)};
}
RegError RegError::CannotConnect(std::u16string_view computerName) {
    return {kCannotConnect, Quoted(u"Unable to connect to remote computer '\\\\", computerName)};
}
RegError RegError::CannotOpenRemoteKey(std::u16string_view path) {
    return {kCannotOpenRemoteKey, Quoted(u"Unable to open remote registry key '", path)};
}
RegError RegError::CannotCreateKey(std::u16string_view path) {
    return {kCannotCreateKey, Quoted(u"Unable to create registry key '", path)};
}
RegError RegError::CannotReadValue(std::u16string_view path) {
    return {kCannotReadValue, Quoted(u"Unable to read registry value '", path)};
}
RegError RegError::UnsupportedType(std::u16string_view path) {
    return {kUnsupportedType, Quoted(u"Unsupported data type in registry value '", path)};
}
RegError RegError::CannotWriteValue(std::u16string_view path) {
    return {kCannotWriteValue, Quoted(u"Unable to write registry value '", path)};
}

}  // namespace sindhikit::settings
