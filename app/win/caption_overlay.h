#pragma once
// The paint handler every window of the application shares: the window's
// caption in bold 10 pt "MS Sans Serif", without background, at 30,4 of the
// window's outer rectangle, over the title bar.

class TCustomForm;

// The text is drawn through the window's own device context, so it lands only
// on the visible parts of this window and never on a window covering it.
void CaptionOverlay(TCustomForm& form);

// Where the overlay text starts, in window coordinates.
inline constexpr int kCaptionOverlayX = 30;
inline constexpr int kCaptionOverlayY = 4;
