// Graphic objects: TFont, TBrush, TPen. Each owns its GDI handle, made on first use.
#pragma once

#include "framework/object.h"
#include "framework/win/types.h"
#include "base/win/handles.h"

#include <string>

class TGraphicsObject : public TPersistent {
    T_CLASS(TGraphicsObject, TPersistent)
public:
    // Called after every change (owners repaint / pass the font on).
    TNotifyEvent OnChange;

protected:
    void Changed();
};

class TFont : public TGraphicsObject {
    T_CLASS_PUBLISHED(TFont, TGraphicsObject)
public:
    // Defaults: "MS Sans Serif", height -11 (8 points), clWindowText, no style.
    TFont();

    const std::string& Name() const { return name_; }
    void SetName(const std::string& name);
    // Height in pixels: negative for the character height, positive for the cell height.
    int Height() const { return height_; }
    void SetHeight(int height);
    // Size in points (at Screen's pixels per inch, 96).
    int Size() const;
    void SetSize(int points);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    TFontStyles Style() const { return style_; }
    void SetStyle(TFontStyles style);
    BYTE Charset() const { return charset_; }
    void SetCharset(BYTE charset);

    // The font handle (owned by this object; valid until the next change).
    HFONT Handle() const;
    // Takes the attributes of a logical font (the handle is not kept).
    void SetFromLogFont(const LOGFONTW& logFont);

    void Assign(const TPersistent* source) override;
    bool SameAs(const TFont& other) const;

    static TPropList Published();

private:
    void Modified();

    std::string name_ = "MS Sans Serif";
    int height_ = -11;
    TColor color_ = clWindowText;
    TFontStyles style_ = 0;
    BYTE charset_ = DEFAULT_CHARSET;
    mutable base::win::UniqueHFont handle_;
};

class TBrush : public TGraphicsObject {
    T_CLASS(TBrush, TGraphicsObject)
public:
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    TBrushStyle Style() const { return style_; }
    void SetStyle(TBrushStyle style);
    // Solid brush of Color, or the hollow stock brush for bsClear (owned by this object).
    HBRUSH Handle() const;
    void Assign(const TPersistent* source) override;

private:
    void ReplaceHandle();
    TColor color_ = clWhite;
    TBrushStyle style_ = bsSolid;
    mutable base::win::UniqueHBrush handle_;
};

class TPen : public TGraphicsObject {
    T_CLASS(TPen, TGraphicsObject)
public:
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    int Width() const { return width_; }
    void SetWidth(int width);
    HPEN Handle() const;
    void Assign(const TPersistent* source) override;

private:
    void ReplaceHandle();
    TColor color_ = clBlack;
    int width_ = 1;
    mutable base::win::UniqueHPen handle_;
};
