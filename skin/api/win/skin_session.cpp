// The plain Win32 entry to the engine: one skin session a GUI thread, made of one skin data
// component that no form owns and the thread's skin manager, set to take the thread's windows
// for its forms list.

#include <filesystem>
#include <memory>
#include <span>
#include <vector>

#include "skin/api/win/skinengine.h"
#include "skin/data/skin_stream.h"
#include "skin/data/win/rcdata_resource.h"
#include "skin/data/win/skin_data.h"
#include "skin/manager/win/skin_manager.h"

namespace {

using skin::win::TSkinData;
using skin::win::TSkinManage;

// The calling thread's session: its component. Null while the thread is not skinned.
thread_local TSkinData* t_skinData = nullptr;

int Start(std::vector<std::uint8_t> package) {
    if (t_skinData != nullptr) return t_skinData->LoadSkinPackage(std::move(package)) ? SKIN_OK : SKIN_BAD_SKIN;
    auto data = std::make_unique<TSkinData>(nullptr);
    if (!data->LoadSkinPackage(std::move(package))) return SKIN_BAD_SKIN;
    TSkinManage* manager = skin::win::EnsureSkinManager();
    manager->PlainWindows = true;
    data->Loaded();  // registers the component and sets the thread's hook
    if (manager->Hook() == nullptr) {
        data.reset();
        skin::win::FreeSkinManager();
        return SKIN_FAILED;
    }
    data->SetActive(true);
    // Windows already on screen are skinned now rather than when the activation action runs.
    manager->Enabled = true;
    manager->Forced = true;
    manager->SkinThreadWindows();
    manager->Forced = false;
    t_skinData = data.release();
    return SKIN_OK;
}

int Switch(std::vector<std::uint8_t> package) {
    if (t_skinData == nullptr) return SKIN_NOT_STARTED;
    return t_skinData->LoadSkinPackage(std::move(package)) ? SKIN_OK : SKIN_BAD_SKIN;
}

// Reads a skin file into `package`; a SkinResult.
int ReadFile(const wchar_t* path, std::vector<std::uint8_t>& package) {
    if (path == nullptr || *path == 0) return SKIN_BAD_ARGUMENT;
    std::optional<std::vector<std::uint8_t>> file;
    try {
        file = skin::LoadSkinFile(std::filesystem::path(path));
    } catch (const skin::SkinStreamError&) {
        return SKIN_NO_FILE;  // unreadable or too large
    }
    if (!file) return SKIN_NO_FILE;
    package = std::move(*file);
    return SKIN_OK;
}

int CopyBytes(const void* bytes, size_t size, std::vector<std::uint8_t>& package) {
    if (bytes == nullptr || size == 0) return SKIN_BAD_ARGUMENT;
    const auto* first = static_cast<const std::uint8_t*>(bytes);
    package.assign(first, first + size);
    return SKIN_OK;
}

// Runs `action` with the package that `read` fills; a failure to allocate (or any other
// exception) becomes a result, as nothing may leave a C entry point.
template <typename Read, typename Action>
int WithPackage(Read read, Action action) {
    try {
        std::vector<std::uint8_t> package;
        if (const int result = read(package); result != SKIN_OK) return result;
        return action(std::move(package));
    } catch (...) {
        return SKIN_FAILED;
    }
}

}  // namespace

extern "C" {

int WINAPI SkinStartFile(const wchar_t* path) {
    return WithPackage([path](auto& package) { return ReadFile(path, package); }, Start);
}

int WINAPI SkinStartMemory(const void* package, size_t size) {
    return WithPackage([=](auto& bytes) { return CopyBytes(package, size, bytes); }, Start);
}

int WINAPI SkinStartResource(HMODULE module, const wchar_t* name) {
    if (name == nullptr) return SKIN_BAD_ARGUMENT;
    const std::span<const std::uint8_t> resource =
        skin::win::RcDataResource(module != nullptr ? module : GetModuleHandleW(nullptr), name);
    if (resource.data() == nullptr) return SKIN_NO_FILE;
    const std::span<const std::uint8_t> package = skin::UnframedPackage(resource);
    return SkinStartMemory(package.data(), package.size());
}

int WINAPI SkinSwitchFile(const wchar_t* path) {
    if (t_skinData == nullptr) return SKIN_NOT_STARTED;
    return WithPackage([path](auto& package) { return ReadFile(path, package); }, Switch);
}

int WINAPI SkinSwitchMemory(const void* package, size_t size) {
    if (t_skinData == nullptr) return SKIN_NOT_STARTED;
    return WithPackage([=](auto& bytes) { return CopyBytes(package, size, bytes); }, Switch);
}

void WINAPI SkinStop(void) {
    TSkinData* data = t_skinData;
    if (data == nullptr) return;
    t_skinData = nullptr;
    try {
        if (TSkinManage* manager = skin::win::SkinManager) manager->DetachAll();
        delete data;
        skin::win::FreeSkinManager();  // its popup skins and its hook go with it
    } catch (...) {
        // Giving the windows back does not throw; should a handler of the program's do so, the
        // thread is left unskinned all the same.
    }
}

BOOL WINAPI SkinIsWindowSkinned(HWND window) {
    if (window == nullptr || !IsWindow(window)) return FALSE;
    return SendMessageW(window, skin::win::SM_ISSKINNED, 0, 0) == 1 ? TRUE : FALSE;
}

const wchar_t* WINAPI SkinResultText(int result) {
    switch (result) {
        case SKIN_OK: return L"done";
        case SKIN_NO_FILE: return L"the skin file or resource does not exist or cannot be read";
        case SKIN_BAD_SKIN: return L"not a skin package, or its skin cannot be loaded";
        case SKIN_NOT_STARTED: return L"skinning was not started on this thread";
        case SKIN_BAD_ARGUMENT: return L"no skin given";
        case SKIN_FAILED: return L"the skin engine could not start";
        default: return L"unknown result";
    }
}

}  // extern "C"
