// Registry path strings of any shape split into their parts or raise RegError with the
// path grammar's numbers, nothing else; the parts that come out fit back together into the
// path; root names match in any case; and a path put together from known parts splits
// back into them.
#include <cstdlib>
#include <optional>
#include <string>

#include "FuzzInput.h"
#include "settings/RegError.h"
#include "settings/RegPath.h"

namespace {

using namespace sindhikit::settings;

void Require(bool condition) {
    if (!condition) std::abort();
}

template <class F>
auto Part(F&& f, std::int32_t allowedError) -> std::optional<decltype(f())> {
    try {
        return f();
    } catch (const RegError& e) {
        Require(e.Number() == RegError::kInvalidArgument || e.Number() == allowedError);
        return std::nullopt;
    }
}

std::u16string WithAsciiCase(std::u16string text, bool upper) {
    for (char16_t& c : text) {
        if (upper && c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - 0x20);
        if (!upper && c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c + 0x20);
    }
    return text;
}

bool EndsWith(std::u16string_view text, std::u16string_view end) {
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

std::u16string Without(std::u16string text, char16_t unit) {
    std::erase(text, unit);
    return text;
}

void CheckAnyPath(const std::u16string& path) {
    const auto root = Part([&] { return RegRootOf(path); }, RegError::kInvalidRoot);
    const auto keyPath = Part([&] { return RegKeyPathOf(path); }, RegError::kInvalidArgument);
    const auto valueName = Part([&] { return RegValueNameOf(path); }, RegError::kInvalidArgument);
    const auto computer = Part([&] { return RegComputerNameOf(path); }, RegError::kInvalidArgument);

    if (root) {
        bool known = false;
        for (const RegRoot& row : kRegRoots) known = known || row.predefinedKey == *root;
        Require(known && keyPath.has_value());
    }
    if (valueName) {
        Require(valueName->find(u'\\') == std::u16string::npos);
        Require(EndsWith(path, u"\\" + *valueName));
    }
    if (keyPath) {
        Require(keyPath->empty() || keyPath->back() == u'\\');
        Require(valueName && EndsWith(path, u"\\" + *keyPath + *valueName));
    }
    const bool remote = path.size() >= 2 && path[0] == u'\\' && path[1] == u'\\';
    if (computer) {
        Require(computer->find(u'\\') == std::u16string::npos);
        Require(remote ? path.starts_with(u"\\\\" + *computer + u"\\") : computer->empty());
    }
    if (keyPath && computer) {
        // Exactly one root name lies between the computer's separator and the key path.
        const std::size_t rootStart = remote ? computer->size() + 3 : 0;
        const std::size_t rootEnd = path.size() - valueName->size() - keyPath->size() - 1;
        Require(rootEnd >= rootStart &&
                path.substr(rootStart, rootEnd - rootStart).find(u'\\') == std::u16string::npos);
    }
    // Case never changes which root a path names.
    for (bool upper : {true, false}) {
        const auto other = Part([&] { return RegRootOf(WithAsciiCase(path, upper)); }, RegError::kInvalidRoot);
        Require(other == root);
    }
    // Any other part number is refused.
    for (std::int32_t part : {0, 5, -1}) {
        try {
            (void)GetRegPathPart(path, part);
            std::abort();
        } catch (const RegError& e) {
            Require(e.Number() == RegError::kInvalidArgument);
        }
    }
}

// The first bytes choose the root row, its spelling and the form; the text gives the
// computer name, the key path and the value name (split at U+0001).
void CheckBuiltPath(const std::uint8_t* data, std::size_t size) {
    if (size < 3) return;
    const RegRoot& row = kRegRoots[data[0] % 7];
    std::u16string rootName(data[1] & 1 ? row.longName : row.abbreviation);
    if (data[1] & 2) rootName = WithAsciiCase(rootName, false);
    const bool remote = data[2] & 1;
    const std::u16string text = FuzzText(data + 3, size - 3);
    const std::size_t firstCut = text.find(u'\1');
    const std::size_t lastCut = text.rfind(u'\1');
    const std::u16string computer = Without(text.substr(0, firstCut), u'\\');
    const std::u16string valueName = lastCut == std::u16string::npos ? u"" : Without(text.substr(lastCut + 1), u'\\');
    const std::u16string keyPath =
        firstCut == lastCut ? u"" : text.substr(firstCut + 1, lastCut - firstCut - 1) + u"\\";
    const std::u16string path = (remote ? u"\\\\" + computer + u"\\" : u"") + rootName + u"\\" + keyPath + valueName;
    Require(RegRootOf(path) == row.predefinedKey);
    Require(RegKeyPathOf(path) == keyPath);
    Require(RegValueNameOf(path) == valueName);
    Require(RegComputerNameOf(path) == (remote ? computer : u""));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CheckAnyPath(FuzzText(data, size));
    CheckBuiltPath(data, size);
    return 0;
}
