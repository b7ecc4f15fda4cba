#include "skin/controls/win/skin_check_box.h"

#include "base/win/handles.h"
#include "skin/controls/frame_count.h"
#include "framework/typinfo.h"
#include "framework/win/text.h"
#include "framework/win/win_control.h"
#include "skin/data/ascii_case.h"
#include "skin/data/win/skin_data.h"

namespace skin::win {

namespace {

using skin::controls::CheckValue;

// The framework's notification that a check box or radio button changed its check.
constexpr UINT kCheckChanged = CM_BASE + 27;
constexpr UINT kCheckChangedAlt = 0xB0D0;
// Room the caption leaves for the glyph.
constexpr int kGlyphColumn = 18;

}  // namespace

void TSkinCheckBox::InitSkin(TSkinForm* form, TSkinData* skinData, bool setColor) {
    TSkinControl::InitSkin(form, skinData, setColor);
    if (control_ != nullptr) flag_ = 1;
}

void TSkinCheckBox::InitSkinHandle(HWND handle, TSkinData* skinData, TSkinForm* form) {
    TSkinControl::InitSkinHandle(handle, skinData, form);
    flag_ = 0;
}

void TSkinCheckBox::SkinChange() {
    flag_ = control_ != nullptr ? 1 : 0;
    TSkinControl::SkinChange();
}

bool TSkinCheckBox::BeforeProc(TMessage& message) {
    if (!TSkinControl::BeforeProc(message)) return false;
    if (flag_ != 1) return true;
    switch (message.Msg) {
        case WM_PAINT:
        case WM_PRINTCLIENT:
        case WM_PRINT: PaintWhole(message); return false;
        case WM_ERASEBKGND: EraseToParent(message); return false;
        default: return true;
    }
}

void TSkinCheckBox::AfterProc(TMessage& message) {
    switch (message.Msg) {
        case BM_SETCHECK:
            if (!IsRadio()) checkState_ = static_cast<int>(message.WParam) + 1;
            Repaint();
            break;
        case BM_SETSTATE:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_LBUTTONDBLCLK:
        case kCheckChanged:
        case kCheckChangedAlt: Repaint(); break;
        case WM_KEYUP:
            if (message.WParam == VK_SPACE) Repaint();
            break;
        default: TSkinControl::AfterProc(message); break;
    }
}

CheckValue TSkinCheckBox::ReadCheckValue() const {
    const LRESULT state = SendMessageW(handle_, BM_GETSTATE, 0, 0);
    int index = (state & BST_CHECKED) != 0 ? 2 : 1;
    if (const TControl* control = SkinnedControl()) {
        if (const auto checkState = LowerEnumProp(control, "State")) {
            if (checkState->find("uncheck") != std::string::npos)
                index = 1;
            else if (checkState->find("check") != std::string::npos)
                index = 2;
            else if (checkState->find("gray") != std::string::npos)
                index = 4;
        } else if (const auto checked = LowerEnumProp(control, "Checked")) {
            index = *checked == "true" ? 2 : 1;
        }
        if (GetPropInfo(control, "DataField") != nullptr && checkState_ != 0)
            index = checkState_ == 3 ? 4 : checkState_;
    }
    if ((state & BST_INDETERMINATE) != 0 || SendMessageW(handle_, BM_GETCHECK, 0, 0) == BST_INDETERMINATE) index = 4;
    return index == 4 ? CheckValue::Indeterminate : index == 2 ? CheckValue::Checked : CheckValue::Unchecked;
}

CheckValue TSkinRadioButton::ReadCheckValue() const {
    bool checked = (SendMessageW(handle_, BM_GETCHECK, 0, 0) & BST_CHECKED) != 0;
    if (const TControl* control = SkinnedControl())
        if (const auto value = LowerEnumProp(control, "Checked")) checked = *value == "true";
    return checked ? CheckValue::Checked : CheckValue::Unchecked;
}

bool TSkinCheckBox::LeftText() const {
    if ((GetLong(GWL_STYLE) & BS_LEFTTEXT) != 0) return true;
    const TControl* control = SkinnedControl();
    const auto alignment = control != nullptr ? LowerEnumProp(control, "Alignment") : std::nullopt;
    return alignment && *alignment == "taleftjustify";
}

RECT TSkinCheckBox::GlyphRect(const RECT& rect, int width, int height, bool leftText) const {
    const int top = rect.top + (rect.bottom - rect.top - height) / 2;
    const int left = leftText ? rect.right - width : rect.left;
    return RECT{left, top, left + width, top + height};
}

RECT TSkinRadioButton::GlyphRect(const RECT& rect, int width, int height, bool leftText) const {
    // Narrow glyphs sit in the middle of a 15-pixel column.
    const int top = rect.top + (rect.bottom - rect.top - height) / 2;
    int left = 0;
    if (width < 15)
        left = leftText ? rect.right - (14 - width) / 2 - width : rect.left + (14 - width) / 2;
    else
        left = leftText ? rect.right - 1 - width : rect.left;
    return RECT{left, top, left + width, top + height};
}

std::wstring TSkinCheckBox::Caption() const {
    std::wstring text = WindowText();
    if (text.empty())
        if (const TControl* control = SkinnedControl()) text = WidenText(control->Caption());
    return text;
}

std::wstring TSkinRadioButton::Caption() const {
    if (const TControl* control = SkinnedControl()) return WidenText(control->Caption());
    return WindowText();
}

void TSkinCheckBox::DrawControl(HDC dc, const RECT& rect) {
    const TDataSkinButton* buttons = Objects().Buttons.get();
    const skin::Bitmap* map = buttons == nullptr ? nullptr : IsRadio() ? &buttons->RadioMap : &buttons->CheckMap;
    if (map == nullptr || map->Empty()) {
        // Without a glyph image the control paints itself again.
        if (flag_ == 1) {
            flag_ = 0;
            Repaint();
        }
        return;
    }
    const int count = skin::controls::UsableFrameCount(IsRadio() ? buttons->RadioFrameCount : buttons->CheckFrameCount);
    const TControl* control = SkinnedControl();
    enabledWnd_ = control != nullptr ? control->Enabled() : IsWindowEnabled(handle_) != FALSE;
    const int frame = skin::controls::CheckGlyphFrame(count, ReadCheckValue(), !enabledWnd_, IsRadio());
    if (frame == 0) return;
    const bool leftText = LeftText();
    const RECT glyph = GlyphRect(rect, map->Width() / count, map->Height(), leftText);
    if (flag_ == 1) {
        PaintParentImage(dc, rect);
    } else {
        base::win::UniqueHBrush face(CreateSolidBrush(ColorToRGB(Objects().ButtonFaceColor)));
        FillRect(dc, &glyph, face.Get());
    }
    DrawFrameStretched(dc, glyph, count, frame, *map);
    if (flag_ != 1) return;

    caption_ = Caption();
    if (caption_.empty()) return;
    base::win::ScopedSaveDc saved(dc);
    if (HFONT font = ControlFont()) SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    TColor color =
        control != nullptr && control->Font() != nullptr ? control->Font()->Color() : Objects().ButtonTextColor;
    if (!enabledWnd_) color = Objects().ButtonShadowColor;
    SetTextColor(dc, ColorToRGB(color));
    RECT box = rect;
    UINT format = DT_LEFT;
    if (leftText) {
        box.right -= kGlyphColumn;
        format = DT_RIGHT;
    } else {
        box.left += kGlyphColumn;
    }
    OffsetRect(&box, 0, (box.bottom - box.top - TextHeightOfZero(dc)) / 2);
    focused_ = GetFocus() == handle_;
    if (focused_) DrawFocus(dc, format | DT_EXPANDTABS, box);
    DrawTextW(dc, caption_.c_str(), static_cast<int>(caption_.size()), &box, format);
}

}  // namespace skin::win
