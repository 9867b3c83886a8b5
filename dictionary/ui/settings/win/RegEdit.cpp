#include "settings/win/RegEdit.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "settings/RegError.h"
#include "settings/RegPath.h"
#include "settings/RegValueType.h"
#include "settings/win/AnsiText.h"
#include "variant/Coercion.h"

namespace sindhikit::settings {

namespace {

// Closes a key when the routine leaves, however it leaves.
class KeyHolder {
 public:
    explicit KeyHolder(HKEY key) : key_(key) {}
    ~KeyHolder() { CloseRegKey(key_); }
    KeyHolder(const KeyHolder&) = delete;
    KeyHolder& operator=(const KeyHolder&) = delete;
    HKEY get() const { return key_; }

 private:
    HKEY key_;
};

std::optional<std::string> AnsiKeyPath(std::u16string_view path) {
    return ToAnsiName(RegKeyPathOf(path));
}

HKEY OpenLocalKey(std::uint32_t root, const std::string& keyPath, REGSAM access) {
    HKEY key = nullptr;
    return RegOpenKeyExA(PredefinedKey(root), keyPath.c_str(), 0, access, &key) == ERROR_SUCCESS ? key : nullptr;
}

HKEY OpenRemoteKey(const std::u16string& computer, std::uint32_t root, const std::string& keyPath, REGSAM access) {
    const std::optional<std::string> machine = ToAnsiName(u"\\\\" + computer);
    HKEY remoteRoot = nullptr;
    if (!machine || RegConnectRegistryA(machine->c_str(), PredefinedKey(root), &remoteRoot) != ERROR_SUCCESS) {
        return nullptr;  // RegError::CannotConnect, absorbed
    }
    const KeyHolder connection(remoteRoot);
    HKEY key = nullptr;
    return RegOpenKeyExA(remoteRoot, keyPath.c_str(), 0, access, &key) == ERROR_SUCCESS ? key : nullptr;
}

// Text values: the bytes the read returned, less the terminating NUL (data stored without
// one keeps its last character).
Variant TextValue(const std::vector<char>& buffer, DWORD size) {
    if (size == 0) return Variant(u"");
    if (buffer[size - 1] == '\0') --size;
    return Variant(FromAnsi(std::string_view(buffer.data(), size)));
}

// The data SetRegValue writes for the type; raises when the value has no such form.
std::vector<BYTE> ValueData(const Variant& value, std::int32_t type, std::u16string_view path) {
    std::vector<BYTE> data;
    if (type == kRegSz || type == kRegExpandSz) {
        const std::optional<std::string> text = ToAnsi(ToText(value));
        if (!text) throw RegError::CannotWriteValue(path);
        data.assign(text->begin(), text->end());
        data.push_back(0);
        return data;
    }
    const std::int32_t number = ToInt32(value);
    if (type == kRegBinary) {
        if (number < -32768 || number > 32767) throw VariantError::Overflow();
        const auto n = static_cast<std::uint16_t>(number);
        return {static_cast<BYTE>(n & 0xFF), static_cast<BYTE>(n >> 8)};
    }
    const auto n = static_cast<std::uint32_t>(number);
    return {static_cast<BYTE>(n & 0xFF), static_cast<BYTE>((n >> 8) & 0xFF), static_cast<BYTE>((n >> 16) & 0xFF),
            static_cast<BYTE>(n >> 24)};
}

}  // namespace

HKEY PredefinedKey(std::uint32_t root) {
    return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG_PTR>(static_cast<LONG>(root))));
}

HKEY OpenRegKey(std::u16string_view path, REGSAM access) {
    // Every failure, of the path grammar included, gives no key.
    try {
        const std::u16string computer = RegComputerNameOf(path);
        const std::uint32_t root = RegRootOf(path);
        const std::optional<std::string> keyPath = AnsiKeyPath(path);
        if (!keyPath) return nullptr;
        return computer.empty() ? OpenLocalKey(root, *keyPath, access)
                                : OpenRemoteKey(computer, root, *keyPath, access);
    } catch (const RegError&) {
        return nullptr;
    }
}

HKEY CreateRegKey(std::u16string_view path, REGSAM access) {
    const std::uint32_t root = RegRootOf(path);
    const std::optional<std::string> keyPath = AnsiKeyPath(path);
    HKEY key = nullptr;
    if (!keyPath || RegCreateKeyExA(PredefinedKey(root), keyPath->c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access,
                                    nullptr, &key, nullptr) != ERROR_SUCCESS) {
        throw RegError::CannotCreateKey(path);
    }
    return key;
}

void CloseRegKey(HKEY key) {
    if (key) RegCloseKey(key);
}

Variant GetRegValue(std::u16string_view path) {
    const KeyHolder key(OpenRegKey(path, kRegReadAccess));
    if (!key.get()) return {};
    std::optional<std::string> name;
    try {
        name = ToAnsiName(RegValueNameOf(path));
    } catch (const RegError&) {
        return {};
    }
    if (!name) return {};
    DWORD type = REG_NONE, size = 0;
    if (RegQueryValueExA(key.get(), name->c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return {};
    switch (type) {
        case REG_SZ:
        case REG_EXPAND_SZ: {
            std::vector<char> buffer(size + 1, '\0');
            if (RegQueryValueExA(key.get(), name->c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(buffer.data()),
                                 &size) != ERROR_SUCCESS) {
                return {};
            }
            return TextValue(buffer, size);
        }
        case REG_BINARY:
        case REG_DWORD: {
            // Binary data longer than four bytes does not fit and is refused as a failed read.
            std::array<BYTE, 4> bytes{};
            DWORD read = static_cast<DWORD>(bytes.size());
            if (RegQueryValueExA(key.get(), name->c_str(), nullptr, nullptr, bytes.data(), &read) != ERROR_SUCCESS) {
                return {};
            }
            const std::uint32_t n = bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) | (std::uint32_t{bytes[3]} << 24);
            return Variant(static_cast<std::int32_t>(n));
        }
        default:
            return {};  // unsupported type
    }
}

void SetRegValue(std::u16string_view path, const Variant& value, std::int32_t type) {
    try {
        const KeyHolder key(CreateRegKey(path, kRegWriteAccess));
        const std::optional<std::string> name = ToAnsiName(RegValueNameOf(path));
        if (type < kRegSz || type > kRegDword) throw RegError::InvalidArgument();
        const std::vector<BYTE> data = ValueData(value, type, path);
        if (!name || RegSetValueExA(key.get(), name->c_str(), 0, static_cast<DWORD>(type), data.data(),
                                    static_cast<DWORD>(data.size())) != ERROR_SUCCESS) {
            throw RegError::CannotWriteValue(path);
        }
        return;
    } catch (const RegError&) {
    } catch (const VariantError&) {
    }
    CreateRegKeyPath(path);
}

void CreateRegKeyPath(std::u16string_view path) {
    std::u16string keyPath(path);
    if (keyPath.empty() || keyPath.back() != u'\\') keyPath += u'\\';
    CloseRegKey(CreateRegKey(keyPath, kRegWriteAccess));
}

}  // namespace sindhikit::settings
