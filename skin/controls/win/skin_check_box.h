#pragma once
// Check-box and radio-button skins: the glyph comes from the skin's check or radio strip. With a
// framework control the skin paints the whole control (parent's image, glyph, caption); on bare
// windows the control paints itself and the skin puts its glyph over the system one.

#include "skin/controls/check_glyph.h"
#include "skin/controls/win/skin_control.h"

namespace skin::win {

class TSkinCheckBox : public TSkinControl {
    T_CLASS(TSkinCheckBox, TSkinControl)
public:
    using TSkinControl::TSkinControl;
    void InitSkin(TSkinForm* form, TSkinData* skinData, bool setColor) override;
    void InitSkinHandle(HWND handle, TSkinData* skinData, TSkinForm* form) override;
    // A framework control is painted whole again: the new skin may have the glyphs the old lacked.
    void SkinChange() override;
    // 1: the skin paints the whole control; 0: only the glyph.
    int PaintMode() const { return flag_; }

protected:
    bool BeforeProc(TMessage& message) override;
    void AfterProc(TMessage& message) override;
    void DrawControl(HDC dc, const RECT& rect) override;

    virtual bool IsRadio() const { return false; }
    // The check state shown, before the disabled look.
    virtual skin::controls::CheckValue ReadCheckValue() const;
    // The glyph's place for a glyph of width x height inside `rect`.
    virtual RECT GlyphRect(const RECT& rect, int width, int height, bool leftText) const;
    virtual std::wstring Caption() const;
    bool LeftText() const;

    int checkState_ = 0;  // the last BM_SETCHECK's wParam + 1; 0 before any
};

class TSkinRadioButton : public TSkinCheckBox {
    T_CLASS(TSkinRadioButton, TSkinCheckBox)
public:
    using TSkinCheckBox::TSkinCheckBox;

protected:
    bool IsRadio() const override { return true; }
    skin::controls::CheckValue ReadCheckValue() const override;
    RECT GlyphRect(const RECT& rect, int width, int height, bool leftText) const override;
    std::wstring Caption() const override;
};

}  // namespace skin::win
