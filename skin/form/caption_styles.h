#pragma once
// Which caption style bits a skinned window loses while skinned and gets back afterwards.

#include <cstdint>
#include <optional>

#include "skin/form/frame_kind.h"
#include "skin/form/window_bits.h"

namespace skin::form {

struct OsVersion {
    bool IsNT = true;
    int Major = 0;
    int Minor = 0;
};

// From Windows XP (NT 5.1) on, a taskbar window keeps its caption style: the taskbar shows its
// buttons from it. Compared as a version, so 6.0 and 10.0 count as well.
bool TaskbarNeedsCaptionStyle(const OsVersion& os);

struct CaptionStyleContext {
    SavedStyleBits Saved;
    bool HasOwner = false;
    MdiRole Role = MdiRole::None;
    bool MdiChildMaximized = false;  // the skin manager's flag for the MDI application
    bool IsChild = false;            // WS_CHILD at attach time
    std::uint32_t ExStyle = 0;
    OsVersion Os;
};

struct CaptionStyleUpdate {
    std::uint32_t Style = 0;
    SavedStyleBits Saved;
};

// The new window style when the caption styles are removed (`restore` false) or given back,
// with the saved bits updated; nothing when the window keeps its style as it is (a maximized
// MDI child while the skin removes, a plain child window while the skin restores).
std::optional<CaptionStyleUpdate> UpdateCaptionStyles(std::uint32_t style, bool restore,
                                                      const CaptionStyleContext& context);

}  // namespace skin::form
