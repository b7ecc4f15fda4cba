#pragma once
// One window's caption button: the skin's button description, shared by every skinned window and
// never written, plus what belongs to this window alone (place, visibility, state, and for the
// icon button its own picture and frame count).

#include <vector>

#include "skin/data/skin_objects_set.h"

namespace skin::form {

enum class ButtonState : int { Normal = 1, Pressed = 2, Hot = 3 };

struct CaptionButton {
    const TDataSkinSysButton* Skin = nullptr;  // set by MakeCaptionButtons, never null afterwards
    // Icon buttons show the window icon, so their picture may be this window's own.
    Bitmap OwnPicture;
    // At least 1; icon buttons always 1.
    int FrameCount = 1;
    Rect BoundsRect;
    bool Visible = false;
    ButtonState State = ButtonState::Normal;

    const Bitmap& Picture() const { return OwnPicture.Empty() ? Skin->Map : OwnPicture; }
    int Action() const { return Skin->Action; }
};

// The button actions that show the window icon instead of an image.
constexpr bool ShowsWindowIcon(int action) { return action == 3 || action == 11; }

// One button per caption button of the skin, in order. An icon button whose skin image is empty
// takes a copy of `windowIcon` (the window's small icon picture).
std::vector<CaptionButton> MakeCaptionButtons(const TSkinObjects& objects, const Bitmap& windowIcon);

}  // namespace skin::form
