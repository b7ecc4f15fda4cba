// TSkinBitButton: a button with a glyph (a bitmap of NumGlyphs frames, or an image list image)
// laid out beside, above or below its caption.

#include <algorithm>

#include "base/win/handles.h"
#include "framework/typinfo.h"
#include "framework/win/bitmap.h"
#include "framework/win/img_list.h"
#include "framework/win/win_control.h"
#include "skin/controls/win/skin_button.h"
#include "skin/data/ascii_case.h"
#include "skin/data/win/skin_data.h"
#include "skin/data/win/skin_image_dc.h"

namespace skin::win {

namespace {

using skin::controls::GlyphLayout;

int IntProp(const TControl* control, std::string_view name, int fallback) {
    const auto value = GetIntProp(control, name);
    return value ? static_cast<int>(*value) : fallback;
}

// The whole bitmap's pixels (0x00RRGGBB, top row first); empty when GDI refuses.
skin::Bitmap ReadPixels(HDC reference, const TBitmap& bitmap) {
    if (bitmap.Empty() || bitmap.Handle() == nullptr) return {};
    skin::Bitmap pixels(bitmap.Width(), bitmap.Height());
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = bitmap.Width();
    info.bmiHeader.biHeight = -bitmap.Height();
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    if (GetDIBits(reference, bitmap.Handle(), 0, static_cast<UINT>(bitmap.Height()), pixels.Row(0), &info,
                  DIB_RGB_COLORS) == 0)
        return {};
    for (int y = 0; y < pixels.Height(); ++y)
        for (int x = 0; x < pixels.Width(); ++x) pixels.Row(y)[x] &= 0x00FFFFFFu;
    return pixels;
}

}  // namespace

TSkinBitButton::GlyphSource TSkinBitButton::ReadGlyph() const {
    GlyphSource g;
    const TControl* control = SkinnedControl();
    if (control == nullptr) return g;
    g.NumGlyphs = std::max(IntProp(control, "NumGlyphs", 1), 1);
    g.ImageIndex = IntProp(control, "ImageIndex", -1);
    g.DisabledIndex = IntProp(control, "DisabledIndex", -1);
    if (auto* glyph = dynamic_cast<TBitmap*>(GetObjectProp(control, "Glyph")); glyph != nullptr && !glyph->Empty()) {
        g.Glyph = glyph;
        g.Width = glyph->Width() / g.NumGlyphs;
        g.Height = glyph->Height();
    } else if (auto* images = dynamic_cast<TCustomImageList*>(GetObjectProp(control, "Images"));
               images != nullptr && g.ImageIndex != -1) {
        g.Images = images;
        g.Width = images->Width();
        g.Height = images->Height();
    }
    return g;
}

void TSkinBitButton::DrawGlyphFrame(HDC dc, int x, int y, const GlyphSource& glyph, int index) {
    if (auto* images = dynamic_cast<TCustomImageList*>(glyph.Images)) {
        if (index == 2 && glyph.DisabledIndex != -1)
            images->Draw(dc, x, y, glyph.DisabledIndex);
        else
            images->Draw(dc, x, y, glyph.ImageIndex, index != 2);
        return;
    }
    if (glyph.Glyph == nullptr || glyph.Width <= 0) return;
    const skin::Bitmap pixels = ReadPixels(dc, *glyph.Glyph);
    if (pixels.Empty()) return;
    const int frame = glyph.NumGlyphs < index ? 0 : index - 1;
    skin::Bitmap copy = pixels.Crop({frame * glyph.Width, 0, (frame + 1) * glyph.Width, pixels.Height()});
    // The bitmap's own see-through colour: its bottom-left pixel.
    const skin::Pixel key = pixels.Row(pixels.Height() - 1)[0];
    if (index == 2) {
        for (int row = 0; row < copy.Height(); ++row) {
            for (int col = 0; col < copy.Width(); ++col) {
                skin::Pixel& p = copy.Row(row)[col];
                if (p == key) continue;
                const skin::Pixel mean = (skin::PixelRed(p) + skin::PixelGreen(p) + skin::PixelBlue(p)) / 3;
                p = skin::MakePixel(static_cast<std::uint8_t>(mean), static_cast<std::uint8_t>(mean),
                                    static_cast<std::uint8_t>(mean));
            }
        }
    }
    const COLORREF keyColor = RGB(skin::PixelRed(key), skin::PixelGreen(key), skin::PixelBlue(key));
    skin::TransparentBlit(dc, skin::Rect{x, y, x + copy.Width(), y + copy.Height()}, copy, keyColor);
}

skin::controls::GlyphLayoutInput TSkinBitButton::LayoutInput(HDC dc, const RECT& rect, const GlyphSource& glyph) const {
    skin::controls::GlyphLayoutInput in;
    in.Width = rect.right - rect.left;
    in.Height = rect.bottom - rect.top;
    in.GlyphWidth = glyph.Width;
    in.GlyphHeight = glyph.Height;
    if (!caption_.empty()) {
        RECT box{0, 0, in.Width, in.Height};
        DrawTextW(dc, caption_.c_str(), static_cast<int>(caption_.size()), &box, DT_CALCRECT | DT_WORDBREAK);
        in.TextWidth = box.right - box.left;
        in.TextHeight = box.bottom - box.top;
    }
    const TControl* control = SkinnedControl();
    in.Margin = IntProp(control, "Margin", -1);
    in.Spacing = IntProp(control, "Spacing", 4);
    const auto layout = GetEnumProp(control, "Layout");
    const std::string name = layout ? skin::AsciiLower(*layout) : std::string("blglyphleft");
    in.Layout = name == "blglyphright"    ? GlyphLayout::Right
                : name == "blglyphtop"    ? GlyphLayout::Top
                : name == "blglyphbottom" ? GlyphLayout::Bottom
                                          : GlyphLayout::Left;
    const auto alignment = GetEnumProp(control, "Alignment");
    in.Centre = alignment && skin::AsciiLower(*alignment) == "tacenter";
    return in;
}

void TSkinBitButton::DrawControl(HDC dc, const RECT& rect) {
    const TDataSkinButton* buttons = Objects().Buttons.get();
    if (buttons == nullptr || buttons->Map.Empty()) return;
    const auto style = static_cast<DWORD>(GetLong(GWL_STYLE));
    focused_ = GetFocus() == handle_;
    enabledWnd_ = (style & WS_DISABLED) == 0;
    caption_ = CaptionText();
    skin::controls::ButtonFacts facts;
    facts.Default = SkinnedControl() != nullptr && PropIsTrue(SkinnedControl(), "Default");
    facts.Focused = focused_;
    facts.Pressed = (state_ & kPressed) != 0;
    facts.Hot = (state_ & kHot) != 0;
    facts.Disabled = !enabledWnd_;
    // The strip is five frames wide by definition; a skin that leaves the count out means that.
    const int frameCount = buttons->FrameCount >= 1 ? buttons->FrameCount : 5;
    DrawButton(dc, rect, skin::controls::BitButtonFrame(facts), frameCount);
}

void TSkinBitButton::DrawFace(HDC dc, const RECT& rect, int frame) {
    if (HFONT font = ControlFont()) SelectObject(dc, font);
    COLORREF color = control_ != nullptr && control_->Font() != nullptr ? ColorToRGB(control_->Font()->Color())
                                                                        : ColorToRGB(Objects().ButtonTextColor);
    color = StateTextColor(frame, color);
    if (!enabledWnd_) color = GetSysColor(COLOR_BTNSHADOW);
    SetTextColor(dc, color);
    SetBkMode(dc, TRANSPARENT);
    if (const auto bars = caption_.find(L"||"); bars != std::wstring::npos) caption_.replace(bars, 2, L"\r\n");

    const GlyphSource glyph = ReadGlyph();
    const auto in = LayoutInput(dc, rect, glyph);
    const auto at = skin::controls::LayOutGlyph(in);
    if (glyph.Any())
        DrawGlyphFrame(dc, rect.left + at.GlyphX, rect.top + at.GlyphY, glyph,
                       skin::controls::GlyphFrameForButton(frame));
    if (caption_.empty()) return;
    RECT box{rect.left + at.TextX, rect.top + at.TextY, rect.left + at.TextX + in.TextWidth,
             rect.top + at.TextY + in.TextHeight};
    UINT format = DT_WORDBREAK;
    if (in.Layout == GlyphLayout::Right) format |= DT_RIGHT;
    if (in.Layout == GlyphLayout::Top || in.Layout == GlyphLayout::Bottom) format |= DT_CENTER;
    DrawTextW(dc, caption_.c_str(), static_cast<int>(caption_.size()), &box, format);
    if (focused_ && !HasOption(static_cast<int>(TSkinOption::xoNoFocusRect))) {
        InflateRect(&box, 2, 2);
        DrawFocusRect(dc, &box);
    }
}

}  // namespace skin::win
