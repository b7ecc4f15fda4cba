#include "skin/controls/win/skin_scroll_bars.h"

#include <utility>

#include "base/win/handles.h"
#include "framework/typinfo.h"
#include "framework/win/win_control.h"
#include "skin/data/ascii_case.h"
#include "skin/data/win/skin_data.h"
#include "skin/data/win/skin_image_dc.h"

namespace skin::win {

namespace {

// The framework's notice that a control's window was made again.
// Scroll notifications the framework reflects back to a scroll bar control.
constexpr UINT CN_HSCROLL = CN_BASE + WM_HSCROLL;
constexpr UINT CN_VSCROLL = CN_BASE + WM_VSCROLL;
// The size grip is the last frame of the skin's extra images.
constexpr int kExtraFrames = 5;
constexpr int kGripFrame = 5;

bool ScrollsContent(UINT msg) {
    switch (msg) {
        case WM_MOUSEWHEEL:
        case WM_MOUSEHWHEEL:
        case WM_KEYDOWN:
        case WM_CHAR:
        case WM_SETTEXT:
        case WM_ENABLE:
        case EM_LINESCROLL:
        case EM_SCROLL:
        case EM_SCROLLCARET:
        case EM_SETSEL:
        case EM_REPLACESEL:
        case LB_SETTOPINDEX:
        case LB_SETCURSEL:
        case LB_ADDSTRING:
        case LB_INSERTSTRING:
        case LB_DELETESTRING:
        case LB_RESETCONTENT: return true;
        default: return false;
    }
}

// A rectangle in screen coordinates moved to `window`'s window coordinates.
RECT ScreenToWindowRect(HWND window, RECT r) {
    RECT frame{};
    GetWindowRect(window, &frame);
    OffsetRect(&r, -frame.left, -frame.top);
    return r;
}

RECT ClientToScreenRect(HWND window, RECT r) {
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// The system draws a scroll bar straight to the screen (while it tracks, and when the position
// changes): a host clipped by its siblings never draws over its overlays. True when the bit was
// added here (and is to be taken away again).
bool AddClipSiblings(HWND host) {
    const LONG_PTR style = GetWindowLongPtrW(host, GWL_STYLE);
    if ((style & WS_CLIPSIBLINGS) != 0) return false;
    SetWindowLongPtrW(host, GWL_STYLE, style | WS_CLIPSIBLINGS);
    return true;
}

void RemoveClipSiblings(HWND host, bool& added) {
    if (!added || host == nullptr || !IsWindow(host)) return;
    SetWindowLongPtrW(host, GWL_STYLE, GetWindowLongPtrW(host, GWL_STYLE) & ~static_cast<LONG_PTR>(WS_CLIPSIBLINGS));
    added = false;
}

}  // namespace

// --- TSkinScrollbar ---

TSkinScrollbar::~TSkinScrollbar() { FreeBars(); }

void TSkinScrollbar::InitScrollBars(TWinControl* control, TSkinData* skinData, TSkinForm* form) {
    if (inited_ || control == nullptr || control->Handle() == nullptr) return;
    TSkinControl::InitScrollBars(control, skinData, form);
    if (!inited_) return;
    CreateBars(control);
}

void TSkinScrollbar::CreateBars(TWinControl* control) {
    const auto border = control != nullptr ? GetEnumProp(control, "BorderStyle") : std::nullopt;
    if (border)
        drawBorder_ = skin::AsciiLower(*border) != "bsnone";
    else
        drawBorder_ = (GetLong(GWL_EXSTYLE) & WS_EX_CLIENTEDGE) != 0 || (GetLong(GWL_STYLE) & WS_BORDER) != 0;
    addedClipSiblings_ = AddClipSiblings(handle_);
    horz_ = std::make_unique<TWScrollbar>(handle_, control, this, skinData_, TWScrollbar::kHostHorizontal, false);
    vert_ = std::make_unique<TWScrollbar>(handle_, control, this, skinData_, TWScrollbar::kHostVertical, true);
    if (control != nullptr ? control->Visible() : IsWindowVisible(handle_) != FALSE) UpdateBars();
    RedrawWindow(handle_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
}

// --- TSkinScrollbarH ---

void TSkinScrollbarH::InitSkinHandle(HWND handle, TSkinData* skinData, TSkinForm* form) {
    TSkinControl::InitSkinHandle(handle, skinData, form);
    if (inited_) CreateBars(nullptr);
}

void TSkinScrollbar::SkinChange() {
    if (horz_) horz_->Invalidate();
    if (vert_) vert_->Invalidate();
    TSkinControl::SkinChange();
}

void TSkinScrollbar::UpdateBars() {
    if (horz_) horz_->UpdateBar(handle_);
    if (vert_) vert_->UpdateBar(handle_);
}

void TSkinScrollbar::RepaintBars() {
    if (horz_) horz_->Repaint();
    if (vert_) vert_->Repaint();
}

void TSkinScrollbar::FreeBars() {
    horz_.reset();
    vert_.reset();
}

void TSkinScrollbar::RestoreColors() {
    TSkinControl::RestoreColors();
    if (lifeState_ != kWindowGone) {
        FreeBars();
        RemoveClipSiblings(handle_, addedClipSiblings_);
        if (handle_ != nullptr && IsWindow(handle_))
            RedrawWindow(handle_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE);
    }
}

bool TSkinScrollbar::BeforeProc(TMessage& message) {
    if (message.Msg == WM_NCDESTROY) {
        if (horz_) horz_->Hide();
        if (vert_) vert_->Hide();
    }
    return TSkinControl::BeforeProc(message);
}

void TSkinScrollbar::AfterProc(TMessage& message) {
    TSkinControl::AfterProc(message);
    switch (message.Msg) {
        case WM_SIZE:
        case WM_WINDOWPOSCHANGED: UpdateBars(); return;
        // The host repaints after it scrolled, and its paint repaints the bars: here they are
        // only marked, so a scroll paints each once.
        case WM_HSCROLL:
            if (horz_) {
                horz_->SetScrollCode(LOWORD(message.WParam));
                horz_->Invalidate();
            }
            return;
        case WM_VSCROLL:
            if (vert_) {
                vert_->SetScrollCode(LOWORD(message.WParam));
                vert_->Invalidate();
            }
            return;
        case WM_NCPAINT:
            UpdateBars();
            PaintControl(nullptr);
            return;
        case CM_VISIBLECHANGED:
            if (message.WParam == 0) {
                if (horz_) horz_->Hide();
                if (vert_) vert_->Hide();
            } else {
                UpdateBars();
            }
            return;
        case CM_RECREATEWND:
            if (control_ != nullptr && control_->HandleAllocated()) handle_ = control_->Handle();
            addedClipSiblings_ = AddClipSiblings(handle_);
            UpdateBars();
            return;
        default:
            if (ScrollsContent(message.Msg)) RepaintBars();
            return;
    }
}

void TSkinScrollbar::DrawControl(HDC dc, const RECT& rect) {
    const auto style = static_cast<DWORD>(GetLong(GWL_STYLE));
    const std::pair<TWScrollbar*, DWORD> bars[] = {{horz_.get(), WS_HSCROLL}, {vert_.get(), WS_VSCROLL}};
    for (const auto& [bar, bit] : bars) {
        if (bar == nullptr) continue;
        if (bar->Shown())
            bar->Repaint();
        else if ((style & bit) != 0)
            bar->UpdateBar(handle_);
    }
    if (horz_ && vert_ && horz_->Shown() && vert_->Shown()) {
        const RECT& h = horz_->BarRect();
        const RECT& v = vert_->BarRect();
        const RECT corner =
            ScreenToWindowRect(handle_, ClientToScreenRect(handle_, RECT{v.left, h.top, v.right, h.bottom}));
        FillFace(dc, corner);
    }
    if (drawBorder_) {
        base::win::UniqueHBrush shadow(CreateSolidBrush(ColorToRGB(Objects().ButtonShadowColor)));
        base::win::UniqueHBrush face(CreateSolidBrush(ColorToRGB(Objects().ButtonFaceColor)));
        RECT frame = rect;
        FrameRect(dc, &frame, shadow.Get());
        InflateRect(&frame, -1, -1);
        FrameRect(dc, &frame, face.Get());
    }
}

// --- TSkinScControl ---

TSkinScControl::~TSkinScControl() { FreeBar(); }

void TSkinScControl::InitScrollBars(TWinControl* control, TSkinData* skinData, TSkinForm* form) {
    if (inited_ || control == nullptr || control->Handle() == nullptr) return;
    TSkinControl::InitScrollBars(control, skinData, form);
    if (!inited_) return;
    bool vertical = (GetLong(GWL_STYLE) & SBS_VERT) != 0;
    if (const auto kind = GetEnumProp(control, "Kind")) vertical = skin::AsciiLower(*kind) != "sbhorizontal";
    CreateBar(vertical);
}

void TSkinScControl::InitSkinHandle(HWND handle, TSkinData* skinData, TSkinForm* form) {
    TSkinControl::InitSkinHandle(handle, skinData, form);
    if (!inited_) return;
    CreateBar((GetLong(GWL_STYLE) & SBS_VERT) != 0);
}

void TSkinScControl::CreateBar(bool vertical) {
    addedClipSiblings_ = AddClipSiblings(handle_);
    bar_ = std::make_unique<TWScrollbar>(handle_, control_, this, skinData_, TWScrollbar::kControl, vertical);
    if (control_ == nullptr || control_->Visible()) bar_->UpdateBar(handle_);
}

void TSkinScControl::FreeBar() { bar_.reset(); }

void TSkinScControl::SkinChange() {
    if (bar_) bar_->Invalidate();
    TSkinControl::SkinChange();
}

void TSkinScControl::RestoreColors() {
    TSkinControl::RestoreColors();
    if (lifeState_ == kWindowGone) return;
    FreeBar();
    if (addedClipSiblings_) {
        RemoveClipSiblings(handle_, addedClipSiblings_);
        InvalidateRect(handle_, nullptr, TRUE);
    }
}

bool TSkinScControl::BeforeProc(TMessage& message) {
    if (message.Msg == WM_NCDESTROY && bar_) bar_->Hide();
    return TSkinControl::BeforeProc(message);
}

void TSkinScControl::AfterProc(TMessage& message) {
    TSkinControl::AfterProc(message);
    if (!bar_) return;
    switch (message.Msg) {
        case WM_WINDOWPOSCHANGED:
        case WM_NCPAINT:
        case WM_PAINT: bar_->UpdateBar(handle_); return;
        case SBM_SETSCROLLINFO:
        case SBM_SETPOS:
        case SBM_SETRANGE:
        case SBM_SETRANGEREDRAW:
        case SBM_ENABLE_ARROWS:
        case CN_HSCROLL:
        case CN_VSCROLL:
        case WM_KEYDOWN:
        case WM_ENABLE: bar_->Repaint(); return;
        case CM_VISIBLECHANGED:
            if (message.WParam == 0)
                bar_->Hide();
            else
                bar_->UpdateBar(handle_);
            return;
        case CM_RECREATEWND:
            if (control_ != nullptr && control_->HandleAllocated()) handle_ = control_->Handle();
            addedClipSiblings_ = AddClipSiblings(handle_);
            bar_->UpdateBar(handle_);
            return;
        default: return;
    }
}

// --- TSkinSizer ---

void TSkinSizer::DrawControl(HDC dc, const RECT& rect) {
    FillFace(dc, rect);
    const TDataSkinObject* extra = Objects().ExtraImages.get();
    if (extra == nullptr || extra->Map.Empty()) return;
    const int width = extra->Map.Width() / kExtraFrames;
    const int height = extra->Map.Height();
    if (width <= 0) return;
    const skin::Rect target{rect.right - width, rect.bottom - height, rect.right, rect.bottom};
    skin::DrawSkinFrame(dc, target, extra->Map, true, kExtraFrames, kGripFrame);
}

}  // namespace skin::win
