#pragma once
// The Windows registry behind the tweak logic. Texts are single-byte (the
// ANSI code page), as the tweaks store them. Keys are always opened in the
// 64-bit view so that a 32-bit build on 64-bit Windows reaches the keys the
// system itself reads (Winlogon's notice, the processor description).

#include "app/registry_backend.h"

// The status a registry function's error code stands for.
RegStatus RegStatusFromError(long error);

class WinRegistry final : public RegistryBackend {
public:
    using RegistryBackend::CreateKey;
    using RegistryBackend::OpenKey;
    std::unique_ptr<RegistryKey> OpenKey(RegRoot root, std::string_view path, std::uint32_t access,
                                         RegStatus& status) override;
    std::unique_ptr<RegistryKey> CreateKey(RegRoot root, std::string_view path, std::uint32_t access,
                                           RegStatus& status) override;
};

// The registry the application works on; tests may point it elsewhere.
RegistryBackend& AppRegistry();
// Replaces the application's registry; nullptr restores the Windows registry.
void SetAppRegistry(RegistryBackend* registry);
