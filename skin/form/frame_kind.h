#pragma once
// How a window is framed, decided once when the form skin attaches, and which caption
// decorations it had before we took its caption away.

#include <cstdint>
#include <string_view>

namespace skin::form {

enum class FrameKind : std::uint8_t { Sizable = 0, Fixed = 1, BorderlessPopup = 2, Dialog = 3 };

struct FrameClass {
    FrameKind Kind = FrameKind::Fixed;
    bool IsDialog = false;  // a system dialog box or the framework's message dialog
};

// True for the class names of windows that are always framed as dialogs ("#32770",
// "TMessageForm"); Windows class names ignore case, so this does too.
bool IsDialogClassName(std::string_view className);

FrameClass ClassifyFrame(std::uint32_t style, std::uint32_t exStyle, std::string_view className);

// The caption decorations a window had at attach time, kept so that they can be given back.
struct SavedStyleBits {
    static constexpr std::uint8_t kMaximizeBox = 0x01;
    static constexpr std::uint8_t kMinimizeBox = 0x02;
    static constexpr std::uint8_t kSystemMenu = 0x08;
    static constexpr std::uint8_t kCaptionRemoved = 0x10;

    std::uint8_t Bits = 0;

    bool HasMaximizeBox() const { return (Bits & kMaximizeBox) != 0; }
    bool HasMinimizeBox() const { return (Bits & kMinimizeBox) != 0; }
    bool HasSystemMenu() const { return (Bits & kSystemMenu) != 0; }
    bool CaptionRemoved() const { return (Bits & kCaptionRemoved) != 0; }
    bool operator==(const SavedStyleBits&) const = default;
};

// `hasSystemMenu`: GetSystemMenu gave a menu, which counts even without WS_SYSMENU.
SavedStyleBits SaveStyleBits(std::uint32_t style, bool hasSystemMenu);

}  // namespace skin::form
