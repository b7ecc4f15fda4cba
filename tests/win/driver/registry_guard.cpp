#include "win/driver/registry_guard.h"

#include "base/win/handles.h"

#include "app/tweaks.h"

namespace ui_driver {

namespace {

// Opens root\path with `access`; null when it cannot be opened.
base::win::UniqueHKey OpenKey(HKEY root, const std::string& path, REGSAM access) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, access | KEY_WOW64_64KEY, &key) != ERROR_SUCCESS) key = nullptr;
    return base::win::UniqueHKey(key);
}

struct Touched {
    HKEY root;
    const char* key;
    std::vector<const char*> names;
};

std::vector<Touched> TouchedValues() {
    return {
        {HKEY_CURRENT_USER, tweak_keys::kIeMain, {"Window Title", "Start page"}},
        {HKEY_CURRENT_USER,
         "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer",
         {"NoDesktop", "NoClose", "NoDrives", "NoControlPanel", "NoChangeStartMenu", "NoLogOff"}},
        {HKEY_CURRENT_USER,
         "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\System",
         {"NoDispCPL", "DisableTaskMgr"}},
        {HKEY_LOCAL_MACHINE, tweak_keys::kWinlogon, {"LegalNoticeText", "LegalNoticeCaption"}},
    };
}

}  // namespace

std::optional<RegValue> ReadRegistryValue(HKEY root, const std::string& key, const std::string& name) {
    const base::win::UniqueHKey k = OpenKey(root, key, KEY_READ);
    if (!k.Get()) return std::nullopt;
    DWORD type = 0, size = 0;
    if (RegQueryValueExA(k.Get(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return std::nullopt;
    RegValue value{type, std::vector<std::uint8_t>(size)};
    if (RegQueryValueExA(k.Get(), name.c_str(), nullptr, &type, size ? value.data.data() : nullptr, &size) !=
        ERROR_SUCCESS)
        return std::nullopt;
    value.data.resize(size);
    return value;
}

bool RegistryKeyExists(HKEY root, const std::string& key) { return OpenKey(root, key, KEY_READ).Get() != nullptr; }

void CreateRegistryKey(HKEY root, const std::string& key) {
    HKEY created = nullptr;
    if (RegCreateKeyExA(root, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS | KEY_WOW64_64KEY, nullptr, &created,
                        nullptr) == ERROR_SUCCESS)
        base::win::UniqueHKey closeAtEnd(created);
}

void WriteRegistryValue(HKEY root, const std::string& key, const std::string& name, const RegValue& value) {
    const base::win::UniqueHKey k = OpenKey(root, key, KEY_ALL_ACCESS);
    if (k.Get())
        RegSetValueExA(k.Get(), name.c_str(), 0, value.type, value.data.empty() ? nullptr : value.data.data(),
                       static_cast<DWORD>(value.data.size()));
}

void DeleteRegistryValue(HKEY root, const std::string& key, const std::string& name) {
    const base::win::UniqueHKey k = OpenKey(root, key, KEY_ALL_ACCESS);
    if (k.Get()) RegDeleteValueA(k.Get(), name.c_str());
}

std::optional<std::uint32_t> ReadRegistryDword(HKEY root, const std::string& key, const std::string& name) {
    const auto value = ReadRegistryValue(root, key, name);
    if (!value || value->type != REG_DWORD || value->data.size() != 4) return std::nullopt;
    return std::uint32_t(value->data[0]) | std::uint32_t(value->data[1]) << 8 | std::uint32_t(value->data[2]) << 16 |
           std::uint32_t(value->data[3]) << 24;
}

RegistryGuard::RegistryGuard() {
    for (const Touched& touched : TouchedValues()) {
        keys_.push_back({touched.root, touched.key, RegistryKeyExists(touched.root, touched.key)});
        for (const char* name : touched.names)
            values_.push_back({touched.root, touched.key, name, ReadRegistryValue(touched.root, touched.key, name)});
    }
}

RegistryGuard::~RegistryGuard() {
    for (const Saved& saved : values_) {
        if (saved.value)
            WriteRegistryValue(saved.root, saved.key, saved.name, *saved.value);
        else
            DeleteRegistryValue(saved.root, saved.key, saved.name);
    }
    for (const SavedKey& key : keys_)
        if (!key.existed) RegDeleteKeyExA(key.root, key.key.c_str(), KEY_WOW64_64KEY, 0);
}

}  // namespace ui_driver
