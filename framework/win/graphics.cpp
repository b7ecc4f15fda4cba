#include "framework/win/graphics.h"

#include "framework/win/text.h"

#include <cmath>

COLORREF ColorToRGB(TColor color) {
    if ((color & 0xFF000000u) == clSystemColor) return GetSysColor(static_cast<int>(color & 0xFFu));
    return color & 0x00FFFFFFu;
}

void TGraphicsObject::Changed() {
    if (OnChange) OnChange(this);
}

TFont::TFont() = default;

void TFont::Modified() {
    // The old handle stays alive until listeners (canvases) have selected the new one.
    const base::win::UniqueHFont old = std::move(handle_);
    Changed();
}

void TFont::SetName(const std::string& name) {
    if (name == name_ || name.empty()) return;
    name_ = name;
    Modified();
}

void TFont::SetHeight(int height) {
    if (height == height_) return;
    height_ = height;
    Modified();
}

int TFont::Size() const {
    // Points at 96 pixels per inch, rounded like MulDiv.
    return static_cast<int>(std::lround(-height_ * 72.0 / 96.0));
}

void TFont::SetSize(int points) { SetHeight(-static_cast<int>(std::lround(points * 96.0 / 72.0))); }

void TFont::SetColor(TColor color) {
    if (color == color_) return;
    color_ = color;
    Changed();  // the handle does not depend on the color
}

void TFont::SetStyle(TFontStyles style) {
    if (style == style_) return;
    style_ = style;
    Modified();
}

void TFont::SetCharset(BYTE charset) {
    if (charset == charset_) return;
    charset_ = charset;
    Modified();
}

HFONT TFont::Handle() const {
    if (!handle_) {
        LOGFONTW lf{};
        lf.lfHeight = height_;
        lf.lfWeight = (style_ & fsBold) ? FW_BOLD : FW_NORMAL;
        lf.lfItalic = (style_ & fsItalic) ? TRUE : FALSE;
        lf.lfUnderline = (style_ & fsUnderline) ? TRUE : FALSE;
        lf.lfStrikeOut = (style_ & fsStrikeOut) ? TRUE : FALSE;
        lf.lfCharSet = charset_;
        lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
        lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
        lf.lfQuality = DEFAULT_QUALITY;
        lf.lfPitchAndFamily = DEFAULT_PITCH;
        const std::wstring face = WidenText(name_);
        lstrcpynW(lf.lfFaceName, face.c_str(), LF_FACESIZE);
        handle_.Reset(CreateFontIndirectW(&lf));
    }
    return handle_.Get();
}

void TFont::SetFromLogFont(const LOGFONTW& logFont) {
    name_ = NarrowText(logFont.lfFaceName);
    height_ = logFont.lfHeight;
    style_ = (logFont.lfWeight >= FW_BOLD ? fsBold : 0) | (logFont.lfItalic ? fsItalic : 0) |
             (logFont.lfUnderline ? fsUnderline : 0) | (logFont.lfStrikeOut ? fsStrikeOut : 0);
    charset_ = logFont.lfCharSet;
    Modified();
}

bool TFont::SameAs(const TFont& other) const {
    return name_ == other.name_ && height_ == other.height_ && color_ == other.color_ && style_ == other.style_ &&
           charset_ == other.charset_;
}

void TFont::Assign(const TPersistent* source) {
    if (const auto* other = dynamic_cast<const TFont*>(source)) {
        if (other == this || SameAs(*other)) return;
        name_ = other->name_;
        height_ = other->height_;
        color_ = other->color_;
        style_ = other->style_;
        charset_ = other->charset_;
        Modified();
        return;
    }
    TPersistent::Assign(source);
}

TPropList TFont::Published() {
    return {
        propdef::String<TFont>("Name", &TFont::Name, &TFont::SetName),
        propdef::Integer<TFont>("Height", &TFont::Height, &TFont::SetHeight),
        propdef::Integer<TFont>("Size", &TFont::Size, &TFont::SetSize),
        propdef::Integer<TFont>("Color", &TFont::Color, &TFont::SetColor),
        propdef::Integer<TFont>("Style", &TFont::Style, &TFont::SetStyle),
        propdef::Integer<TFont>("Charset", &TFont::Charset, &TFont::SetCharset),
    };
}

void TBrush::ReplaceHandle() {
    const base::win::UniqueHBrush old = std::move(handle_);
    Changed();
}

void TBrush::SetColor(TColor color) {
    if (color == color_ && style_ == bsSolid) return;
    color_ = color;
    style_ = bsSolid;
    ReplaceHandle();
}

void TBrush::SetStyle(TBrushStyle style) {
    if (style == style_) return;
    style_ = style;
    ReplaceHandle();
}

HBRUSH TBrush::Handle() const {
    if (style_ == bsClear) return static_cast<HBRUSH>(GetStockObject(HOLLOW_BRUSH));
    if (!handle_) handle_.Reset(CreateSolidBrush(ColorToRGB(color_)));
    return handle_.Get();
}

void TBrush::Assign(const TPersistent* source) {
    if (const auto* other = dynamic_cast<const TBrush*>(source)) {
        color_ = other->color_;
        style_ = other->style_;
        ReplaceHandle();
        return;
    }
    TPersistent::Assign(source);
}

void TPen::ReplaceHandle() {
    const base::win::UniqueHPen old = std::move(handle_);
    Changed();
}

void TPen::SetColor(TColor color) {
    if (color == color_) return;
    color_ = color;
    ReplaceHandle();
}

void TPen::SetWidth(int width) {
    if (width == width_ || width < 0) return;
    width_ = width;
    ReplaceHandle();
}

HPEN TPen::Handle() const {
    if (!handle_) handle_.Reset(CreatePen(PS_SOLID, width_, ColorToRGB(color_)));
    return handle_.Get();
}

void TPen::Assign(const TPersistent* source) {
    if (const auto* other = dynamic_cast<const TPen*>(source)) {
        color_ = other->color_;
        width_ = other->width_;
        ReplaceHandle();
        return;
    }
    TPersistent::Assign(source);
}
