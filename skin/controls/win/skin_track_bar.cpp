// Track bars: the tics and the channel are the control's own; the thumb is the skin's, drawn in
// answer to the custom-draw notification. A framework track bar receives that notification back
// from its parent as CN_NOTIFY. A bare track bar's notification goes to its parent window only,
// so the skin of a bare track bar also subclasses the parent (one shared procedure per parent,
// counted by the skins that use it) and answers there for the track bars that carry a skin.

#include "skin/controls/win/skin_range.h"

#include <commctrl.h>

#include "base/win/handles.h"
#include "framework/win/win_control.h"
#include "skin/data/win/skin_data.h"

namespace skin::win {

namespace {

constexpr wchar_t kParentOldProc[] = L"TweakTrackBarParentOldProc";
constexpr wchar_t kParentUsers[] = L"TweakTrackBarParentUsers";

// The answer for a bare track bar's custom-draw notification; false when it is not one.
bool AnswerForTrackBar(LPARAM lParam, LRESULT& result) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header == nullptr || header->code != static_cast<UINT>(NM_CUSTOMDRAW)) return false;
    auto* skin = dynamic_cast<TSkinTrackBar*>(TSkinControl::FromWindow(header->hwndFrom));
    if (skin == nullptr || !skin->Active()) return false;
    result = skin->AnswerCustomDraw(*reinterpret_cast<const NMCUSTOMDRAW*>(lParam));
    return true;
}

LRESULT CALLBACK TrackBarParentProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    const auto old = reinterpret_cast<WNDPROC>(GetPropW(window, kParentOldProc));
    if (msg == WM_NOTIFY) {
        LRESULT result = 0;
        if (AnswerForTrackBar(lParam, result)) return result;
    }
    if (msg == WM_NCDESTROY) {
        RemovePropW(window, kParentOldProc);
        RemovePropW(window, kParentUsers);
        if (old != nullptr) SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(old));
    }
    return old != nullptr ? CallWindowProcW(old, window, msg, wParam, lParam)
                          : DefWindowProcW(window, msg, wParam, lParam);
}

void HookParent(HWND parent) {
    const auto users = reinterpret_cast<INT_PTR>(GetPropW(parent, kParentUsers));
    if (users == 0) {
        const auto old = GetWindowLongPtrW(parent, GWLP_WNDPROC);
        if (reinterpret_cast<WNDPROC>(old) != &TrackBarParentProc) {
            SetPropW(parent, kParentOldProc, reinterpret_cast<HANDLE>(old));
            SetWindowLongPtrW(parent, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TrackBarParentProc));
        }
    }
    SetPropW(parent, kParentUsers, reinterpret_cast<HANDLE>(users + 1));
}

void UnhookParent(HWND parent) {
    if (!IsWindow(parent)) return;
    const auto users = reinterpret_cast<INT_PTR>(GetPropW(parent, kParentUsers));
    if (users > 1) {
        SetPropW(parent, kParentUsers, reinterpret_cast<HANDLE>(users - 1));
        return;
    }
    RemovePropW(parent, kParentUsers);
    const auto old = reinterpret_cast<WNDPROC>(GetPropW(parent, kParentOldProc));
    if (reinterpret_cast<WNDPROC>(GetWindowLongPtrW(parent, GWLP_WNDPROC)) == &TrackBarParentProc && old != nullptr) {
        SetWindowLongPtrW(parent, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(old));
        RemovePropW(parent, kParentOldProc);
    }
    // Else someone subclassed the parent after us: our procedure stays in the chain and, with no
    // skin left on the track bars, only passes messages on.
}

}  // namespace

TSkinTrackBar::~TSkinTrackBar() { ReleaseParent(); }

void TSkinTrackBar::InitSkinHandle(HWND handle, TSkinData* skinData, TSkinForm* form) {
    TSkinControl::InitSkinHandle(handle, skinData, form);
    if (!inited_) return;
    const HWND parent = GetParent(handle_);
    if (parent != nullptr) {
        HookParent(parent);
        hookedParent_ = parent;
    }
}

void TSkinTrackBar::ReleaseParent() {
    if (hookedParent_ == nullptr) return;
    UnhookParent(hookedParent_);
    hookedParent_ = nullptr;
}

void TSkinTrackBar::RestoreColors() {
    TSkinControl::RestoreColors();
    ReleaseParent();
}

void TSkinTrackBar::SkinChange() { Repaint(); }

bool TSkinTrackBar::BeforeProc(TMessage& message) {
    switch (message.Msg) {
        case WM_ERASEBKGND: message.Result = 1; return false;
        case WM_NOTIFY:
        case CN_NOTIFY: {
            const auto* header = reinterpret_cast<const NMHDR*>(message.LParam);
            if (header == nullptr || header->code != static_cast<UINT>(NM_CUSTOMDRAW))
                return TSkinControl::BeforeProc(message);
            message.Result = AnswerCustomDraw(*reinterpret_cast<const NMCUSTOMDRAW*>(message.LParam));
            return false;
        }
        default: return TSkinControl::BeforeProc(message);
    }
}

LRESULT TSkinTrackBar::AnswerCustomDraw(const NMCUSTOMDRAW& draw) {
    if (draw.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
    if (draw.dwDrawStage == CDDS_ITEMPREPAINT && draw.dwItemSpec == TBCD_THUMB) {
        DrawThumb(draw.hdc);
        return CDRF_SKIPDEFAULT;
    }
    return CDRF_DODEFAULT;
}

void TSkinTrackBar::DrawThumb(HDC dc) {
    if (handle_ == nullptr || !IsWindow(handle_) || dc == nullptr) return;
    RECT thumb{};
    SendMessageW(handle_, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    const bool vertical = (GetLong(GWL_STYLE) & TBS_VERT) != 0;
    const TSkinObjects& o = Objects();
    const TDataSkinObject* image = nullptr;
    if (vertical && o.TrackThumbVert && !o.TrackThumbVert->Map.Empty())
        image = o.TrackThumbVert.get();
    else if (o.TrackThumbHorz && !o.TrackThumbHorz->Map.Empty())
        image = o.TrackThumbHorz.get();
    if (image != nullptr) {
        const bool enabled = (GetLong(GWL_STYLE) & WS_DISABLED) == 0;
        DrawFrameStretched(dc, thumb, 5, enabled ? 2 : 3, image->Map);
        return;
    }
    base::win::UniqueHPen pen(CreatePen(PS_SOLID, 1, ColorToRGB(o.ButtonShadowColor)));
    base::win::ScopedSelectObject select(dc, pen.Get());
    Rectangle(dc, thumb.left, thumb.top, thumb.right, thumb.bottom);
}

}  // namespace skin::win
