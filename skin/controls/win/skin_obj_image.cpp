#include "skin/controls/win/skin_obj_image.h"

#include <algorithm>

#include "framework/typinfo.h"
#include "framework/win/bitmap.h"
#include "framework/win/win_control.h"
#include "skin/controls/glyph_strip.h"
#include "skin/data/win/skin_data.h"
#include "skin/data/win/skin_image_dc.h"
#include "skin/form/win/skin_form.h"

namespace skin::win {

void TSkinObjImage::InitSkin(TSkinForm* form, TSkinData* skinData, bool setColor) {
    if (inited_) return;
    auto* control = dynamic_cast<TControl*>(Owner());
    if (control == nullptr) return;
    skinData_ = skinData;
    form_ = form;
    setColor_ = setColor;
    if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
        control_ = windowed;
        handle_ = windowed->HandleAllocated() ? windowed->Handle() : nullptr;
    } else {
        graphicControl_ = control;
    }
    if (form_ != nullptr) form_->AddControlSkin(this);  // a second add is ignored by the list
    // The control paints its own background around the glyph and caption: in the face colour.
    if (setColor_ && control_ != nullptr) TakeOverColors();
    HandOverGlyphs();
    inited_ = true;
    lifeState_ = kAttached;
}

void TSkinObjImage::SkinChange() {
    if (setColor_ && control_ != nullptr) control_->SetColor(FaceColor());
    HandOverGlyphs();
}

void TSkinObjImage::RestoreColors() {
    TSkinControl::RestoreColors();
    if (TControl* control = SkinnedControl(); control != nullptr && TControl::IsLive(control))
        SetPropValue(control, "UseCustomGlyphs", "false");
}

void TSkinObjImage::HandOverGlyphs() {
    TControl* control = SkinnedControl();
    if (control == nullptr || skinData_ == nullptr || !Objects().Buttons) return;
    const TDataSkinButton& buttons = *Objects().Buttons;
    const skin::Bitmap strip = mode_ == kRadioGlyphs
                                   ? skin::controls::BuildRadioGlyphStrip(buttons.RadioMap, buttons.RadioFrameCount)
                                   : skin::controls::BuildCheckGlyphStrip(buttons.CheckMap, buttons.CheckFrameCount);
    if (strip.Empty()) return;
    auto* target = dynamic_cast<TBitmap*>(GetObjectProp(control, "CustomGlyphs"));
    if (target == nullptr) return;
    TBitmap glyphs;
    glyphs.SetPixelFormat(pf32bit);
    glyphs.SetSize(strip.Width(), strip.Height());
    if (glyphs.Canvas()->Handle() == nullptr || !skin::DrawBitmap(glyphs.Canvas()->Handle(), 0, 0, strip)) return;
    target->Assign(&glyphs);
    SetPropValue(control, "transparentcolor", "16711935");  // 0xFF00FF: magenta is clear
    SetPropValue(control, "UseCustomGlyphs", "false");
    SetPropValue(control, "UseCustomGlyphs", "true");  // the control reloads its glyphs
}

}  // namespace skin::win
