// Saves every registry value the utility writes and puts them back (or
// removes them, and the keys that did not exist) when the guard ends, so
// tests on the real registry leave it as they found it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/registry_types.h"
#include "framework/win/types.h"

namespace ui_driver {

// A value read straight from the registry (64-bit view), or nothing.
std::optional<RegValue> ReadRegistryValue(HKEY root, const std::string& key, const std::string& name);
bool RegistryKeyExists(HKEY root, const std::string& key);
// Creates the key (and its parents) if missing.
void CreateRegistryKey(HKEY root, const std::string& key);
void WriteRegistryValue(HKEY root, const std::string& key, const std::string& name, const RegValue& value);
void DeleteRegistryValue(HKEY root, const std::string& key, const std::string& name);
// The DWORD value, or nothing when missing or of another type.
std::optional<std::uint32_t> ReadRegistryDword(HKEY root, const std::string& key, const std::string& name);

class RegistryGuard {
public:
    RegistryGuard();
    ~RegistryGuard();
    RegistryGuard(const RegistryGuard&) = delete;
    RegistryGuard& operator=(const RegistryGuard&) = delete;

private:
    struct Saved {
        HKEY root;
        std::string key;
        std::string name;
        std::optional<RegValue> value;
    };
    struct SavedKey {
        HKEY root;
        std::string key;
        bool existed;
    };
    std::vector<Saved> values_;
    std::vector<SavedKey> keys_;
};

}  // namespace ui_driver
