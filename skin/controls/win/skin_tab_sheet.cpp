#include "skin/controls/win/skin_tab_sheet.h"

#include "framework/typinfo.h"
#include "framework/win/win_control.h"
#include "skin/data/ascii_case.h"
#include "skin/data/win/skin_data.h"

namespace skin::win {

void TSkinTabSheet::InitSkin(TSkinForm* form, TSkinData* skinData, bool setColor) {
    TSkinControl::InitSkin(form, skinData, setColor);
    if (!inited_ || control_ == nullptr) return;
    // A page showing its parent through it is left to paint itself.
    if (parentBack_ || PropIsTrue(control_, "ParentBackground")) flag_ = 1;
}

bool TSkinTabSheet::BeforeProc(TMessage& message) {
    if (!TSkinControl::BeforeProc(message)) return false;
    if (flag_ != 0) return true;
    switch (message.Msg) {
        case WM_PAINT:
        case WM_PRINT: PaintWhole(message); return false;
        case WM_ERASEBKGND: {
            RECT client{};
            GetClientRect(handle_, &client);
            FillFace(reinterpret_cast<HDC>(message.WParam), client);
            message.Result = 1;
            return false;
        }
        default: return true;
    }
}

void TSkinTabSheet::PaintControl(HDC dc) {
    // A page left to paint itself is not painted over after its own painting.
    if (flag_ == 0) TSkinControl::PaintControl(dc);
}

void TSkinTabSheet::DrawControl(HDC dc, const RECT& rect) {
    FillFace(dc, rect);
    // The page's own painting was skipped: its windowless controls are painted here.
    if (control_ != nullptr && TControl::IsLive(control_)) control_->PaintControls(dc);
}

}  // namespace skin::win
