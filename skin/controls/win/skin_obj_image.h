#pragma once
// TSkinObjImage: for check boxes and radio buttons of other component sets that paint
// themselves from a replaceable glyph strip. Nothing is subclassed: the skin builds a strip from
// the skin's check or radio frames and hands it over through the control's published
// "CustomGlyphs", "transparentcolor" and "UseCustomGlyphs" properties.

#include "skin/controls/win/skin_control.h"

namespace skin::win {

class TSkinObjImage : public TSkinControl {
    T_CLASS(TSkinObjImage, TSkinControl)
public:
    enum Mode : int { kCheckGlyphs = 1, kRadioGlyphs = 2 };

    TSkinObjImage(TComponent* owner, int mode) : TSkinControl(owner), mode_(mode) {}

    int GlyphMode() const { return mode_; }
    void InitSkin(TSkinForm* form, TSkinData* skinData, bool setColor) override;
    void SkinChange() override;
    // The control goes back to its own glyphs.
    void RestoreColors() override;

private:
    void HandOverGlyphs();
    int mode_ = kCheckGlyphs;
};

}  // namespace skin::win
