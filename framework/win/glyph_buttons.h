// Check boxes and radio buttons painted by the framework, either in a built-in look or from a
// strip of pictures (CustomGlyphs) supplied by the program.
#pragma once

#include "framework/win/bitmap.h"
#include "framework/win/win_control.h"

#include <memory>

// What TGlyphCheckBox and TGlyphRadioButton share: the glyph strip, the pressed look, the
// caption right of the glyph, toggling on click and Space.
//
// CustomGlyphs is a strip of equally wide frames side by side in three groups: first the normal
// group, then the pressed one, then the disabled one. Within a group the frames follow the
// states: for a check box unchecked, checked, grayed (9 frames); for a radio button unchecked,
// checked (6 frames). Pixels of TransparentColor let the background show through.
class TCustomGlyphButton : public TCustomControl {
    T_CLASS_PUBLISHED(TCustomGlyphButton, TCustomControl)
public:
    explicit TCustomGlyphButton(TComponent* owner);
    ~TCustomGlyphButton() override;

    TBitmap* CustomGlyphs() { return glyphs_.get(); }
    void SetCustomGlyphs(TBitmap* value);
    TColor TransparentColor() const { return transparentColor_; }
    void SetTransparentColor(TColor value);
    // Draw from CustomGlyphs instead of the built-in look; setting it (again) takes in what the
    // strip holds now.
    bool UseCustomGlyphs() const { return useCustomGlyphs_; }
    void SetUseCustomGlyphs(bool value);
    // Where the glyph is drawn in the client area.
    RECT GlyphRect() const;
    static TPropList Published();

protected:
    // The state drawn (0 .. StateCount() - 1) and how many states the strip has per group.
    virtual int GlyphState() const = 0;
    virtual int StateCount() const = 0;
    // Built-in look of the current state (a DFCS_BUTTON* kind).
    virtual UINT FrameControlKind() const = 0;
    void Paint() override;
    void WndProc(TMessage& message) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void EnabledChanged() override;

private:
    // Reads the frame size from the strip; zero without a usable strip.
    void LoadGlyphs();
    SIZE GlyphSize() const;
    void DrawCustomGlyph(HDC dc, const RECT& target);

    std::unique_ptr<TBitmap> glyphs_;
    TColor transparentColor_ = clFuchsia;
    bool useCustomGlyphs_ = false;
    bool pressed_ = false;
    int frameWidth_ = 0;
    int frameHeight_ = 0;
};

class TGlyphCheckBox : public TCustomGlyphButton {
    T_CLASS_PUBLISHED(TGlyphCheckBox, TCustomGlyphButton)
public:
    // 97x17, unchecked, tab stop.
    explicit TGlyphCheckBox(TComponent* owner);
    bool Checked() const { return state_ == cbChecked; }
    void SetChecked(bool value) { SetState(value ? cbChecked : cbUnchecked); }
    TCheckBoxState State() const { return state_; }
    void SetState(TCheckBoxState value);
    // Clicks go through the grayed state too.
    bool AllowGrayed() const { return allowGrayed_; }
    void SetAllowGrayed(bool value) { allowGrayed_ = value; }
    // A click (mouse or Space) moves to the next state, then runs OnClick.
    void Click() override;
    static TPropList Published();

protected:
    int GlyphState() const override { return static_cast<int>(state_); }
    int StateCount() const override { return 3; }
    UINT FrameControlKind() const override;

private:
    TCheckBoxState state_ = cbUnchecked;
    bool allowGrayed_ = false;
};

class TGlyphRadioButton : public TCustomGlyphButton {
    T_CLASS_PUBLISHED(TGlyphRadioButton, TCustomGlyphButton)
public:
    // 113x17, unchecked, tab stop.
    explicit TGlyphRadioButton(TComponent* owner);
    bool Checked() const { return checked_; }
    // Checking unchecks the other glyph radio buttons of the same parent.
    void SetChecked(bool value);
    // A click checks the button, then runs OnClick.
    void Click() override;
    static TPropList Published();

protected:
    int GlyphState() const override { return checked_ ? 1 : 0; }
    int StateCount() const override { return 2; }
    UINT FrameControlKind() const override;

private:
    bool checked_ = false;
};
