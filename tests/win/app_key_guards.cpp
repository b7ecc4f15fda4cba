#include "win/app_key_guards.h"

#include <aclapi.h>

#include <memory>

#include "framework/win/text.h"

namespace app_test {

namespace {

struct LocalFreeDeleter {
    void operator()(ACL* acl) const { LocalFree(acl); }
};

base::win::UniqueHKey Open(HKEY root, const std::string& path, REGSAM access) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, WidenText(path).c_str(), 0, access | KEY_WOW64_64KEY, &key) != ERROR_SUCCESS) key = nullptr;
    return base::win::UniqueHKey(key);
}

// Copies the subkey `from` of `parent`, values and subkeys, to a new subkey `to`.
bool CopyKey(HKEY parent, const std::wstring& from, const std::wstring& to) {
    HKEY source = nullptr;
    if (RegOpenKeyExW(parent, from.c_str(), 0, KEY_READ | KEY_WOW64_64KEY, &source) != ERROR_SUCCESS) return false;
    const base::win::UniqueHKey ownedSource(source);
    HKEY target = nullptr;
    if (RegCreateKeyExW(parent, to.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS | KEY_WOW64_64KEY, nullptr, &target,
                        nullptr) != ERROR_SUCCESS)
        return false;
    const base::win::UniqueHKey ownedTarget(target);
    return RegCopyTreeW(source, nullptr, target) == ERROR_SUCCESS;
}

}  // namespace

ScopedDeniedWrites::ScopedDeniedWrites(HKEY root, const std::string& path)
    : key_(Open(root, path, READ_CONTROL | WRITE_DAC)) {
    if (!key_) return;
    DWORD size = 0;
    if (RegGetKeySecurity(key_.Get(), DACL_SECURITY_INFORMATION, nullptr, &size) != ERROR_INSUFFICIENT_BUFFER) return;
    saved_.resize(size);
    if (RegGetKeySecurity(key_.Get(), DACL_SECURITY_INFORMATION, saved_.data(), &size) != ERROR_SUCCESS) return;

    // Deny writing to Everyone, allow everything else: deny entries come first.
    unsigned char sidBuffer[SECURITY_MAX_SID_SIZE] = {};
    DWORD sidSize = sizeof(sidBuffer);
    if (!CreateWellKnownSid(WinWorldSid, nullptr, sidBuffer, &sidSize)) return;
    EXPLICIT_ACCESSW entries[2] = {};
    for (EXPLICIT_ACCESSW& entry : entries) {
        entry.grfInheritance = NO_INHERITANCE;
        entry.Trustee.TrusteeForm = TRUSTEE_IS_SID;
        entry.Trustee.TrusteeType = TRUSTEE_IS_WELL_KNOWN_GROUP;
        entry.Trustee.ptstrName = reinterpret_cast<LPWSTR>(sidBuffer);
    }
    entries[0].grfAccessPermissions = KEY_SET_VALUE | KEY_CREATE_SUB_KEY;
    entries[0].grfAccessMode = DENY_ACCESS;
    entries[1].grfAccessPermissions = KEY_ALL_ACCESS;
    entries[1].grfAccessMode = GRANT_ACCESS;
    ACL* rawAcl = nullptr;
    if (SetEntriesInAclW(2, entries, nullptr, &rawAcl) != ERROR_SUCCESS) return;
    const std::unique_ptr<ACL, LocalFreeDeleter> acl(rawAcl);
    SECURITY_DESCRIPTOR descriptor{};
    if (!InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION) ||
        !SetSecurityDescriptorDacl(&descriptor, TRUE, acl.get(), FALSE))
        return;
    applied_ = RegSetKeySecurity(key_.Get(), DACL_SECURITY_INFORMATION, &descriptor) == ERROR_SUCCESS;
}

ScopedDeniedWrites::~ScopedDeniedWrites() {
    if (applied_) RegSetKeySecurity(key_.Get(), DACL_SECURITY_INFORMATION, saved_.data());
}

// The key is copied aside and deleted rather than renamed: Wine 8's server keeps a renamed key out
// of order among its siblings, after which every new process waits seconds for its desktop and
// the server crashes as it saves the registry.
ScopedKeyAway::ScopedKeyAway(HKEY root, const std::string& path) : root_(root) {
    const std::size_t slash = path.rfind('\\');
    if (slash == std::string::npos) return;
    parent_ = path.substr(0, slash);
    name_ = path.substr(slash + 1);
    awayName_ = name_ + " (moved aside by a test)";
    const base::win::UniqueHKey parent = Open(root_, parent_, KEY_ALL_ACCESS);
    if (!parent) return;
    const std::wstring name = WidenText(name_), awayName = WidenText(awayName_);
    RegDeleteTreeW(parent.Get(), awayName.c_str());
    if (!CopyKey(parent.Get(), name, awayName)) return;
    applied_ = RegDeleteTreeW(parent.Get(), name.c_str()) == ERROR_SUCCESS;
    if (!applied_) RegDeleteTreeW(parent.Get(), awayName.c_str());
}

ScopedKeyAway::~ScopedKeyAway() {
    if (!applied_) return;
    const base::win::UniqueHKey parent = Open(root_, parent_, KEY_ALL_ACCESS);
    if (!parent) return;
    const std::wstring name = WidenText(name_), awayName = WidenText(awayName_);
    // A key of that name made while this one was away gives way to the original.
    RegDeleteTreeW(parent.Get(), name.c_str());
    if (CopyKey(parent.Get(), awayName, name)) RegDeleteTreeW(parent.Get(), awayName.c_str());
}

}  // namespace app_test
