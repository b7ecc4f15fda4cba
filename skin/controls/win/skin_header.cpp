// Header controls (list view headers): every item and the space right of the last one drawn
// from the skin's HeaderBar object, with the item's image and text over it. List views get their
// scroll-bar overlays and a header skin on their header window.

#include "skin/controls/win/skin_range.h"

#include <commctrl.h>

#include <algorithm>
#include <array>

#include "base/win/handles.h"
#include "framework/win/win_control.h"
#include "skin/controls/win/paint_buffer.h"
#include "skin/data/win/skin_data.h"

namespace skin::win {

namespace {

bool HasHeaderImage(const TSkinObjects& o) { return o.HeaderBar && !o.HeaderBar->Map.Empty(); }

// The item's image (when any) at the left of `rect` and its text in the rest, aligned as asked.
void DrawImageCaption(HDC dc, RECT rect, HIMAGELIST images, int image, const wchar_t* text, UINT align) {
    InflateRect(&rect, -6, 0);
    if (images != nullptr && image >= 0) {
        int cx = 0, cy = 0;
        ImageList_GetIconSize(images, &cx, &cy);
        ImageList_Draw(images, image, dc, rect.left, rect.top + (rect.bottom - rect.top - cy) / 2, ILD_TRANSPARENT);
        rect.left += cx + 4;
    }
    DrawTextW(dc, text, -1, &rect, align | DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
}

}  // namespace

bool TSkinHeader::BeforeProc(TMessage& message) {
    if (message.Msg == WM_ERASEBKGND && HasHeaderImage(Objects())) {
        message.Result = 1;
        return false;
    }
    return TSkinControl::BeforeProc(message);
}

void TSkinHeader::DrawControl(HDC dc, const RECT& rect) {
    const TSkinObjects& o = Objects();
    if (!HasHeaderImage(o)) return;
    const TDataSkinObject& bar = *o.HeaderBar;
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    PaintBufferLease buffer(dc, width, height);
    if (buffer.Dc() == nullptr) return;
    HDC target = buffer.Dc();
    FillFace(target, RECT{0, 0, width, height});  // a pooled surface holds the last paint's pixels
    const auto font = reinterpret_cast<HFONT>(SendMessageW(handle_, WM_GETFONT, 0, 0));
    base::win::ScopedSelectObject selectFont(target, font);
    SetBkMode(target, TRANSPARENT);
    SetTextColor(target, ColorToRGB(o.ButtonTextColor));
    const auto images = reinterpret_cast<HIMAGELIST>(SendMessageW(handle_, HDM_GETIMAGELIST, 0, 0));
    const int count = static_cast<int>(SendMessageW(handle_, HDM_GETITEMCOUNT, 0, 0));
    int right = 0;
    for (int i = 0; i < count; ++i) {
        RECT item{};
        if (SendMessageW(handle_, HDM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item)) == 0)
            continue;
        std::array<wchar_t, 201> text{};
        HDITEMW info{};
        info.mask = HDI_TEXT | HDI_FORMAT | HDI_IMAGE;
        info.pszText = text.data();
        info.cchTextMax = static_cast<int>(text.size());
        SendMessageW(handle_, HDM_GETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&info));
        DrawSkinImage(target, item, bar.FrameCount, 1, bar, Transparency::Never);
        right = std::max(right, static_cast<int>(item.right));
        if (text[0] == 0) continue;
        const int image = (info.fmt & (HDF_IMAGE | HDF_STRING)) != 0 ? info.iImage : -1;
        const UINT align = (info.fmt & HDF_JUSTIFYMASK) == HDF_RIGHT    ? DT_RIGHT
                           : (info.fmt & HDF_JUSTIFYMASK) == HDF_CENTER ? DT_CENTER
                                                                        : DT_LEFT;
        DrawImageCaption(target, item, (info.fmt & HDF_IMAGE) != 0 ? images : nullptr, image, text.data(), align);
    }
    if (right < width)
        DrawSkinImage(target, RECT{right, 0, width, height}, bar.FrameCount, 1, bar, Transparency::Never);
    buffer.CopyTo(dc, rect.left, rect.top);
}

// --- TSkinListView ---

void TSkinListView::InitScrollBars(TWinControl* control, TSkinData* skinData, TSkinForm* form) {
    TSkinScrollbar::InitScrollBars(control, skinData, form);
    if (inited_) AttachHeader();
}

void TSkinListView::InitSkinHandle(HWND handle, TSkinData* skinData, TSkinForm* form) {
    TSkinControl::InitSkinHandle(handle, skinData, form);
    if (!inited_) return;
    CreateBars(nullptr);
    AttachHeader();
}

void TSkinListView::AttachHeader() {
    if (header_ != nullptr) return;
    const auto window = reinterpret_cast<HWND>(SendMessageW(handle_, LVM_GETHEADER, 0, 0));
    if (window == nullptr || !IsWindow(window)) return;
    header_ = new TSkinHeader(this);
    header_->InitSkinHandle(window, skinData_, form_);
    if (!header_->Inited()) {
        delete header_;
        header_ = nullptr;
    }
}

void TSkinListView::WindowRecreated() {
    delete header_;  // leaving, it drops out of the form skin's list
    header_ = nullptr;
    AttachHeader();
}

void TSkinListView::Notification(TComponent* component, TOperation operation) {
    TSkinScrollbar::Notification(component, operation);
    if (operation == opRemove && component == header_) header_ = nullptr;
}

}  // namespace skin::win
