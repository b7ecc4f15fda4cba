#include "skin/controls/win/skin_tab.h"

#include <algorithm>
#include <exception>

#include "base/win/dib_section.h"
#include "base/win/handles.h"
#include "base/win/rect.h"
#include "framework/win/win_control.h"
#include "skin/controls/win/skin_up_down.h"
#include "skin/data/skin_image.h"
#include "skin/data/win/skin_data.h"
#include "skin/data/win/skin_image_dc.h"
#include "skin/form/win/skin_form.h"

namespace skin::win {

namespace {

using skin::controls::TabOrientation;

TSkinControl* SkinArrowsAsUpDown(TSkinForm* form, TSkinData* data, HWND arrows, TComponent* owner,
                                 TabArrowsPlace place) {
    return AttachUpDownSkin(
        form, data, arrows, owner,
        place == TabArrowsPlace::TabSetScroller ? UpDownPlacement::TabScroller : UpDownPlacement::Standalone);
}

TabArrowsSkinner g_arrowsSkinner = &SkinArrowsAsUpDown;

// The border around the page keeps these edge sizes whatever side the tabs are on.
constexpr skin::Rect kBorderMargins{4, 5, 4, 4};

}  // namespace

void SetTabArrowsSkinner(TabArrowsSkinner skinner) {
    g_arrowsSkinner = skinner != nullptr ? skinner : &SkinArrowsAsUpDown;
}
TabArrowsSkinner CurrentTabArrowsSkinner() { return g_arrowsSkinner; }

void DrawImageCaption(HDC dc, const RECT& rect, HIMAGELIST images, int imageIndex, const std::wstring& text) {
    int imageWidth = 0, imageHeight = 0;
    const bool hasImage = images != nullptr && imageIndex >= 0 && imageIndex < ImageList_GetImageCount(images) &&
                          ImageList_GetIconSize(images, &imageWidth, &imageHeight);
    SIZE textSize{};
    if (!text.empty()) GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &textSize);
    const int gap = hasImage && !text.empty() ? 3 : 0;
    const int total = (hasImage ? imageWidth : 0) + gap + textSize.cx;
    int x = rect.left + (rect.right - rect.left - total) / 2;
    if (hasImage) {
        ImageList_Draw(images, imageIndex, dc, x, rect.top + (rect.bottom - rect.top - imageHeight) / 2,
                       ILD_TRANSPARENT);
        x += imageWidth + gap;
    }
    if (text.empty()) return;
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    RECT box{x, rect.top, x + textSize.cx, rect.bottom};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    SetBkMode(dc, oldMode);
}

void TSkinTab::InitSkin(TSkinForm* form, TSkinData* skinData, bool setColor) {
    TSkinControl::InitSkin(form, skinData, setColor);
    if (!inited_) return;
    enabledWnd_ = (GetLong(GWL_STYLE) & WS_DISABLED) == 0;
    PrepareImages();
    FindArrows();
    active_ = true;
}

void TSkinTab::InitSkinHandle(HWND handle, TSkinData* skinData, TSkinForm* form) {
    TSkinControl::InitSkinHandle(handle, skinData, form);
    if (!inited_) return;
    focused_ = GetFocus() == handle_;
    caption_ = WindowText();
    enabledWnd_ = (GetLong(GWL_STYLE) & WS_DISABLED) == 0;
    PrepareImages();
    FindArrows();
    active_ = true;
}

void TSkinTab::SkinChange() {
    PrepareImages();
    TSkinControl::SkinChange();
}

void TSkinTab::PrepareImages() {
    orientation_ = skin::controls::TabOrientationFromStyle(static_cast<std::uint32_t>(GetLong(GWL_STYLE)));
    tabImage_ = skin::Bitmap();
    borderImage_ = skin::Bitmap();
    const TDataSkinBorder* tabs = Objects().Tabs.get();
    if (tabs == nullptr || tabs->Map.Empty()) return;
    // A skin without the border image still skins the tabs; the page keeps its own border.
    tabImage_ = tabs->Map;
    borderImage_ = tabs->Map2;
    switch (orientation_) {
        case TabOrientation::Top: break;
        case TabOrientation::Bottom:
            skin::FlipVertical(tabImage_);
            skin::FlipVertical(borderImage_);
            break;
        case TabOrientation::Left: skin::RotateLeft(borderImage_); break;
        case TabOrientation::Right: skin::RotateRight(borderImage_); break;
    }
}

void TSkinTab::Notification(TComponent* component, TOperation operation) {
    TSkinControl::Notification(component, operation);
    if (operation == opRemove && component == upDown_) upDown_ = nullptr;
}

void TSkinTab::WindowRecreated() {
    if (upDown_ != nullptr && upDown_->LifeState() == kWindowGone) delete upDown_;
    upDown_ = nullptr;
    arrows_ = nullptr;
    PrepareImages();
    FindArrows();
}

bool TSkinTab::FindArrows() {
    if (handle_ == nullptr) return false;
    HWND arrows = FindWindowExW(handle_, nullptr, UPDOWN_CLASSW, nullptr);
    if (arrows == nullptr) return false;
    if (arrows != arrows_) {
        arrows_ = arrows;
        upDown_ = nullptr;
        if (g_arrowsSkinner != nullptr) {
            TComponent* owner = control_ != nullptr ? static_cast<TComponent*>(control_) : this;
            upDown_ = g_arrowsSkinner(form_, skinData_, arrows, owner, TabArrowsPlace::TabControl);
            // The arrows' skin belongs to the control: told when it goes, whoever frees it.
            if (upDown_ != nullptr) upDown_->FreeNotification(this);
        }
    }
    return (GetWindowLongPtrW(arrows, GWL_STYLE) & WS_VISIBLE) != 0;
}

void TSkinTab::DrawControl(HDC dc, const RECT& rect) {
    const TDataSkinBorder* tabs = Objects().Tabs.get();
    if (tabs == nullptr || tabs->Map.Empty() || handle_ == nullptr) return;
    RECT adjusted = rect;
    SendMessageW(handle_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&adjusted));
    const skin::controls::Rect page = skin::controls::TabPageRect(base::win::FromRECT(adjusted), orientation_);
    const bool arrowsShown = FindArrows();
    try {
        DrawStrip(dc, rect, page, arrowsShown);
    } catch (const std::exception&) {
        // No memory for the strip: the control's own tabs stay.
    }
    if (!tabs->Map2.Empty() && !borderImage_.Empty())
        skin::DrawSkinBorder(dc, page, borderImage_, false, 1, 1, kBorderMargins);
}

void TSkinTab::DrawStrip(HDC dc, const RECT& rect, const skin::controls::Rect& page, bool arrowsShown) {
    const TDataSkinBorder& tabs = *Objects().Tabs;
    const skin::Bitmap& image = tabImage_;
    if (image.Empty()) return;
    const skin::controls::Rect control = base::win::FromRECT(rect);
    const skin::controls::Rect strip = skin::controls::TabStripRect(control, page, orientation_);
    const auto size = skin::controls::TabStripBufferSize(strip, orientation_);
    if (size.Width <= 0 || size.Height <= 0) return;

    base::win::DibSection buffer(size.Width, size.Height);
    HDC memory = buffer.Dc();
    FillParentColor(memory, RECT{0, 0, size.Width, size.Height});
    const int count = static_cast<int>(SendMessageW(handle_, TCM_GETITEMCOUNT, 0, 0));
    const int focus = static_cast<int>(SendMessageW(handle_, TCM_GETCURFOCUS, 0, 0));
    const auto images = reinterpret_cast<HIMAGELIST>(SendMessageW(handle_, TCM_GETIMAGELIST, 0, 0));
    const int frames = std::max(tabs.FrameCount, 1);
    {
        HFONT font = ControlFont();
        base::win::ScopedSelectObject selectFont(memory, font != nullptr ? font : GetStockObject(DEFAULT_GUI_FONT));
        for (int i = 0; i < count; ++i) {
            wchar_t text[80]{};
            TCITEMW item{};
            item.mask = TCIF_TEXT | TCIF_IMAGE | TCIF_STATE;
            item.pszText = text;
            item.cchTextMax = 80;
            item.iImage = -1;
            if (!SendMessageW(handle_, TCM_GETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item)))
                text[0] = 0;
            text[79] = 0;
            RECT r{};
            if (!SendMessageW(handle_, TCM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r))) continue;
            const skin::controls::Rect b =
                skin::controls::TabItemInBuffer(base::win::FromRECT(r), orientation_, control, page, size.Width);
            const int state = i == focus ? 2 : 1;
            if (b.Right >= b.Left && b.Bottom >= b.Top)
                skin::DrawSkinObject(memory, b, image, false, tabs.Tile != 0, tabs.Trans != 0, frames,
                                     std::min(state, frames), tabs.Margins);
            SetTextColor(memory, ColorToRGB(state == 1 ? tabs.NormalColor2 : tabs.MouseOverColor2));
            DrawImageCaption(memory, RECT{b.Left, b.Top, b.Right, b.Bottom}, images, item.iImage, text);
        }
    }
    skin::Bitmap pixels(buffer.Pixels());
    if (orientation_ == TabOrientation::Left) skin::RotateLeft(pixels);
    if (orientation_ == TabOrientation::Right) skin::RotateRight(pixels);

    base::win::ScopedSaveDc saved(dc);
    if (arrowsShown && arrows_ != nullptr) {
        // The arrows sit on the strip: they stay as they drew themselves.
        IntersectClipRect(dc, rect.left, rect.top, rect.right, rect.bottom);
        ExcludeChildWindow(dc, arrows_);
    }
    skin::DrawBitmap(dc, strip.Left, strip.Top, pixels);
}

}  // namespace skin::win
