#include "framework/win/buttons.h"

#include "framework/win/img_list.h"
#include "framework/win/text.h"

#include <algorithm>

namespace {

constexpr DWORD kButtonTypeMask = 0x0F;

// A glyph frame without its own disabled image: its shape embossed in highlight and shadow.
void DrawGrayedFrame(HDC dc, POINT at, HDC source, int left, SIZE size, COLORREF transparent) {
    const COLORREF highlight = ColorToRGB(clBtnHighlight);
    const COLORREF shadow = ColorToRGB(clBtnShadow);
    for (int pass = 0; pass < 2; ++pass) {
        const int offset = pass == 0 ? 1 : 0;
        for (int y = 0; y < size.cy; ++y) {
            for (int x = 0; x < size.cx; ++x) {
                if (GetPixel(source, left + x, y) == transparent) continue;
                SetPixelV(dc, at.x + x + offset, at.y + y + offset, pass == 0 ? highlight : shadow);
            }
        }
    }
}

}  // namespace

TBitBtn::TBitBtn(TComponent* owner) : TButton(owner), glyph_(std::make_unique<TBitmap>()) {
    glyph_->OnChange = [this](TObject*) { Invalidate(); };
}

TBitBtn::~TBitBtn() = default;

void TBitBtn::CreateParams(TCreateParams& params) {
    TButton::CreateParams(params);
    params.Style = (params.Style & ~kButtonTypeMask) | BS_OWNERDRAW;
}

void TBitBtn::SetGlyph(TBitmap* glyph) { glyph_->Assign(glyph); }

void TBitBtn::SetNumGlyphs(int value) {
    value = std::clamp(value, 1, 4);
    if (value == numGlyphs_) return;
    numGlyphs_ = value;
    Invalidate();
}

void TBitBtn::SetLayout(TButtonLayout value) {
    if (value == layout_) return;
    layout_ = value;
    Invalidate();
}

void TBitBtn::SetMargin(int value) {
    value = std::max(-1, value);
    if (value == margin_) return;
    margin_ = value;
    Invalidate();
}

void TBitBtn::SetSpacing(int value) {
    value = std::max(-1, value);
    if (value == spacing_) return;
    spacing_ = value;
    Invalidate();
}

void TBitBtn::SetImages(TCustomImageList* images) {
    if (images == images_) return;
    if (images_ != nullptr) images_->RemoveFreeNotification(this);
    images_ = images;
    if (images_ != nullptr) images_->FreeNotification(this);
    Invalidate();
}

void TBitBtn::SetImageIndex(int value) {
    if (value == imageIndex_) return;
    imageIndex_ = value;
    Invalidate();
}

void TBitBtn::SetDisabledIndex(int value) {
    if (value == disabledIndex_) return;
    disabledIndex_ = value;
    Invalidate();
}

void TBitBtn::Notification(TComponent* component, TOperation operation) {
    TButton::Notification(component, operation);
    if (operation == opRemove && component == images_) {
        images_ = nullptr;
        Invalidate();
    }
}

SIZE TBitBtn::GlyphSize() const {
    if (images_ != nullptr && imageIndex_ >= 0) return SIZE{images_->Width(), images_->Height()};
    if (glyph_->Empty()) return SIZE{0, 0};
    return SIZE{glyph_->Width() / numGlyphs_, glyph_->Height()};
}

void TBitBtn::DrawGlyph(HDC dc, POINT at, bool enabled, bool pressed) {
    if (images_ != nullptr && imageIndex_ >= 0) {
        if (!enabled && disabledIndex_ >= 0) {
            images_->Draw(dc, at.x, at.y, disabledIndex_, true);
        } else {
            images_->Draw(dc, at.x, at.y, imageIndex_, enabled);
        }
        return;
    }
    if (glyph_->Empty()) return;
    const SIZE size = GlyphSize();
    HDC source = glyph_->Canvas()->Handle();
    const COLORREF transparent = ColorToRGB(glyph_->TransparentColor());
    if (!enabled && numGlyphs_ < 2) {
        DrawGrayedFrame(dc, at, source, 0, size, transparent);
        return;
    }
    int frame = 0;
    if (!enabled) {
        frame = 1;
    } else if (pressed && numGlyphs_ >= 3) {
        frame = 2;
    }
    TransparentBlt(dc, at.x, at.y, size.cx, size.cy, source, frame * size.cx, 0, size.cx, size.cy, transparent);
}

void TBitBtn::DrawItem(const DRAWITEMSTRUCT& item) {
    HDC dc = item.hDC;
    RECT r = item.rcItem;
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    const bool focused = (item.itemState & ODS_FOCUS) != 0;
    const bool enabled = (item.itemState & ODS_DISABLED) == 0;

    FillRect(dc, &r, ColorBrush());
    if (Default() || isDefault_ || focused) {
        FrameRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        InflateRect(&r, -1, -1);
    }
    if (pressed) {
        base::win::UniqueHBrush shadow(CreateSolidBrush(ColorToRGB(clBtnShadow)));
        FrameRect(dc, &r, shadow.Get());
        InflateRect(&r, -1, -1);
    } else {
        DrawEdge(dc, &r, EDGE_RAISED, BF_RECT | BF_ADJUST);
    }
    RECT content = r;
    InflateRect(&content, -1, -1);
    if (pressed) OffsetRect(&content, 1, 1);

    base::win::ScopedSelectObject font(dc, Font()->Handle());
    const std::wstring caption = WidenText(Caption());
    SIZE textSize{0, 0};
    if (!caption.empty()) {
        RECT measure{0, 0, content.right - content.left, 0};
        DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &measure, DT_CALCRECT | DT_SINGLELINE);
        textSize = SIZE{measure.right - measure.left, measure.bottom - measure.top};
    }
    const TButtonLayoutResult layout = CalcButtonLayout(content, GlyphSize(), textSize, layout_, margin_, spacing_);
    DrawGlyph(dc, layout.GlyphPos, enabled, pressed);

    if (!caption.empty()) {
        const int oldMode = SetBkMode(dc, TRANSPARENT);
        RECT textRect = layout.TextBounds;
        const UINT format = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
        if (!enabled) {
            RECT shadow = textRect;
            OffsetRect(&shadow, 1, 1);
            SetTextColor(dc, ColorToRGB(clBtnHighlight));
            DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &shadow, format);
            SetTextColor(dc, ColorToRGB(clBtnShadow));
        } else {
            SetTextColor(dc, ColorToRGB(Font()->Color()));
        }
        DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &textRect, format);
        SetBkMode(dc, oldMode);
    }
    if (focused) {
        RECT focus = item.rcItem;
        InflateRect(&focus, -4, -4);
        DrawFocusRect(dc, &focus);
    }
}

void TBitBtn::WndProc(TMessage& message) {
    switch (message.Msg) {
        case CN_DRAWITEM:
            DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam));
            message.Result = TRUE;
            return;
        case BM_SETSTYLE:
            // Whoever makes the button the default (or not) changes only how it is drawn.
            isDefault_ = (message.WParam & kButtonTypeMask) == BS_DEFPUSHBUTTON;
            message.WParam = (message.WParam & ~static_cast<WPARAM>(kButtonTypeMask)) | BS_OWNERDRAW;
            TButton::WndProc(message);
            Invalidate();
            return;
        case WM_LBUTTONDBLCLK:
            // An owner-drawn button reports a quick second press as a double click; it is a press.
            message.Msg = WM_LBUTTONDOWN;
            break;
        default: break;
    }
    TButton::WndProc(message);
}

TPropList TBitBtn::Published() {
    return {
        propdef::Object<TBitBtn, TBitmap>("Glyph", &TBitBtn::Glyph, &TBitBtn::SetGlyph),
        propdef::Integer<TBitBtn>("NumGlyphs", &TBitBtn::NumGlyphs, &TBitBtn::SetNumGlyphs),
        propdef::Enumeration<TBitBtn, TButtonLayout>("Layout",
                                                     {"blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom"},
                                                     &TBitBtn::Layout, &TBitBtn::SetLayout),
        propdef::Integer<TBitBtn>("Margin", &TBitBtn::Margin, &TBitBtn::SetMargin),
        propdef::Integer<TBitBtn>("Spacing", &TBitBtn::Spacing, &TBitBtn::SetSpacing),
        propdef::Object<TBitBtn, TCustomImageList>("Images", &TBitBtn::Images, &TBitBtn::SetImages),
        propdef::Integer<TBitBtn>("ImageIndex", &TBitBtn::ImageIndex, &TBitBtn::SetImageIndex),
        propdef::Integer<TBitBtn>("DisabledIndex", &TBitBtn::DisabledIndex, &TBitBtn::SetDisabledIndex),
    };
}
