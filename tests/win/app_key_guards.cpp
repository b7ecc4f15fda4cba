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

ScopedKeyAway::ScopedKeyAway(HKEY root, const std::string& path) : root_(root) {
    const std::size_t slash = path.rfind('\\');
    if (slash == std::string::npos) return;
    parent_ = path.substr(0, slash);
    name_ = path.substr(slash + 1);
    awayName_ = name_ + " (moved aside by a test)";
    const base::win::UniqueHKey parent = Open(root_, parent_, KEY_ALL_ACCESS);
    if (!parent) return;
    applied_ = RegRenameKey(parent.Get(), WidenText(name_).c_str(), WidenText(awayName_).c_str()) == ERROR_SUCCESS;
}

ScopedKeyAway::~ScopedKeyAway() {
    if (!applied_) return;
    const base::win::UniqueHKey parent = Open(root_, parent_, KEY_ALL_ACCESS);
    if (!parent) return;
    // A key of that name made while this one was away gives way to the original.
    RegDeleteTreeW(parent.Get(), WidenText(name_).c_str());
    RegRenameKey(parent.Get(), WidenText(awayName_).c_str(), WidenText(name_).c_str());
}

}  // namespace app_test
