#include "skin/controls/win/skin_panels.h"

#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "base/win/handles.h"
#include "framework/typinfo.h"
#include "framework/win/comctrls.h"
#include "framework/win/win_control.h"
#include "skin/controls/status_bar_layout.h"
#include "skin/data/ascii_case.h"
#include "skin/data/win/skin_data.h"
#include "skin/data/win/skin_image_dc.h"
#include "skin/form/win/skin_form.h"

namespace skin::win {

namespace {

using base::win::ScopedSelectObject;
using base::win::UniqueHBrush;
using base::win::UniqueHPen;

void FrameWith(HDC dc, const RECT& rect, HBRUSH brush) { FrameRect(dc, &rect, brush); }

}  // namespace

// --- TSkinBox ---

void TSkinBox::InitSkin(TSkinForm* form, TSkinData* skinData, bool setColor) {
    if (inited_) return;
    auto* control = dynamic_cast<TWinControl*>(Owner());
    if (control == nullptr) return;
    skinData_ = skinData;
    form_ = form;
    control_ = control;
    handle_ = control->Handle();
    setColor_ = setColor;
    if (form_ != nullptr) form_->AddControlSkin(this);
    if (setColor) TakeOverColors();
    inited_ = true;
    lifeState_ = kAttached;
}

// --- TSkinBoxH ---

bool TSkinBoxH::BeforeProc(TMessage& message) {
    switch (message.Msg) {
        case WM_ERASEBKGND: {
            RECT rect{};
            GetClientRect(handle_, &rect);
            FillFace(reinterpret_cast<HDC>(message.WParam), rect);
            message.Result = 1;
            return false;
        }
        case WM_CTLCOLORSTATIC:
            CallOldProc(message);
            if (skinData_ != nullptr) {
                auto dc = reinterpret_cast<HDC>(message.WParam);
                SetBkColor(dc, ColorToRGB(FaceColor()));
                SetBkMode(dc, TRANSPARENT);
                message.Result = reinterpret_cast<LRESULT>(skinData_->FaceBrush());
            }
            return false;
        default: return TSkinControl::BeforeProc(message);
    }
}

void TSkinBoxH::SkinChange() {
    if (handle_ != nullptr)
        RedrawWindow(handle_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

// --- TSkinGroupBox ---

void TSkinGroupBox::InitSkin(TSkinForm* form, TSkinData* skinData, bool setColor) {
    TSkinControl::InitSkin(form, skinData, setColor);
    if (control_ != nullptr) flag_ = 1;
}

bool TSkinGroupBox::BeforeProc(TMessage& message) {
    const bool pass = TSkinControl::BeforeProc(message);
    if (flag_ != 1 || !pass) return pass;
    switch (message.Msg) {
        case WM_PAINT: PaintWhole(message); return false;
        case WM_ERASEBKGND: EraseToParent(message); return false;
        default: return true;
    }
}

void TSkinGroupBox::DrawControl(HDC dc, const RECT& rect) {
    caption_ = WindowText();
    if (caption_.empty() && control_ != nullptr) {
        const auto caption = GetStrProp(control_, "Caption");
        if (caption) caption_ = std::wstring(caption->begin(), caption->end());
    }
    // The group box shows its parent through it, under the frame and caption.
    if (flag_ == 1) PaintParentImage(dc, rect);
    base::win::ScopedSaveDc saved(dc);
    if (HFONT font = ControlFont()) SelectObject(dc, font);
    const int y0 = TextHeightOfZero(dc) / 2 - 1;
    if (flag_ == 0 && skinData_ != nullptr) {
        // Bare group boxes paint their own 3-D frame first: cover it with the face colour.
        RECT outer{0, y0, rect.right, rect.bottom};
        FrameWith(dc, outer, skinData_->FaceBrush());
        InflateRect(&outer, -1, -1);
        FrameWith(dc, outer, skinData_->FaceBrush());
    }
    UniqueHPen pen(CreatePen(PS_SOLID, 1, ColorToRGB(Objects().ButtonShadowColor)));
    ScopedSelectObject selectPen(dc, pen.Get());
    ScopedSelectObject selectBrush(dc, GetStockObject(NULL_BRUSH));
    RoundRect(dc, 1, y0, rect.right - 1, rect.bottom - 1, 5, 5);
    if (!caption_.empty()) {
        RECT textRect{rect.left + 8, rect.top, rect.right, rect.bottom};
        SetBkMode(dc, OPAQUE);
        SetBkColor(dc, ColorToRGB(FaceColor()));
        const TColor textColor =
            control_ != nullptr && control_->Font() != nullptr ? control_->Font()->Color() : Objects().ButtonTextColor;
        SetTextColor(dc, ColorToRGB(IsWindowEnabled(handle_) ? textColor : TColor(clBtnShadow)));
        DrawTextW(dc, caption_.c_str(), static_cast<int>(caption_.size()), &textRect, DT_EXPANDTABS);
    }
    if (flag_ == 1 && control_ != nullptr) control_->PaintControls(dc);
}

// --- TSkinStatusBar ---

void TSkinStatusBar::InitSkin(TSkinForm* form, TSkinData* skinData, bool setColor) {
    if (inited_) return;
    // The bar's own grip goes off (before the skin sits on the bar: switching it re-creates the
    // window); the skin draws one in its place only where the program wanted one.
    if (auto* bar = dynamic_cast<TWinControl*>(Owner())) {
        if (const auto grip = LowerEnumProp(bar, "SizeGrip")) {
            gripWanted_ = *grip == "true";
            gripTaken_ = gripWanted_;
            if (gripTaken_) SetEnumProp(bar, "SizeGrip", "False");
        } else {
            gripWanted_ = bar->HandleAllocated() && (GetWindowLongPtrW(bar->Handle(), GWL_STYLE) & SBARS_SIZEGRIP) != 0;
        }
    }
    TSkinControl::InitSkin(form, skinData, setColor);
}

void TSkinStatusBar::RestoreColors() {
    TSkinControl::RestoreColors();
    if (!gripTaken_ || lifeState_ == kWindowGone || control_ == nullptr || !TControl::IsLive(control_)) return;
    gripTaken_ = false;
    // Switching the grip re-creates the window: the skin lets go first, so it is not revived.
    TWinControl* bar = control_;
    Detach();
    SetEnumProp(bar, "SizeGrip", "True");
}

bool TSkinStatusBar::HasNoPanels() const {
    if (control_ == nullptr) return false;
    const auto* panels = dynamic_cast<const TStatusPanels*>(GetObjectProp(control_, "Panels"));
    return panels != nullptr && panels->Count() == 0;
}

void TSkinStatusBar::InitSkinHandle(HWND handle, TSkinData* skinData, TSkinForm* form) {
    TSkinControl::InitSkinHandle(handle, skinData, form);
    gripWanted_ = (GetLong(GWL_STYLE) & SBARS_SIZEGRIP) != 0;
}

bool TSkinStatusBar::WantsGrip() const {
    if (!gripWanted_ || handle_ == nullptr) return false;
    // Only where the window can be sized from that corner.
    const HWND top = GetAncestor(handle_, GA_ROOT);
    return top != nullptr && (GetWindowLongPtrW(top, GWL_STYLE) & WS_THICKFRAME) != 0 && !IsZoomed(top);
}

RECT TSkinStatusBar::GripRect() const {
    RECT client{};
    GetClientRect(handle_, &client);
    const int size = std::min<int>(GetSystemMetrics(SM_CXVSCROLL), client.bottom);
    return RECT{client.right - size, client.bottom - size, client.right, client.bottom};
}

bool TSkinStatusBar::BeforeProc(TMessage& message) {
    if (message.Msg == WM_NCHITTEST && WantsGrip()) {
        POINT p{static_cast<short>(LOWORD(message.LParam)), static_cast<short>(HIWORD(message.LParam))};
        ScreenToClient(handle_, &p);
        const RECT grip = GripRect();
        if (PtInRect(&grip, p)) {
            // The top-level window sizes itself when the bar is transparent to the hit test.
            message.Result = HTTRANSPARENT;
            return false;
        }
    }
    return TSkinControl::BeforeProc(message);
}

void TSkinStatusBar::DrawPanelFrame(HDC dc, const RECT& rect, int frame) const {
    const TDataSkinObject* edges = Objects().StatusBarEdges.get();
    if (edges != nullptr && !edges->Map.Empty()) {
        skin::DrawSkinObject(dc, skin::Rect{rect.left, rect.top, rect.right, rect.bottom}, edges->Map, false,
                             edges->Tile != 0, false, 3, frame, edges->Margins);
        return;
    }
    if (frame == 3) return;
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW), light = GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF topLeft = frame == 1 ? shadow : light, bottomRight = frame == 1 ? light : shadow;
    UniqueHBrush first(CreateSolidBrush(topLeft)), second(CreateSolidBrush(bottomRight));
    RECT r{rect.left, rect.top, rect.right, rect.top + 1};
    FillRect(dc, &r, first.Get());
    r = {rect.left, rect.top, rect.left + 1, rect.bottom};
    FillRect(dc, &r, first.Get());
    r = {rect.left, rect.bottom - 1, rect.right, rect.bottom};
    FillRect(dc, &r, second.Get());
    r = {rect.right - 1, rect.top, rect.right, rect.bottom};
    FillRect(dc, &r, second.Get());
}

void TSkinStatusBar::DrawControl(HDC dc, const RECT& rect) {
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0) return;
    PaintBufferLease buffer(dc, width, height);
    HDC memory = buffer.Dc();
    if (memory == nullptr) return;
    FillFace(memory, RECT{0, 0, width, height});
    ScopedSelectObject selectFont(memory, ControlFont() != nullptr ? ControlFont() : GetStockObject(DEFAULT_GUI_FONT));
    const TDataSkinObject* edges = Objects().StatusBarEdges.get();
    SetTextColor(memory, ColorToRGB(edges != nullptr ? edges->NormalColor2 : Objects().ButtonTextColor));
    const bool rtl = (GetLong(GWL_EXSTYLE) & WS_EX_LAYOUTRTL) != 0 || (GetLong(GWL_EXSTYLE) & WS_EX_RTLREADING) != 0;

    const int parts = static_cast<int>(SendMessageW(handle_, SB_GETPARTS, 0, 0));
    // A framework bar without panels shows its simple text across the bar.
    const bool simple = SendMessageW(handle_, SB_ISSIMPLE, 0, 0) != 0 || parts <= 0 || HasNoPanels();
    auto readText = [this](int part, int& flags) {
        const LRESULT info = SendMessageW(handle_, SB_GETTEXTLENGTHW, static_cast<WPARAM>(part), 0);
        flags = HIWORD(info);
        std::wstring text(static_cast<std::size_t>(LOWORD(info)) + 1, L'\0');
        SendMessageW(handle_, SB_GETTEXTW, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(text.data()));
        text.resize(LOWORD(info));
        return text;
    };
    if (simple) {
        const RECT whole{0, 0, width, height};
        DrawPanelFrame(memory, whole, 1);
        int flags = 0;
        std::wstring text = readText(SB_SIMPLEID, flags);
        if (text.empty() && control_ != nullptr) {
            if (const auto simpleText = GetStrProp(control_, "SimpleText"))
                text = std::wstring(simpleText->begin(), simpleText->end());
        }
        const auto panelText = skin::controls::SplitStatusText(text);
        RECT textRect{2, 0, width - 2, height};
        DrawCaptionText(memory, textRect, rtl ? DT_RIGHT : DT_LEFT, true,
                        panelText.Text.empty() ? std::wstring(L" ") : panelText.Text);
    } else {
        for (int i = 0; i < parts; ++i) {
            RECT panel{};
            if (!SendMessageW(handle_, SB_GETRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&panel))) continue;
            panel.right += 2;
            if (i == parts - 1) panel.right = width;
            int flags = 0;
            const std::wstring raw = readText(i, flags);
            const int frame = (flags & SBT_POPOUT) != 0 ? 2 : (flags & SBT_NOBORDERS) != 0 ? 3 : 1;
            DrawPanelFrame(memory, panel, frame);
            if ((flags & SBT_OWNERDRAW) != 0) continue;
            const auto panelText = skin::controls::SplitStatusText(raw);
            UINT align = panelText.Align == skin::controls::TextAlign::Center  ? DT_CENTER
                         : panelText.Align == skin::controls::TextAlign::Right ? DT_RIGHT
                                                                               : DT_LEFT;
            if ((flags & SBT_RTLREADING) != 0 && align != DT_CENTER) align = align == DT_LEFT ? DT_RIGHT : DT_LEFT;
            RECT textRect{panel.left + 2, panel.top, panel.right - 2, panel.bottom};
            DrawCaptionText(memory, textRect, align, true,
                            panelText.Text.empty() ? std::wstring(L" ") : panelText.Text);
        }
    }
    const TDataSkinObject* extras = Objects().ExtraImages.get();
    if ((WantsGrip() || (GetLong(GWL_STYLE) & SBARS_SIZEGRIP) != 0) && extras != nullptr && !extras->Map.Empty()) {
        const int count = std::max(extras->FrameCount, 1);
        const int gripWidth = extras->Map.Width() / count, gripHeight = extras->Map.Height();
        const RECT grip{width - 1 - gripWidth, height - 1 - gripHeight, width - 1, height - 1};
        DrawFrameStretched(memory, grip, count, std::min(5, count), extras->Map);
    }
    buffer.CopyTo(dc, rect.left, rect.top);
    // Owner-drawn panels are drawn by their owner over the skin.
    if (!simple) {
        for (int i = 0; i < parts; ++i) {
            int flags = HIWORD(SendMessageW(handle_, SB_GETTEXTLENGTHW, static_cast<WPARAM>(i), 0));
            if ((flags & SBT_OWNERDRAW) == 0) continue;
            RECT panel{};
            if (!SendMessageW(handle_, SB_GETRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&panel))) continue;
            DRAWITEMSTRUCT item{};
            item.CtlType = 0;
            item.CtlID = static_cast<UINT>(GetDlgCtrlID(handle_));
            item.itemID = static_cast<UINT>(i);
            item.hwndItem = handle_;
            item.hDC = dc;
            item.rcItem = panel;
            InflateRect(&item.rcItem, -1, -1);
            SendMessageW(GetParent(handle_), WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
        }
    }
}

}  // namespace skin::win
