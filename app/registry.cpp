#include "app/registry.h"

#include <algorithm>
#include <array>

const char* RegRootName(RegRoot root) {
    return root == RegRoot::CurrentUser ? "HKEY_CURRENT_USER" : "HKEY_LOCAL_MACHINE";
}

std::string_view TrimKeyPath(std::string_view path) {
    while (!path.empty() && path.front() == '\\') path.remove_prefix(1);
    while (!path.empty() && path.back() == '\\') path.remove_suffix(1);
    return path;
}

TRegistry::TRegistry(RegistryBackend& backend, RegRoot root, std::uint32_t access)
    : backend_(backend), root_(root), access_(access) {}

bool TRegistry::OpenKey(std::string_view path, bool canCreate) {
    CloseKey();
    const std::string_view relative = TrimKeyPath(path);
    key_ = canCreate ? backend_.CreateKey(root_, relative, access_, openStatus_)
                     : backend_.OpenKey(root_, relative, access_, openStatus_);
    return key_ != nullptr;
}

void TRegistry::CloseKey() { key_.reset(); }

void TRegistry::WriteInteger(std::string_view name, std::uint32_t value) {
    const std::array<std::uint8_t, 4> bytes = {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
                                               static_cast<std::uint8_t>(value >> 16),
                                               static_cast<std::uint8_t>(value >> 24)};
    if (!key_ || key_->SetValue(name, kRegDword, bytes) != RegStatus::Ok)
        throw ETweakError("Failed to set data for '" + std::string(name) + "'");
}

std::string TRegistry::ReadString(std::string_view name) {
    if (!key_) return {};
    const std::optional<RegValue> value = key_->QueryValue(name);
    if (!value || value->data.empty()) return {};
    if (value->type != kRegSz && value->type != kRegExpandSz)
        throw ETweakError("Invalid data type for '" + std::string(name) + "'");
    const auto end = std::find(value->data.begin(), value->data.end(), std::uint8_t{0});
    return std::string(value->data.begin(), end);
}

bool TRegistry::DeleteValue(std::string_view name) { return key_ && key_->DeleteValue(name) == RegStatus::Ok; }
