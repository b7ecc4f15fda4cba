#include "skin/form/caption_button_rules.h"

#include <algorithm>

namespace skin::form {
namespace {

constexpr int kCloseAction = 0;
constexpr int kMdiVisibility = 100;

bool AskApplication(const CaptionButtonContext& c, int index) {
    return c.ApplicationShows && c.ApplicationShows(index);
}

// The condition from Visibility.
bool FirstCondition(const TDataSkinSysButton& button, int index, const CaptionButtonContext& c) {
    const int value = button.Visibility;
    switch (value) {
        case -1: return true;
        case 0: return button.Action != kCloseAction || c.Saved.HasSystemMenu();
        case 1: return c.Maximized;
        case 2: return !c.Maximized;
        case 3: return c.Active;
        case 4: return !c.Active;
        case 6: return c.Saved.HasMaximizeBox() && c.Saved.HasSystemMenu();
        case 7: return !c.Saved.HasMaximizeBox();
        case 8: return c.Saved.HasMinimizeBox() && c.Saved.HasSystemMenu();
        case 9: return !c.Saved.HasMinimizeBox();
        case kMdiVisibility: return c.HostsMaximizedMdiChild && c.MenuBarHeight > 0;
        case 200: return c.Kind == FrameKind::Dialog && !c.IsDialog;
        default: break;
    }
    if (value >= 201 && value <= 999) return true;
    if (value >= 1000 && value <= 2000) return AskApplication(c, index);
    return false;
}

// The condition from Visibility1. Values from 200 up have no second condition of their own and
// keep a button hidden, as skins have always seen it.
bool SecondCondition(const TDataSkinSysButton& button, bool first, const CaptionButtonContext& c) {
    switch (button.Visibility1) {
        case -1: return false;
        case 0: return true;
        case 1: return c.Maximized;
        case 2: return !c.Maximized;
        case 3: return c.Active;
        case 4: return !c.Active;
        case 6: return c.Saved.HasMaximizeBox();
        case 7: return !c.Saved.HasMaximizeBox();
        case 8: return c.Saved.HasMinimizeBox();
        case 9: return !c.Saved.HasMinimizeBox();
        case kMdiVisibility: return first;
        default: return false;
    }
}

bool ActionAllowed(int action, const CaptionButtonContext& c) {
    switch (action) {
        case 1: return c.Saved.HasMaximizeBox();
        case 2: return c.Saved.HasMinimizeBox();
        case 3:
        case 11:
        case 12: return c.Kind != FrameKind::Dialog;
        default: return true;
    }
}

}  // namespace

bool IsCaptionButtonVisible(const TDataSkinSysButton& button, int index, const CaptionButtonContext& c) {
    const bool first = FirstCondition(button, index, c);
    return first && SecondCondition(button, first, c) && ActionAllowed(button.Action, c);
}

void UpdateCaptionButtonVisibility(std::span<CaptionButton> buttons, const CaptionButtonContext& c) {
    for (std::size_t i = 0; i < buttons.size(); ++i)
        buttons[i].Visible = IsCaptionButtonVisible(*buttons[i].Skin, static_cast<int>(i), c);
}

int CaptionPaintFrame(const CaptionButton& button, bool active) {
    constexpr int kInactiveFrame = 4;
    return (active || button.FrameCount < kInactiveFrame) ? 1 : kInactiveFrame;
}

int StateFrame(const CaptionButton& button, ButtonState state) {
    int frame = static_cast<int>(state);
    if (state == ButtonState::Hot && button.Skin->Visibility == kMdiVisibility) frame = 4;
    return std::clamp(frame, 1, std::max(button.FrameCount, 1));
}

bool IsDrawnOnCaption(const CaptionButton& button) {
    return button.Visible && !button.Picture().Empty() && button.Skin->Visibility != kMdiVisibility;
}

CaptionClick ClassifyCaptionClick(int action) {
    if (action < 0) return CaptionClick::None;
    switch (action) {
        case 0: return CaptionClick::Close;
        case 1:
        case 22: return CaptionClick::ToggleMaximize;
        case 2:
        case 23: return CaptionClick::ToggleMinimize;
        case 3:
        case 11:
        case 12: return CaptionClick::SystemMenu;
        case 7:
        case 60: return CaptionClick::MdiChildMinimize;
        case 8:
        case 61: return CaptionClick::MdiChildRestore;
        case 9:
        case 62: return CaptionClick::MdiChildClose;
        default: return CaptionClick::Application;
    }
}

bool IsSystemMenuCommand(unsigned command) {
    switch (command) {
        case 0xF000:  // SC_SIZE
        case 0xF010:  // SC_MOVE
        case 0xF020:  // SC_MINIMIZE
        case 0xF030:  // SC_MAXIMIZE
        case 0xF040:  // SC_NEXTWINDOW
        case 0xF050:  // SC_PREVWINDOW
        case 0xF060:  // SC_CLOSE
        case 0xF120:  // SC_RESTORE
            return true;
        default: return false;
    }
}

}  // namespace skin::form
