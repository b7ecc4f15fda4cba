#pragma once
// The registry object the tweaks work through: a root and an access mask, at
// most one current key, typed reads and writes that raise on failure.

#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

#include "app/registry_backend.h"

// Error raised by the tweak operations; its text is what the user is shown.
class ETweakError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TRegistry {
public:
    TRegistry(RegistryBackend& backend, RegRoot root, std::uint32_t access);

    RegRoot RootKey() const { return root_; }
    std::uint32_t Access() const { return access_; }
    bool HasCurrentKey() const { return key_ != nullptr; }

    // Makes `path` the current key. A leading backslash (taken from the root)
    // and a trailing one are dropped; the path is always relative to the root.
    // With `canCreate` a missing key is created. Returns whether a key is open.
    bool OpenKey(std::string_view path, bool canCreate);
    void CloseKey();
    // Why the last OpenKey left no key open (Ok after a successful one).
    RegStatus OpenStatus() const { return openStatus_; }

    // Writes a REG_DWORD; raises "Failed to set data for '<name>'" on failure.
    // Without a current key it raises too, since nothing could be written.
    void WriteInteger(std::string_view name, std::uint32_t value);

    // Reads a text value: missing or zero-sized gives "", a value that is not
    // REG_SZ/REG_EXPAND_SZ raises "Invalid data type for '<name>'", otherwise
    // the text up to its first zero byte. Without a current key gives "".
    std::string ReadString(std::string_view name);

    // Removes a value of the current key; false when it was not there.
    bool DeleteValue(std::string_view name);

private:
    RegistryBackend& backend_;
    RegRoot root_;
    std::uint32_t access_;
    std::unique_ptr<RegistryKey> key_;
    RegStatus openStatus_ = RegStatus::Ok;
};

// Strips the separators around a key path: "\A\B\" -> "A\B".
std::string_view TrimKeyPath(std::string_view path);
