#pragma once
// When a caption button shows, which frame of its strip is drawn, and what a click on it means.

#include <functional>
#include <span>

#include "skin/form/caption_button.h"
#include "skin/form/frame_kind.h"

namespace skin::form {

struct CaptionButtonContext {
    SavedStyleBits Saved;
    FrameKind Kind = FrameKind::Fixed;
    bool IsDialog = false;
    bool Active = true;
    bool Maximized = false;
    // The window is an MDI frame whose active child is maximized.
    bool HostsMaximizedMdiChild = false;
    int MenuBarHeight = 0;
    // Answer of the window to "is caption button `index` visible?" for the application-defined
    // visibilities 1000 to 2000; no answer means hidden.
    std::function<bool(int index)> ApplicationShows;
};

// Visibility from the skin's two conditions (Visibility and Visibility1), then hidden when the
// window lacks what the action needs (a maximize or minimize box, or a system menu on a dialog).
bool IsCaptionButtonVisible(const TDataSkinSysButton& button, int index, const CaptionButtonContext& context);

// Recomputes Visible of every button (index = position in the list).
void UpdateCaptionButtonVisibility(std::span<CaptionButton> buttons, const CaptionButtonContext& context);

// Frame drawn when the whole caption is painted: 1, or 4 (inactive) for an inactive window whose
// strip has the inactive frame.
int CaptionPaintFrame(const CaptionButton& button, bool active);

// Frame drawn for a mouse state; MDI buttons in the menu bar keep their hot look in frame 4.
// Never beyond the strip's frame count.
int StateFrame(const CaptionButton& button, ButtonState state);

// Drawn on the caption strip: visible, with a picture, and not an MDI button (those live in the
// menu bar).
bool IsDrawnOnCaption(const CaptionButton& button);

enum class CaptionClick {
    None,  // decorative button
    Close,
    ToggleMaximize,
    ToggleMinimize,
    SystemMenu,
    MdiChildMinimize,
    MdiChildRestore,
    MdiChildClose,
    Application,  // reported to the window with the action number
};

CaptionClick ClassifyCaptionClick(int action);

// WM_COMMAND identifiers that come from the system menu and must go back as WM_SYSCOMMAND.
bool IsSystemMenuCommand(unsigned command);

}  // namespace skin::form
