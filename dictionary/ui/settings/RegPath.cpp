#include "settings/RegPath.h"

#include "settings/RegError.h"

namespace sindhikit::settings {

const RegRoot kRegRoots[7] = {
    {u"HKCR", u"HKEY_CLASSES_ROOT", 0x80000000u},     {u"HKCU", u"HKEY_CURRENT_USER", 0x80000001u},
    {u"HKLM", u"HKEY_LOCAL_MACHINE", 0x80000002u},    {u"HKUS", u"HKEY_USERS", 0x80000003u},
    {u"HKPD", u"HKEY_PERFORMANCE_DATA", 0x80000004u}, {u"HKCC", u"HKEY_CURRENT_CONFIG", 0x80000005u},
    {u"HKDD", u"HKEY_DYN_DATA", 0x80000006u},
};

namespace {

constexpr char16_t kSeparator = u'\\';
constexpr auto npos = std::u16string_view::npos;

bool IsRemote(std::u16string_view path) {
    return path.size() >= 2 && path[0] == kSeparator && path[1] == kSeparator;
}

// Where the root starts: 0 for a local path, after the computer name's closing separator
// for a remote one.
std::size_t RootStart(std::u16string_view path) {
    return IsRemote(path) ? RegComputerNameOf(path).size() + 3 : 0;
}

// The separator that ends the root.
std::size_t RootEnd(std::u16string_view path) {
    const std::size_t end = path.find(kSeparator, RootStart(path));
    if (end == npos) throw RegError::InvalidArgument();
    return end;
}

// Root names are matched without regard to case; only ASCII letters can match the table.
bool SameRootName(std::u16string_view given, std::u16string_view name) {
    if (given.size() != name.size()) return false;
    for (std::size_t i = 0; i < given.size(); ++i) {
        char16_t c = given[i];
        if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
        if (c != name[i]) return false;
    }
    return true;
}

}  // namespace

std::u16string RegComputerNameOf(std::u16string_view path) {
    if (!IsRemote(path)) return {};
    const std::size_t end = path.find(kSeparator, 2);
    if (end == npos) throw RegError::InvalidArgument();
    return std::u16string(path.substr(2, end - 2));
}

std::uint32_t RegRootOf(std::u16string_view path) {
    const std::size_t start = RootStart(path);
    const std::u16string_view root = path.substr(start, RootEnd(path) - start);
    for (const RegRoot& row : kRegRoots) {
        if (SameRootName(root, row.abbreviation) || SameRootName(root, row.longName)) return row.predefinedKey;
    }
    throw RegError::InvalidRoot(path);
}

std::u16string RegKeyPathOf(std::u16string_view path) {
    const std::size_t start = RootEnd(path) + 1;
    const std::size_t last = path.rfind(kSeparator);  // at or after the root's separator
    return std::u16string(path.substr(start, last + 1 - start));
}

std::u16string RegValueNameOf(std::u16string_view path) {
    const std::size_t last = path.rfind(kSeparator);
    if (last == npos) throw RegError::InvalidArgument();
    return std::u16string(path.substr(last + 1));
}

Variant GetRegPathPart(std::u16string_view path, std::int32_t part) {
    switch (static_cast<RegPathPart>(part)) {
        case RegPathPart::Root:
            return Variant(static_cast<std::int32_t>(RegRootOf(path)));
        case RegPathPart::KeyPath:
            return Variant(RegKeyPathOf(path));
        case RegPathPart::ValueName:
            return Variant(RegValueNameOf(path));
        case RegPathPart::ComputerName:
            return Variant(RegComputerNameOf(path));
    }
    throw RegError::InvalidArgument();
}

}  // namespace sindhikit::settings
