#pragma once
// The push-button skins: TSkinButton draws a button (framework or bare) from the skin's
// five-frame button image; TSkinBitButton adds a glyph laid out beside the caption;
// TSkinSpeedButton draws a windowless speed button on its parent.

#include <string>

#include "skin/controls/button_rules.h"
#include "skin/controls/win/skin_control.h"

class TBitmap;

namespace skin::win {

class TSkinButton : public TSkinControl {
    T_CLASS(TSkinButton, TSkinControl)
public:
    using TSkinControl::TSkinControl;
    void InitSkin(TSkinForm* form, TSkinData* skinData, bool setColor) override;
    // Whether a left press is held on the button with the mouse captured.
    bool Tracking() const { return tracking_; }

protected:
    bool BeforeProc(TMessage& message) override;
    void AfterProc(TMessage& message) override;
    void DrawControl(HDC dc, const RECT& rect) override;

    // The caption (a "||" becomes a line break) word-wrapped in `rect`, vertically centred and
    // horizontally centred for DT_CENTER; the focus rectangle around it when focused.
    void DrawButtonCaption(HDC dc, const RECT& rect, UINT align);
    // The text colour for a button frame: the skin's colour for that state when it gives one,
    // else `fallback`.
    COLORREF StateTextColor(int frame, COLORREF fallback) const;
    // The framework control's "Caption", else the window text.
    std::wstring CaptionText() const;
    // Draws the background, the button image (when `drawImage`) and, through DrawFace, what goes
    // on it into an off-screen copy put on `dc` at `rect` in one blit.
    void DrawButton(HDC dc, const RECT& rect, int frame, int frameCount, bool drawImage = true);
    virtual void DrawFace(HDC dc, const RECT& rect, int frame);
    void BecomeHover();
    void LeaveHover();

private:
    void Press(const TMessage& message);
    void TrackMove(const TMessage& message);
    void Release(const TMessage& message);
    bool tracking_ = false;  // a left press holds the mouse capture
};

class TSkinBitButton : public TSkinButton {
    T_CLASS(TSkinBitButton, TSkinButton)
public:
    using TSkinButton::TSkinButton;

protected:
    void DrawControl(HDC dc, const RECT& rect) override;
    void DrawFace(HDC dc, const RECT& rect, int frame) override;

    struct GlyphSource {
        TBitmap* Glyph = nullptr;
        TComponent* Images = nullptr;
        int NumGlyphs = 1;
        int ImageIndex = -1;
        int DisabledIndex = -1;
        int Width = 0;
        int Height = 0;
        bool Any() const { return Width > 0 && Height > 0; }
    };
    GlyphSource ReadGlyph() const;
    skin::controls::GlyphLayoutInput LayoutInput(HDC dc, const RECT& rect, const GlyphSource& glyph) const;
    // Glyph frame `index` (1-based) of a NumGlyphs glyph at (x, y); frame 2 (disabled) in grey.
    static void DrawGlyphFrame(HDC dc, int x, int y, const GlyphSource& glyph, int index);
};

class TSkinSpeedButton : public TSkinBitButton {
    T_CLASS(TSkinSpeedButton, TSkinBitButton)
public:
    using TSkinBitButton::TSkinBitButton;

protected:
    bool BeforeProc(TMessage& message) override;
    void AfterProc(TMessage& message) override;
    void PaintControl(HDC dc) override;
    void DrawControl(HDC dc, const RECT& rect) override;
    void DrawFace(HDC dc, const RECT& rect, int frame) override;

private:
    void SetPressed(bool pressed);
    bool held_ = false;  // the left button went down on the button and is still down
};

}  // namespace skin::win
