#include "skin/form/caption_button.h"

#include <algorithm>

namespace skin::form {

std::vector<CaptionButton> MakeCaptionButtons(const TSkinObjects& objects, const Bitmap& windowIcon) {
    std::vector<CaptionButton> buttons;
    buttons.reserve(objects.SysButtons.size());
    for (const auto& skinButton : objects.SysButtons) {
        if (!skinButton) continue;
        CaptionButton& button = buttons.emplace_back();
        button.Skin = skinButton.get();
        button.FrameCount = std::max(skinButton->FrameCount, 1);
        if (ShowsWindowIcon(skinButton->Action)) {
            button.FrameCount = 1;
            if (skinButton->Map.Empty()) button.OwnPicture = windowIcon;
        }
    }
    return buttons;
}

}  // namespace skin::form
