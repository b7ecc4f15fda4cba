#include "skin/data/win/rcdata_resource.h"

namespace skin::win {

std::span<const std::uint8_t> RcDataResource(HMODULE module, const wchar_t* name) {
    HRSRC info = FindResourceW(module, name, MAKEINTRESOURCEW(10) /* RT_RCDATA */);
    HGLOBAL handle = info != nullptr ? LoadResource(module, info) : nullptr;
    const void* data = handle != nullptr ? LockResource(handle) : nullptr;
    if (data == nullptr) return {};
    return {static_cast<const std::uint8_t*>(data), SizeofResource(module, info)};
}

}  // namespace skin::win
