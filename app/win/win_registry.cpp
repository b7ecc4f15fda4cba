#include "app/win/win_registry.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <string>

#include "base/win/handles.h"

namespace {

// Values larger than this are not read: nothing the application reads comes close.
constexpr DWORD kMaxValueSize = 1u << 20;

HKEY RootHandle(RegRoot root) { return root == RegRoot::CurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE; }

class WinKey final : public RegistryKey {
public:
    explicit WinKey(HKEY key) : key_(key) {}

    RegStatus SetValue(std::string_view name, std::uint32_t type, std::span<const std::uint8_t> data) override {
        const std::string valueName(name);
        return RegStatusFromError(RegSetValueExA(key_.Get(), valueName.c_str(), 0, type,
                                                 data.empty() ? nullptr : data.data(),
                                                 static_cast<DWORD>(data.size())));
    }

    std::optional<RegValue> QueryValue(std::string_view name) override {
        const std::string valueName(name);
        RegValue value;
        DWORD type = 0;
        DWORD size = 0;
        if (RegQueryValueExA(key_.Get(), valueName.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
            return std::nullopt;
        // The value may grow between the two calls; try a few times.
        for (int attempt = 0; attempt < 4; ++attempt) {
            if (size > kMaxValueSize) return std::nullopt;
            value.data.resize(size);
            const LONG result = RegQueryValueExA(key_.Get(), valueName.c_str(), nullptr, &type,
                                                 value.data.empty() ? nullptr : value.data.data(), &size);
            if (result == ERROR_SUCCESS) {
                value.data.resize(std::min<std::size_t>(size, value.data.size()));
                value.type = type;
                return value;
            }
            if (result != ERROR_MORE_DATA) return std::nullopt;
        }
        return std::nullopt;
    }

    RegStatus DeleteValue(std::string_view name) override {
        const std::string valueName(name);
        return RegStatusFromError(RegDeleteValueA(key_.Get(), valueName.c_str()));
    }

private:
    base::win::UniqueHKey key_;
};

RegistryBackend* g_override = nullptr;

}  // namespace

RegStatus RegStatusFromError(long error) {
    switch (error) {
        case ERROR_SUCCESS: return RegStatus::Ok;
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND: return RegStatus::NotFound;
        case ERROR_ACCESS_DENIED: return RegStatus::AccessDenied;
        default: return RegStatus::Failed;
    }
}

std::unique_ptr<RegistryKey> WinRegistry::OpenKey(RegRoot root, std::string_view path, std::uint32_t access,
                                                  RegStatus& status) {
    const std::string subKey(path);
    HKEY key = nullptr;
    status = RegStatusFromError(RegOpenKeyExA(RootHandle(root), subKey.c_str(), 0, access | KEY_WOW64_64KEY, &key));
    if (status != RegStatus::Ok) return nullptr;
    return std::make_unique<WinKey>(key);
}

std::unique_ptr<RegistryKey> WinRegistry::CreateKey(RegRoot root, std::string_view path, std::uint32_t access,
                                                    RegStatus& status) {
    const std::string subKey(path);
    HKEY key = nullptr;
    status = RegStatusFromError(RegCreateKeyExA(RootHandle(root), subKey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                                access | KEY_WOW64_64KEY, nullptr, &key, nullptr));
    if (status != RegStatus::Ok) return nullptr;
    return std::make_unique<WinKey>(key);
}

RegistryBackend& AppRegistry() {
    static WinRegistry windowsRegistry;
    return g_override ? *g_override : windowsRegistry;
}

void SetAppRegistry(RegistryBackend* registry) { g_override = registry; }
