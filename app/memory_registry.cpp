#include "app/memory_registry.h"

#include <cctype>

#include "app/registry.h"

namespace {

std::string Lower(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

}  // namespace

class MemoryRegistry::Key final : public RegistryKey {
public:
    Key(MemoryRegistry& owner, RegRoot root, std::string path, bool writable)
        : owner_(owner), root_(root), path_(std::move(path)), writable_(writable) {
        ++owner_.openHandles_;
    }
    ~Key() override { --owner_.openHandles_; }

    RegStatus SetValue(std::string_view name, std::uint32_t type, std::span<const std::uint8_t> data) override {
        const std::string lower = Lower(name);
        if (!writable_) return RegStatus::AccessDenied;
        if (Covers(owner_.failedWrites_, root_, path_, &lower)) return RegStatus::Failed;
        KeyData* key = Data();
        if (!key) return RegStatus::NotFound;
        key->values[lower] = StoredValue{std::string(name), RegValue{type, {data.begin(), data.end()}}};
        return RegStatus::Ok;
    }

    std::optional<RegValue> QueryValue(std::string_view name) override {
        const KeyData* key = Data();
        if (!key) return std::nullopt;
        const auto it = key->values.find(Lower(name));
        if (it == key->values.end()) return std::nullopt;
        return it->second.value;
    }

    RegStatus DeleteValue(std::string_view name) override {
        if (!writable_) return RegStatus::AccessDenied;
        KeyData* key = Data();
        return key && key->values.erase(Lower(name)) > 0 ? RegStatus::Ok : RegStatus::NotFound;
    }

private:
    KeyData* Data() {
        auto& keys = owner_.Keys(root_);
        const auto it = keys.find(path_);
        return it == keys.end() ? nullptr : &it->second;
    }

    MemoryRegistry& owner_;
    RegRoot root_;
    std::string path_;
    bool writable_;
};

std::string MemoryRegistry::Normalize(std::string_view path) {
    std::string out;
    for (char c : TrimKeyPath(path)) {
        if (c == '\\' && !out.empty() && out.back() == '\\') continue;  // "a\\b" names "a\b"
        out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return out;
}

bool MemoryRegistry::Covers(const std::vector<Rule>& rules, RegRoot root, const std::string& path,
                            const std::string* value) {
    for (const Rule& rule : rules) {
        if (rule.root != root) continue;
        const bool under = rule.path.empty() || path == rule.path ||
                           (path.size() > rule.path.size() && path.compare(0, rule.path.size(), rule.path) == 0 &&
                            path[rule.path.size()] == '\\');
        if (!under) continue;
        if (value && !rule.value.empty() && rule.value != *value) continue;
        return true;
    }
    return false;
}

std::unique_ptr<RegistryKey> MemoryRegistry::Open(RegRoot root, std::string_view rawPath, std::uint32_t access,
                                                  bool create, RegStatus& status) {
    const std::string path = Normalize(rawPath);
    status = RegStatus::AccessDenied;
    if (Covers(deniedOpen_, root, path, nullptr)) return nullptr;
    const bool wantsWrite = (access & kKeyWriteBits) != 0;
    auto& keys = Keys(root);
    if (wantsWrite && keys.contains(path) && Covers(deniedWriteAccess_, root, path, nullptr)) return nullptr;
    if (!keys.contains(path)) {
        if (!create) {
            status = RegStatus::NotFound;
            return nullptr;
        }
        if (Covers(deniedCreate_, root, path, nullptr) || Covers(deniedWriteAccess_, root, path, nullptr))
            return nullptr;
        // Creating a key creates every missing key above it.
        for (std::size_t pos = path.find('\\'); pos != std::string::npos; pos = path.find('\\', pos + 1))
            keys.try_emplace(path.substr(0, pos));
        keys.try_emplace(path);
    }
    status = RegStatus::Ok;
    return std::make_unique<Key>(*this, root, path, wantsWrite);
}

std::unique_ptr<RegistryKey> MemoryRegistry::OpenKey(RegRoot root, std::string_view path, std::uint32_t access,
                                                     RegStatus& status) {
    return Open(root, path, access, false, status);
}

std::unique_ptr<RegistryKey> MemoryRegistry::CreateKey(RegRoot root, std::string_view path, std::uint32_t access,
                                                       RegStatus& status) {
    return Open(root, path, access, true, status);
}

void MemoryRegistry::DenyOpen(RegRoot root, std::string_view path) {
    deniedOpen_.push_back({root, Normalize(path), {}});
}
void MemoryRegistry::DenyWriteAccess(RegRoot root, std::string_view path) {
    deniedWriteAccess_.push_back({root, Normalize(path), {}});
}
void MemoryRegistry::DenyCreate(RegRoot root, std::string_view path) {
    deniedCreate_.push_back({root, Normalize(path), {}});
}
void MemoryRegistry::FailWrites(RegRoot root, std::string_view path, std::string_view valueName) {
    failedWrites_.push_back({root, Normalize(path), Lower(valueName)});
}

bool MemoryRegistry::KeyExists(RegRoot root, std::string_view path) const {
    return Keys(root).contains(Normalize(path));
}

std::optional<RegValue> MemoryRegistry::Value(RegRoot root, std::string_view path, std::string_view name) const {
    const auto& keys = Keys(root);
    const auto key = keys.find(Normalize(path));
    if (key == keys.end()) return std::nullopt;
    const auto value = key->second.values.find(Lower(name));
    if (value == key->second.values.end()) return std::nullopt;
    return value->second.value;
}

std::vector<std::string> MemoryRegistry::ValueNames(RegRoot root, std::string_view path) const {
    std::vector<std::string> names;
    const auto& keys = Keys(root);
    const auto key = keys.find(Normalize(path));
    if (key != keys.end())
        for (const auto& [lower, stored] : key->second.values) names.push_back(stored.name);
    return names;
}

void MemoryRegistry::PutValue(RegRoot root, std::string_view path, std::string_view name, RegValue value) {
    const std::string normalized = Normalize(path);
    auto& keys = Keys(root);
    for (std::size_t pos = normalized.find('\\'); pos != std::string::npos; pos = normalized.find('\\', pos + 1))
        keys.try_emplace(normalized.substr(0, pos));
    keys[normalized].values[Lower(name)] = StoredValue{std::string(name), std::move(value)};
}

std::size_t MemoryRegistry::KeyCount() const { return keys_[0].size() + keys_[1].size(); }
