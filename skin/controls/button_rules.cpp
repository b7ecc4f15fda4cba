#include "skin/controls/button_rules.h"

namespace skin::controls {

namespace {

// Normal, then focused and default in the given order of precedence, then pressed or hot, and
// disabled above all.
int FrameByPrecedence(const ButtonFacts& f, bool focusBeatsDefault) {
    int frame = kButtonNormal;
    if (focusBeatsDefault) {
        if (f.Default) frame = kButtonDefault;
        if (f.Focused) frame = kButtonHot;
    } else {
        if (f.Focused) frame = kButtonHot;
        if (f.Default) frame = kButtonDefault;
    }
    if (f.Pressed)
        frame = kButtonPressed;
    else if (f.Hot)
        frame = kButtonHot;
    if (f.Disabled) frame = kButtonDisabled;
    return frame;
}

}  // namespace

int PushButtonFrame(const ButtonFacts& f) { return FrameByPrecedence(f, false); }

int BitButtonFrame(const ButtonFacts& f) { return FrameByPrecedence(f, true); }

int SpeedButtonFrame(const ButtonFacts& f) {
    int frame = f.Pressed ? kButtonPressed : f.Hot ? kButtonHot : kButtonNormal;
    if (f.Down)
        frame = kButtonPressed;
    else if (f.Disabled)
        frame = kButtonDisabled;
    return frame;
}

int GlyphFrameForButton(int buttonFrame) {
    switch (buttonFrame) {
        case kButtonPressed: return 3;
        case kButtonDisabled: return 2;
        default: return 1;
    }
}

GlyphLayoutResult LayOutGlyph(const GlyphLayoutInput& in) {
    const bool horizontal = in.Layout == GlyphLayout::Left || in.Layout == GlyphLayout::Right;
    const int main = horizontal ? in.Width : in.Height;
    const int glyph = horizontal ? in.GlyphWidth : in.GlyphHeight;
    const int text = horizontal ? in.TextWidth : in.TextHeight;
    int margin = in.Margin;
    int spacing = in.Spacing;
    if (in.TextWidth == 0 || in.GlyphWidth == 0) spacing = 0;
    if (margin == -1 || in.Centre) {
        if (spacing == -1) {
            margin = (main - (glyph + text)) / 3;
            spacing = margin;
        } else {
            margin = (main - (glyph + spacing + text)) / 2;
            if (in.SpeedButton && in.Margin == -1) margin += 1;
        }
    }
    if (margin != -1 && !in.Centre && spacing == -1) spacing = (main - margin - glyph - text) / 2;

    GlyphLayoutResult r;
    r.Margin = margin;
    r.Spacing = spacing;
    if (horizontal) {
        r.GlyphY = (in.Height - in.GlyphHeight + 1) / 2;
        r.TextY = (in.Height - in.TextHeight + 1) / 2;
    } else {
        r.GlyphX = (in.Width - in.GlyphWidth + 1) / 2;
        r.TextX = (in.Width - in.TextWidth + 1) / 2;
    }
    switch (in.Layout) {
        case GlyphLayout::Left:
            r.GlyphX = margin;
            r.TextX = margin + in.GlyphWidth + spacing;
            break;
        case GlyphLayout::Right:
            r.GlyphX = in.Width - margin - in.GlyphWidth;
            r.TextX = r.GlyphX - spacing - in.TextWidth;
            break;
        case GlyphLayout::Top:
            r.GlyphY = margin;
            r.TextY = margin + in.GlyphHeight + spacing;
            break;
        case GlyphLayout::Bottom:
            r.GlyphY = in.Height - margin - in.GlyphHeight;
            r.TextY = r.GlyphY - spacing - in.TextHeight;
            break;
    }
    return r;
}

}  // namespace skin::controls
