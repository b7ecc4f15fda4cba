// Painting the skinned frame: edges, the caption strip composed off screen with its text and
// buttons, and the window region cut from the edge images.

#include <stdexcept>

#include "base/win/dib_section.h"
#include "framework/win/types.h"
#include "skin/data/skin_image.h"
#include "skin/data/win/region.h"
#include "skin/data/win/skin_data.h"
#include "skin/data/win/skin_image_dc.h"
#include "skin/form/caption_button_layout.h"
#include "skin/form/caption_button_rules.h"
#include "skin/form/caption_text_layout.h"
#include "skin/form/frame_edges.h"
#include "skin/form/frame_region.h"
#include "skin/form/win/skin_form.h"
#include "skin/form/win/skin_menu_bar.h"
#include "skin/manager/win/skin_manager.h"

namespace skin::win {

namespace {

void BlitEdge(HDC dc, const TSkinObjects& objects, skin::form::FrameEdge edge, const skin::Rect& place, bool active) {
    if (place.Width() <= 0 || place.Height() <= 0) return;
    const Bitmap image =
        skin::form::RenderFrameEdge(skin::form::EdgeObject(objects, edge), edge, place.Width(), place.Height(), active);
    if (!image.Empty()) DrawBitmap(dc, place.Left, place.Top, image);
}

}  // namespace

std::wstring TSkinForm::WindowText() const {
    wchar_t text[1001] = {};
    const int length = GetWindowTextW(Handle, text, 1000);
    return std::wstring(text, static_cast<std::size_t>(length > 0 ? length : 0));
}

void TSkinForm::MakeIconPicture() {
    const int size = GetSystemMetrics(SM_CXSMICON);
    const int height = GetSystemMetrics(SM_CYSMICON);
    auto icon = reinterpret_cast<HICON>(SendMessageW(Handle, WM_GETICON, ICON_SMALL, 0));
    if (icon == nullptr) icon = reinterpret_cast<HICON>(SendMessageW(Handle, WM_GETICON, ICON_BIG, 0));
    if (icon == nullptr) icon = reinterpret_cast<HICON>(GetClassLongPtrW(Handle, GCLP_HICONSM));
    iconPicture_ = {};
    if (size <= 0 || height <= 0) return;
    if (icon == nullptr) {
        iconPicture_ = SharedIconPicture();
        return;
    }
    try {
        base::win::DibSection dib(size, height);
        dib.Pixels().Fill(ColorToPixel(kMagenta));
        DrawIconEx(dib.Dc(), 0, 0, icon, size, height, 0, nullptr, DI_NORMAL);
        iconPicture_ = dib.Pixels();  // an own copy: the section goes away here
    } catch (const std::exception&) {
        iconPicture_ = {};
    }
    // The first window with an icon lends it to the windows of this skin that have none.
    if (skinData_ != nullptr && skinData_->IconBitmap().Empty() && !iconPicture_.Empty())
        skinData_->SetIconBitmap(iconPicture_);
}

skin::Bitmap TSkinForm::SharedIconPicture() const {
    if (skinData_ != nullptr && !skinData_->IconBitmap().Empty()) return skinData_->IconBitmap();
    skin::Bitmap shared;
    if (SkinManager == nullptr) return shared;
    for (const TSkinData* data : SkinManager->SkinDataList())  // the last main skin data wins
        if (data != nullptr && data->SkinFormtype() == skin::TSkinFormType::sfMainform && !data->IconBitmap().Empty())
            shared = data->IconBitmap();
    return shared;
}

void TSkinForm::PaintFrame(HDC dc) {
    if (phase_ != 1 && phase_ != 3) return;
    if (frameClass_.Kind == skin::form::FrameKind::BorderlessPopup || MdiChildNotNormal()) return;
    if (SkinEmpty()) return;
    base::win::WindowDc ownDc;
    if (dc == nullptr) {
        ownDc = base::win::WindowDc(Handle, base::win::WindowDc::Area::Window);
        dc = ownDc.Get();
        if (dc == nullptr) return;
    }
    try {
        RECT windowRect{};
        GetWindowRect(Handle, &windowRect);
        frameWidth_ = windowRect.right - windowRect.left;
        frameHeight_ = windowRect.bottom - windowRect.top;
        const skin::form::FrameAreas areas = skin::form::LayoutFrame(metrics_, frameWidth_, frameHeight_);
        const TSkinObjects& objects = Objects();
        BlitEdge(dc, objects, skin::form::FrameEdge::Left, areas.LeftEdge, active_);
        BlitEdge(dc, objects, skin::form::FrameEdge::Right, areas.RightEdge, active_);
        BlitEdge(dc, objects, skin::form::FrameEdge::Bottom, areas.BottomEdge, active_);
        PaintCaption(dc, frameWidth_);
        if (skinMenu_ && metrics_.MenuBarHeight > 0) {
            skinMenu_->PaintBar(dc, areas.MenuBar);
            PaintMdiBarButtons(dc);
        }
    } catch (const std::exception&) {
        // A failed paint leaves the frame as it was; the next paint starts afresh.
    }
    hotObject_ = {};
}

void TSkinForm::LayoutCaptionButtons() {
    skin::form::CaptionButtonContext context;
    context.Saved = savedBits_;
    context.Kind = frameClass_.Kind;
    context.IsDialog = frameClass_.IsDialog;
    context.Active = active_;
    context.Maximized = Maximized();
    context.HostsMaximizedMdiChild = ActiveChildMaximized();
    context.MenuBarHeight = metrics_.MenuBarHeight;
    const HWND window = Handle;
    context.ApplicationShows = [window](int index) {
        return SendMessageW(window, SM_SYSBUTTONVISIBLE, static_cast<WPARAM>(index), 0) > 0;
    };
    skin::form::UpdateCaptionButtonVisibility(captionButtons_, context);

    skin::form::CaptionButtonPlacement placement;
    placement.FrameWidth = frameWidth_;
    placement.CaptionTextRect = captionTextRect_;
    placement.RightToLeft = rightToLeft_;
    placement.Metrics = metrics_;
    if (const TDataSkinObject* bar = Objects().MenuBar.get()) placement.MenuBarMargin = bar->Margins.Left;
    if (const auto left = skin::form::LayoutCaptionButtons(captionButtons_, placement)) rightButtonsLeft_ = *left;
}

void TSkinForm::PaintCaption(HDC dc, int width) {
    const int height = metrics_.TitleHeight;
    if (width <= 0 || height <= 0) return;
    base::win::DibSection strip(width, height, dc);
    // The side edges' top parts are already on the DC: the strip starts from what is there.
    BitBlt(strip.Dc(), 0, 0, width, height, dc, 0, 0, SRCCOPY);
    const skin::Rect area{metrics_.BorderLeftWidth, 0, width - metrics_.BorderRightWidth, height};
    if (area.Width() > 0) {
        const Bitmap top =
            skin::form::RenderFrameEdge(skin::form::EdgeObject(Objects(), skin::form::FrameEdge::Top),
                                        skin::form::FrameEdge::Top, area.Width(), area.Height(), active_);
        if (!top.Empty()) CopyBitmap(strip.Pixels(), area.Left, area.Top, top);
        // Buttons aligned to the caption text need the text's place, the text needs the place of
        // the right-aligned buttons: lay the buttons out first with the last text place.
        LayoutCaptionButtons();
        PaintCaptionText(strip, area);
        LayoutCaptionButtons();
    }
    captionBackground_ = strip.Pixels();
    Bitmap& pixels = strip.Pixels();
    for (const skin::form::CaptionButton& button : captionButtons_) {
        if (!skin::form::IsDrawnOnCaption(button)) continue;
        if (skin::form::ShowsWindowIcon(button.Action())) {
            if (!iconPicture_.Empty())
                DrawSkinFrame(
                    pixels,
                    {button.BoundsRect.Left, button.BoundsRect.Top, button.BoundsRect.Left + iconPicture_.Width(),
                     button.BoundsRect.Top + iconPicture_.Height()},
                    iconPicture_, true, 1, 1);
            continue;
        }
        DrawSkinFrame(pixels, button.BoundsRect, button.Picture(), true, button.FrameCount,
                      skin::form::CaptionPaintFrame(button, active_));
    }
    captionBitmap_ = pixels;
    BitBlt(dc, 0, 0, width, height, strip.Dc(), 0, 0, SRCCOPY);
    SetBkMode(dc, OPAQUE);
}

void TSkinForm::PaintCaptionText(base::win::DibSection& strip, const skin::Rect& area) {
    const HDC dc = strip.Dc();
    const TDataSkinTitle* title = Objects().Title.get();
    if (title == nullptr) return;
    const std::wstring text = WindowText();
    base::win::ScopedSelectObject font(dc, captionFont_.Get());
    RECT measured{area.Left, area.Top, area.Right, area.Bottom};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &measured, DT_CALCRECT | DT_NOCLIP);

    skin::form::CaptionTextOptions options;
    options.RightToLeft = rightToLeft_;
    options.PopupStyle = (windowStyle_ & WS_POPUP) != 0;
    options.RightButtonsLeft = rightButtonsLeft_;
    options.Kind = frameClass_.Kind;
    const skin::form::CaptionTextLayout layout = skin::form::LayoutCaptionText(
        *title, area, measured.right - measured.left, measured.bottom - measured.top, options);
    captionTextRect_ = layout.TextRect;

    if (!title->Map.Empty()) {
        const Rect caps{title->TextBackLeft, 0, title->TextBackRight, 0};
        DrawSkinStrip(strip.Pixels(), layout.BackgroundRect, title->Map, true, true, 2, active_ ? 1 : 2, caps);
    }
    const COLORREF color = ColorToRGB(active_ ? Objects().TitleTextActiveColor : Objects().TitleTextInactiveColor);
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColor = SetTextColor(dc, color);
    RECT drawRect{layout.DrawRect.Left, layout.DrawRect.Top, layout.DrawRect.Right, layout.DrawRect.Bottom};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &drawRect,
              DT_SINGLELINE | DT_END_ELLIPSIS | (layout.AlignRight ? DT_RIGHT : 0));
    SetTextColor(dc, oldColor);
    SetBkMode(dc, oldMode);
}

void TSkinForm::PaintCaptionButton(std::size_t index, skin::form::ButtonState state) {
    if (index >= captionButtons_.size() || captionBackground_.Empty()) return;
    const skin::form::CaptionButton& button = captionButtons_[index];
    if (!button.Visible || button.Picture().Empty()) return;
    if (button.Skin != nullptr && !skin::form::IsDrawnOnCaption(button)) {
        PaintMdiBarButton(nullptr, index, state);  // a maximized MDI child's button in the menu bar
        return;
    }
    const skin::Rect bounds = button.BoundsRect;
    if (bounds.Width() <= 0 || bounds.Height() <= 0) return;
    // Composed over the caption as it was before any button, so a frame with transparent parts
    // never shows the previous state through them.
    Bitmap piece(bounds.Width(), bounds.Height());
    CopyBitmapRect(piece, 0, 0, captionBackground_, bounds);
    const skin::Rect local{0, 0, bounds.Width(), bounds.Height()};
    if (skin::form::ShowsWindowIcon(button.Action())) {
        if (!iconPicture_.Empty())
            DrawSkinFrame(piece, {0, 0, iconPicture_.Width(), iconPicture_.Height()}, iconPicture_, true, 1, 1);
    } else {
        DrawSkinFrame(piece, local, button.Picture(), true, button.FrameCount, skin::form::StateFrame(button, state));
    }
    base::win::WindowDc dc(Handle, base::win::WindowDc::Area::Window);
    if (dc) DrawBitmap(dc.Get(), bounds.Left, bounds.Top, piece);
}

void TSkinForm::UpdateRegion(bool redraw) {
    if (phase_ == 6 || Handle == nullptr || MdiChildNotNormal()) return;
    RECT windowRect{};
    GetWindowRect(Handle, &windowRect);
    const int width = windowRect.right - windowRect.left;
    const int height = windowRect.bottom - windowRect.top;
    if (width <= 0 || height <= 0) return;
    if (width == regionWidth_ && height == regionHeight_ && mdiRole_ != skin::form::MdiRole::Child && phase_ != 3)
        return;
    const TSkinObjects& objects = Objects();
    base::win::UniqueHRgn region;
    if (!skin::form::FrameHasTransparency(objects)) {
        region.Reset(CreateRectRgn(0, 0, width, height));
    } else {
        regionWidth_ = width;
        regionHeight_ = height;
        const Bitmap& caption = captionBitmap_.Width() == width ? captionBitmap_ : Bitmap();
        region = RegionFromRects(
            skin::form::BuildFrameRegion(objects, metrics_, frameClass_.Kind, active_, width, height, caption));
    }
    if (!region) return;
    // The system owns a region once it is set: it frees it itself when replaced or with the window.
    if (SetWindowRgn(Handle, region.Get(), redraw ? TRUE : FALSE) != 0) {
        (void)region.Release();
        hasRegion_ = true;
    }
}

void TSkinForm::RemoveRegion() {
    if (!hasRegion_) return;
    captionBitmap_ = {};
    SetWindowRgn(Handle, nullptr, mdiRole_ == skin::form::MdiRole::Child);
    hasRegion_ = false;
    regionWidth_ = regionHeight_ = 0;
}

}  // namespace skin::win
