// Real registry conditions for the utility's failure paths: a key whose
// security refuses writes, and a key that is not there. Both put the registry
// back as it was when they end.
#pragma once

#include <string>
#include <vector>

#include "base/win/handles.h"

namespace app_test {

// Adds an ACE denying Everyone KEY_SET_VALUE and KEY_CREATE_SUB_KEY to the key
// (opening it for full access fails with ERROR_ACCESS_DENIED, as for a standard
// user under HKLM); the key's own security is put back at the end.
class ScopedDeniedWrites {
public:
    ScopedDeniedWrites(HKEY root, const std::string& path);
    ~ScopedDeniedWrites();
    ScopedDeniedWrites(const ScopedDeniedWrites&) = delete;
    ScopedDeniedWrites& operator=(const ScopedDeniedWrites&) = delete;
    bool Applied() const { return applied_; }

private:
    base::win::UniqueHKey key_;  // opened for READ_CONTROL | WRITE_DAC before the denial
    std::vector<unsigned char> saved_;
    bool applied_ = false;
};

// Moves the key aside (renamed within its parent) so that it is missing, and
// back at the end.
class ScopedKeyAway {
public:
    ScopedKeyAway(HKEY root, const std::string& path);
    ~ScopedKeyAway();
    ScopedKeyAway(const ScopedKeyAway&) = delete;
    ScopedKeyAway& operator=(const ScopedKeyAway&) = delete;
    bool Applied() const { return applied_; }

private:
    HKEY root_;
    std::string parent_, name_, awayName_;
    bool applied_ = false;
};

}  // namespace app_test
