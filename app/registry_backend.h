#pragma once
// The registry as the tweak logic sees it: keys opened (or created) on a root,
// values set, queried and deleted. Implemented over the Win32 registry in the
// product and in memory for tests.

#include <memory>
#include <optional>
#include <span>
#include <string_view>

#include "app/registry_types.h"

// An open key; closing happens when the object is destroyed.
class RegistryKey {
public:
    virtual ~RegistryKey() = default;
    RegistryKey() = default;
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    // Ok when the value was written.
    virtual RegStatus SetValue(std::string_view name, std::uint32_t type, std::span<const std::uint8_t> data) = 0;
    // Nothing when the value does not exist (or cannot be read).
    virtual std::optional<RegValue> QueryValue(std::string_view name) = 0;
    // Ok when the value was removed; NotFound when it was not there.
    virtual RegStatus DeleteValue(std::string_view name) = 0;
};

class RegistryBackend {
public:
    virtual ~RegistryBackend() = default;
    RegistryBackend() = default;
    RegistryBackend(const RegistryBackend&) = delete;
    RegistryBackend& operator=(const RegistryBackend&) = delete;

    // Opens an existing key; nullptr when it is missing or access is denied,
    // and `status` says which. The path is relative to the root, without
    // leading or trailing backslash.
    virtual std::unique_ptr<RegistryKey> OpenKey(RegRoot root, std::string_view path, std::uint32_t access,
                                                 RegStatus& status) = 0;
    // Opens the key, creating it (and missing parents) first if needed.
    virtual std::unique_ptr<RegistryKey> CreateKey(RegRoot root, std::string_view path, std::uint32_t access,
                                                   RegStatus& status) = 0;

    // The same, for callers that only need to know whether the key is open.
    std::unique_ptr<RegistryKey> OpenKey(RegRoot root, std::string_view path, std::uint32_t access) {
        RegStatus status{};
        return OpenKey(root, path, access, status);
    }
    std::unique_ptr<RegistryKey> CreateKey(RegRoot root, std::string_view path, std::uint32_t access) {
        RegStatus status{};
        return CreateKey(root, path, access, status);
    }
};
