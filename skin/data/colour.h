#pragma once
// Colour values of the skin engine.
//
// A TColor is 0x00BBGGRR for an explicit colour. A value whose high byte is
// 0xFF names a system colour by its index in the low byte; turning such a value
// into pixels is a Windows concern (GetSysColor), so portable code only carries
// it around.

#include <cstdint>

namespace skin {

using TColor = std::uint32_t;

constexpr TColor MakeRgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  return static_cast<TColor>(red) | (static_cast<TColor>(green) << 8) |
         (static_cast<TColor>(blue) << 16);
}

constexpr std::uint8_t RedOf(TColor colour) { return static_cast<std::uint8_t>(colour & 0xFF); }
constexpr std::uint8_t GreenOf(TColor colour) { return static_cast<std::uint8_t>((colour >> 8) & 0xFF); }
constexpr std::uint8_t BlueOf(TColor colour) { return static_cast<std::uint8_t>((colour >> 16) & 0xFF); }

constexpr bool IsSystemColour(TColor colour) { return (colour & 0xFF000000u) == 0xFF000000u; }
constexpr int SystemColourIndex(TColor colour) { return static_cast<int>(colour & 0xFFu); }
constexpr TColor SystemColour(int index) { return 0xFF000000u | (static_cast<TColor>(index) & 0xFFu); }

// Explicit colours used by the engine.
constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clFuchsia = 0xFF00FF;  // magenta: the transparent key of every skin image

// System colours, indexed like the Windows COLOR_* constants.
constexpr TColor clScrollBar = 0xFF000000;
constexpr TColor clBackground = 0xFF000001;
constexpr TColor clActiveCaption = 0xFF000002;
constexpr TColor clInactiveCaption = 0xFF000003;
constexpr TColor clMenu = 0xFF000004;
constexpr TColor clWindow = 0xFF000005;
constexpr TColor clWindowFrame = 0xFF000006;
constexpr TColor clMenuText = 0xFF000007;
constexpr TColor clWindowText = 0xFF000008;
constexpr TColor clCaptionText = 0xFF000009;
constexpr TColor clActiveBorder = 0xFF00000A;
constexpr TColor clInactiveBorder = 0xFF00000B;
constexpr TColor clAppWorkSpace = 0xFF00000C;
constexpr TColor clHighlight = 0xFF00000D;
constexpr TColor clHighlightText = 0xFF00000E;
constexpr TColor clBtnFace = 0xFF00000F;
constexpr TColor clBtnShadow = 0xFF000010;
constexpr TColor clGrayText = 0xFF000011;
constexpr TColor clBtnText = 0xFF000012;
constexpr TColor clInactiveCaptionText = 0xFF000013;
constexpr TColor clBtnHighlight = 0xFF000014;
constexpr TColor cl3DDkShadow = 0xFF000015;
constexpr TColor cl3DLight = 0xFF000016;
constexpr TColor clInfoText = 0xFF000017;
constexpr TColor clInfoBk = 0xFF000018;
constexpr TColor clHotLight = 0xFF00001A;
constexpr TColor clGradientActiveCaption = 0xFF00001B;
constexpr TColor clGradientInactiveCaption = 0xFF00001C;
constexpr TColor clMenuHighlight = 0xFF00001D;
constexpr TColor clMenuBar = 0xFF00001E;

}  // namespace skin
