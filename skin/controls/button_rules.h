#pragma once
// Push-button rules shared by the button skins: which frame of the skin's five-frame button
// image a button shows, which glyph frame goes with it, and where a glyph and its caption go
// inside the button.

namespace skin::controls {

// Frames of the button image (1-based).
enum ButtonFrame : int {
    kButtonNormal = 1,
    kButtonPressed = 2,
    kButtonDisabled = 3,
    kButtonHot = 4,
    kButtonDefault = 5
};

struct ButtonFacts {
    bool Focused = false;
    bool Default = false;
    bool Pressed = false;
    bool Hot = false;
    bool Disabled = false;
    bool Down = false;  // speed buttons: held down
};

// A push button: focused shows hot, a default button its own frame, pressed or hot win over both.
int PushButtonFrame(const ButtonFacts& facts);
// A bitmap button: the focused frame wins over the default one.
int BitButtonFrame(const ButtonFacts& facts);
// A speed button: pressed, else hot, else normal; held down shows pressed, else disabled.
int SpeedButtonFrame(const ButtonFacts& facts);
// The frame of a NumGlyphs glyph bitmap for a button frame: 3 pressed, 2 disabled, else 1.
int GlyphFrameForButton(int buttonFrame);

enum class GlyphLayout { Left, Right, Top, Bottom };

struct GlyphLayoutInput {
    int Width = 0;  // the button's client size
    int Height = 0;
    int GlyphWidth = 0;  // one glyph frame; 0 x 0 without a glyph
    int GlyphHeight = 0;
    int TextWidth = 0;  // the measured caption; 0 x 0 without one
    int TextHeight = 0;
    int Margin = -1;  // -1: centred
    int Spacing = 4;  // -1: spread evenly
    GlyphLayout Layout = GlyphLayout::Left;
    bool Centre = false;       // the caption is centred (Alignment taCenter)
    bool SpeedButton = false;  // a centred speed button with a given spacing sits one pixel further on
};

struct GlyphLayoutResult {
    int GlyphX = 0, GlyphY = 0;
    int TextX = 0, TextY = 0;
    int Margin = 0, Spacing = 0;  // as used
    bool operator==(const GlyphLayoutResult&) const = default;
};

GlyphLayoutResult LayOutGlyph(const GlyphLayoutInput& in);

}  // namespace skin::controls
