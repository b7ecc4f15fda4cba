#pragma once
// An in-memory registry with the behaviour the tweaks rely on: keys and value
// names compared without case, open-only versus open-or-create, typed values
// stored byte for byte, deletion. It can be told to refuse opens, creates,
// write access or value writes below a key, so failure paths can be exercised.

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "app/registry_backend.h"

class MemoryRegistry final : public RegistryBackend {
public:
    using RegistryBackend::CreateKey;
    using RegistryBackend::OpenKey;
    std::unique_ptr<RegistryKey> OpenKey(RegRoot root, std::string_view path, std::uint32_t access,
                                         RegStatus& status) override;
    std::unique_ptr<RegistryKey> CreateKey(RegRoot root, std::string_view path, std::uint32_t access,
                                           RegStatus& status) override;

    // Failure rules; `path` covers that key and every key below it ("" = the whole root).
    void DenyOpen(RegRoot root, std::string_view path);         // every open and create is denied
    void DenyWriteAccess(RegRoot root, std::string_view path);  // opens asking for more than reading are denied
    void DenyCreate(RegRoot root, std::string_view path);       // creating missing keys is denied
    void FailWrites(RegRoot root, std::string_view path, std::string_view valueName = {});  // "" = any value

    // Inspection and seeding for tests.
    bool KeyExists(RegRoot root, std::string_view path) const;
    std::optional<RegValue> Value(RegRoot root, std::string_view path, std::string_view name) const;
    std::vector<std::string> ValueNames(RegRoot root, std::string_view path) const;
    void PutValue(RegRoot root, std::string_view path, std::string_view name, RegValue value);
    std::size_t KeyCount() const;
    // Keys handed out and not yet closed.
    int OpenHandles() const { return openHandles_; }

private:
    class Key;
    struct StoredValue {
        std::string name;
        RegValue value;
    };
    struct KeyData {
        std::map<std::string, StoredValue> values;  // by lower-case name
    };
    struct Rule {
        RegRoot root;
        std::string path;   // lower-case
        std::string value;  // lower-case, FailWrites only
    };

    static std::string Normalize(std::string_view path);
    static bool Covers(const std::vector<Rule>& rules, RegRoot root, const std::string& path, const std::string* value);
    std::map<std::string, KeyData>& Keys(RegRoot root) { return keys_[static_cast<std::size_t>(root)]; }
    const std::map<std::string, KeyData>& Keys(RegRoot root) const { return keys_[static_cast<std::size_t>(root)]; }
    std::unique_ptr<RegistryKey> Open(RegRoot root, std::string_view path, std::uint32_t access, bool create,
                                      RegStatus& status);

    std::map<std::string, KeyData> keys_[2];
    std::vector<Rule> deniedOpen_, deniedWriteAccess_, deniedCreate_, failedWrites_;
    int openHandles_ = 0;
};
