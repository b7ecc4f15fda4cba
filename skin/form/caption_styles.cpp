#include "skin/form/caption_styles.h"

namespace skin::form {

bool TaskbarNeedsCaptionStyle(const OsVersion& os) {
    return os.IsNT && (os.Major > 5 || (os.Major == 5 && os.Minor >= 1));
}

std::optional<CaptionStyleUpdate> UpdateCaptionStyles(std::uint32_t style, bool restore, const CaptionStyleContext& c) {
    const bool mdiChild = c.Role == MdiRole::Child;
    if (!restore && mdiChild && c.MdiChildMaximized) return std::nullopt;
    if (restore && !mdiChild && c.IsChild) return std::nullopt;

    CaptionStyleUpdate update{style, c.Saved};
    if (restore) {
        if (c.Saved.HasSystemMenu()) update.Style |= style::kSystemMenu;
        if (c.Saved.HasMinimizeBox()) update.Style |= style::kMinimizeBox;
        if (c.Saved.HasMaximizeBox()) update.Style |= style::kMaximizeBox;
        if (c.Saved.CaptionRemoved()) update.Style |= style::kCaption;
        return update;
    }

    bool taskbarWindow = (!c.HasOwner && !mdiChild) || (c.ExStyle & exstyle::kAppWindow) != 0;
    if (TaskbarNeedsCaptionStyle(c.Os)) taskbarWindow = false;
    if (taskbarWindow) {
        update.Saved.Bits |= SavedStyleBits::kCaptionRemoved;
        update.Style &= ~style::kCaption;
    } else {
        // The caption stays, so the system would draw its own buttons in it unless they go.
        update.Style &= ~(style::kMinimizeBox | style::kMaximizeBox | style::kSystemMenu);
    }
    return update;
}

}  // namespace skin::form
