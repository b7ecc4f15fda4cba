#include "skin/controls/win/skin_up_down.h"

#include <commctrl.h>

#include "base/win/handles.h"
#include "base/win/rect.h"
#include <algorithm>

#include "skin/controls/frame_count.h"
#include "skin/controls/range_rules.h"
#include "skin/controls/win/paint_buffer.h"
#include "skin/data/win/skin_data.h"
#include "skin/data/win/skin_image_dc.h"

namespace skin::win {

namespace {

using skin::controls::UpDownArrow;

// A small arrow of pen lines pointing along `arrow`, centred in `r`.
void DrawClassicArrow(HDC dc, const RECT& r, UpDownArrow arrow) {
    const int cx = (r.left + r.right) / 2;
    int cy = (r.top + r.bottom) / 2;
    if (arrow == UpDownArrow::Up || arrow == UpDownArrow::Down) cy -= 2;
    for (int i = 0; i < 3; ++i) {
        switch (arrow) {
            case UpDownArrow::Up:
                MoveToEx(dc, cx - i, cy + i, nullptr);
                LineTo(dc, cx + i + 1, cy + i);
                break;
            case UpDownArrow::Down:
                MoveToEx(dc, cx - 2 + i, cy + i, nullptr);
                LineTo(dc, cx + 3 - i, cy + i);
                break;
            case UpDownArrow::Left:
                MoveToEx(dc, cx - 1 + i, cy - i, nullptr);
                LineTo(dc, cx - 1 + i, cy + i + 1);
                break;
            case UpDownArrow::Right:
                MoveToEx(dc, cx + 1 - i, cy - i, nullptr);
                LineTo(dc, cx + 1 - i, cy + i + 1);
                break;
        }
    }
}

}  // namespace

TSkinUpDown* AttachUpDownSkin(TSkinForm* form, TSkinData* data, HWND arrows, TComponent* owner,
                              UpDownPlacement placement) {
    if (arrows == nullptr || !IsWindow(arrows)) return nullptr;
    auto* skin = new TSkinUpDown(owner);
    skin->SetPlacement(placement);
    skin->InitSkinHandle(arrows, data, form);
    if (!skin->Inited()) {
        delete skin;
        return nullptr;
    }
    return skin;
}

bool TSkinUpDown::BeforeProc(TMessage& message) {
    switch (message.Msg) {
        case WM_PAINT: PaintWhole(message); return false;
        case WM_ERASEBKGND:
            if (control_ == nullptr) {
                RECT client{};
                GetClientRect(handle_, &client);
                FillRect(reinterpret_cast<HDC>(message.WParam), &client,
                         static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
            }
            message.Result = 1;
            return false;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            CallOldProc(message);  // the control keeps its capture and auto-repeat
            state_ |= kPressed;
            PaintControl(nullptr);
            return false;
        case WM_LBUTTONUP:
            state_ &= static_cast<std::uint8_t>(~kPressed);
            CallOldProc(message);
            PaintControl(nullptr);
            return false;
        case WM_CAPTURECHANGED:
            if ((state_ & kPressed) != 0) {
                state_ &= static_cast<std::uint8_t>(~kPressed);
                CallOldProc(message);
                PaintControl(nullptr);
                return false;
            }
            return TSkinControl::BeforeProc(message);
        default: return TSkinControl::BeforeProc(message);
    }
}

void TSkinUpDown::DrawControl(HDC dc, const RECT& rect) {
    RECT client{};
    GetClientRect(handle_, &client);
    if (client.right <= 0 || client.bottom <= 0) return;
    PaintBufferLease buffer(dc, client.right, client.bottom);
    HDC target = buffer.Dc() != nullptr ? buffer.Dc() : dc;
    FillFace(target, client);
    skin::Rect work{0, 0, client.right, client.bottom};
    if (placement_ == UpDownPlacement::InEdit) work = {1, 1, client.right - 1, client.bottom - 1};
    POINT cursor{};
    GetCursorPos(&cursor);
    ScreenToClient(handle_, &cursor);
    const auto style = static_cast<DWORD>(GetLong(GWL_STYLE));
    enabledWnd_ = (style & WS_DISABLED) == 0;
    const bool horizontal = placement_ == UpDownPlacement::TabScroller || (style & UDS_HORZ) != 0;
    const auto buttons = skin::controls::SplitUpDown(work, horizontal);
    const auto states =
        skin::controls::UpDownButtonStates(work, horizontal, cursor.x, cursor.y, (state_ & kPressed) != 0, enabledWnd_);
    DrawArrowButton(target, base::win::ToRECT(buttons.First), states.First, static_cast<int>(buttons.FirstArrow),
                    horizontal);
    DrawArrowButton(target, base::win::ToRECT(buttons.Second), states.Second, static_cast<int>(buttons.SecondArrow),
                    horizontal);
    if (buffer.Dc() != nullptr) buffer.CopyTo(dc, rect.left, rect.top);
}

void TSkinUpDown::DrawArrowButton(HDC dc, const RECT& rect, int state, int type, bool horizontal) const {
    const auto arrow = static_cast<UpDownArrow>(type);
    const auto& object = horizontal ? Objects().UpDownHorz : Objects().UpDownVert;
    if (object && !object->Map.Empty()) {
        const int count = skin::controls::UsableFrameCount(object->FrameCount);
        const int frame = std::min(skin::controls::UpDownFrame(state, arrow), count);
        DrawFrameStretched(dc, rect, count, frame, object->Map);
        if (!object->Map2.Empty())
            skin::DrawSkinGlyph(dc, {rect.left, rect.top, rect.right, rect.bottom}, object->Map2, true, count, frame);
        return;
    }
    const TSkinObjects& o = Objects();
    base::win::UniqueHPen pen(CreatePen(PS_SOLID, 1, ColorToRGB(o.ButtonDkShadowColor)));
    const bool sunk = state == skin::controls::kUpDownPressed || state == 4;
    base::win::UniqueHBrush fill(CreateSolidBrush(ColorToRGB(sunk ? o.ButtonShadowColor : o.ButtonFaceColor)));
    base::win::ScopedSelectObject selectPen(dc, pen.Get());
    base::win::ScopedSelectObject selectBrush(dc, fill.Get());
    Rectangle(dc, rect.left, rect.top, rect.right, rect.bottom);
    DrawClassicArrow(dc, rect, arrow);
}

}  // namespace skin::win
