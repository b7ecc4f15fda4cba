#include "skin/data/win/skin_reader_messages.h"

#include <windows.h>

#include <string>

namespace skin {

void ShowSkinOpenFailure(const TSkinOpenResult& result) {
    const std::string text = SkinOpenFailureMessage(result);
    if (text.empty()) return;
    MessageBoxA(nullptr, text.c_str(), kSkinMessageCaption, MB_OK | MB_ICONWARNING | MB_TASKMODAL);
}

bool OpenSkinPackage(TSkinReader& reader, std::span<const std::uint8_t> package) {
    const TSkinOpenResult result = reader.Open(package);
    ShowSkinOpenFailure(result);
    return result.Ok();
}

}  // namespace skin
