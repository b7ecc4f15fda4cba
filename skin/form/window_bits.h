#pragma once
// Window style, extended style and hit-test values that the form logic reads. They are the
// values Windows defines; this portable code cannot include <windows.h>, so it names them here.

#include <cstdint>

namespace skin::form {

namespace style {
inline constexpr std::uint32_t kPopup = 0x80000000u;
inline constexpr std::uint32_t kChild = 0x40000000u;
inline constexpr std::uint32_t kCaption = 0x00C00000u;  // border and dialog-frame bits together
inline constexpr std::uint32_t kSystemMenu = 0x00080000u;
inline constexpr std::uint32_t kThickFrame = 0x00040000u;
inline constexpr std::uint32_t kMinimizeBox = 0x00020000u;
inline constexpr std::uint32_t kMaximizeBox = 0x00010000u;
inline constexpr std::uint32_t kDialogModalFrame = 0x00000080u;  // DS_MODALFRAME
}  // namespace style

namespace exstyle {
inline constexpr std::uint32_t kDialogModalFrame = 0x00000001u;
inline constexpr std::uint32_t kMdiChild = 0x00000040u;
inline constexpr std::uint32_t kLeftScrollBar = 0x00004000u;  // the right-to-left layout flag we honour
inline constexpr std::uint32_t kAppWindow = 0x00040000u;
}  // namespace exstyle

namespace hit {
inline constexpr int kNowhere = 0;
inline constexpr int kClient = 1;
inline constexpr int kCaption = 2;
inline constexpr int kMenu = 5;
}  // namespace hit

enum class WindowState : std::uint8_t { Normal = 0, Maximized = 1, Minimized = 2 };

enum class MdiRole : std::uint8_t { None = 0, Frame = 1, Child = 2 };

}  // namespace skin::form
