#include "skin/form/frame_kind.h"

#include "skin/form/window_bits.h"

namespace skin::form {
namespace {

bool EqualNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i])) return false;
    return true;
}

}  // namespace

bool IsDialogClassName(std::string_view className) {
    return EqualNoCase(className, "#32770") || EqualNoCase(className, "TMessageForm");
}

FrameClass ClassifyFrame(std::uint32_t style, std::uint32_t exStyle, std::string_view className) {
    FrameClass result;
    // A popup counts as borderless unless it carries the full caption (border and dialog frame).
    if ((style & style::kPopup) != 0 && (style & style::kCaption) != style::kCaption)
        result.Kind = FrameKind::BorderlessPopup;
    else if ((style & style::kThickFrame) != 0)
        result.Kind = FrameKind::Sizable;
    else if ((style & style::kDialogModalFrame) != 0)
        result.Kind = FrameKind::Dialog;

    if ((exStyle & exstyle::kDialogModalFrame) != 0) result.Kind = FrameKind::Dialog;
    if (IsDialogClassName(className)) {
        result.Kind = FrameKind::Dialog;
        result.IsDialog = true;
    }
    return result;
}

SavedStyleBits SaveStyleBits(std::uint32_t style, bool hasSystemMenu) {
    SavedStyleBits saved;
    if ((style & style::kSystemMenu) != 0 || hasSystemMenu) saved.Bits |= SavedStyleBits::kSystemMenu;
    if ((style & style::kMinimizeBox) != 0) saved.Bits |= SavedStyleBits::kMinimizeBox;
    if ((style & style::kMaximizeBox) != 0) saved.Bits |= SavedStyleBits::kMaximizeBox;
    return saved;
}

}  // namespace skin::form
