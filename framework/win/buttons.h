// TSpeedButton: a windowless button with an optional glyph, painted by its parent; TBitBtn: a push
// button with a glyph, drawn by the framework.
#pragma once

#include "framework/win/bitmap.h"
#include "framework/win/controls.h"
#include "framework/win/std_ctrls.h"

#include <memory>

class TCustomImageList;

class TSpeedButton : public TGraphicControl {
    T_CLASS_PUBLISHED(TSpeedButton, TGraphicControl)
public:
    // 23x22, no glyph, layout blGlyphLeft, margin -1 (centred), spacing 4.
    explicit TSpeedButton(TComponent* owner);
    ~TSpeedButton() override;

    // The glyph: NumGlyphs images side by side (up, disabled, down, exclusive-down).
    TBitmap* Glyph() const { return glyph_.get(); }
    void SetGlyph(TBitmap* glyph);
    int NumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(int value);
    TButtonLayout Layout() const { return layout_; }
    void SetLayout(TButtonLayout value);
    int Margin() const { return margin_; }
    void SetMargin(int value);
    int Spacing() const { return spacing_; }
    void SetSpacing(int value);
    bool Flat() const { return flat_; }
    void SetFlat(bool value);
    bool Down() const { return down_; }
    void SetDown(bool value);
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int value) { groupIndex_ = value; }
    bool AllowAllUp() const { return allowAllUp_; }
    void SetAllowAllUp(bool value) { allowAllUp_ = value; }
    // Drawn pressed: the mouse button is held over the control, or Down.
    bool Pressed() const { return pressed_ || down_; }

    static TPropList Published();

protected:
    void Paint() override;
    void WndProc(TMessage& message) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    // The button clicks itself on release, after drawing itself up again.
    bool ClickOnMouseUp() const override { return false; }

private:
    void DrawGlyph(HDC dc, int x, int y, int index);

    std::unique_ptr<TBitmap> glyph_;
    int numGlyphs_ = 1;
    TButtonLayout layout_ = blGlyphLeft;
    int margin_ = -1;
    int spacing_ = 4;
    bool flat_ = false;
    bool down_ = false;
    int groupIndex_ = 0;
    bool allowAllUp_ = false;
    bool pressed_ = false;
};

// Where the glyph and the caption go inside a button's client rectangle.
struct TButtonLayoutResult {
    POINT GlyphPos;
    RECT TextBounds;
};
TButtonLayoutResult CalcButtonLayout(const RECT& client, SIZE glyph, SIZE text, TButtonLayout layout, int margin,
                                     int spacing);

// A push button (owner-drawn BUTTON) with a glyph from Glyph or from an image list, laid out
// like a speed button's.
class TBitBtn : public TButton {
    T_CLASS_PUBLISHED(TBitBtn, TButton)
public:
    explicit TBitBtn(TComponent* owner);
    ~TBitBtn() override;

    // NumGlyphs images side by side: up, disabled, down, exclusive.
    TBitmap* Glyph() const { return glyph_.get(); }
    void SetGlyph(TBitmap* glyph);
    int NumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(int value);
    TButtonLayout Layout() const { return layout_; }
    void SetLayout(TButtonLayout value);
    int Margin() const { return margin_; }
    void SetMargin(int value);
    int Spacing() const { return spacing_; }
    void SetSpacing(int value);
    // With Images and an ImageIndex, the image list's image replaces Glyph.
    TCustomImageList* Images() const { return images_; }
    void SetImages(TCustomImageList* images);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int value);
    // Image shown while disabled; -1: the normal image, grayed.
    int DisabledIndex() const { return disabledIndex_; }
    void SetDisabledIndex(int value);
    static TPropList Published();

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& message) override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    void DrawItem(const DRAWITEMSTRUCT& item);
    SIZE GlyphSize() const;
    void DrawGlyph(HDC dc, POINT at, bool enabled, bool pressed);

    std::unique_ptr<TBitmap> glyph_;
    int numGlyphs_ = 1;
    TButtonLayout layout_ = blGlyphLeft;
    int margin_ = -1;
    int spacing_ = 4;
    TCustomImageList* images_ = nullptr;
    int imageIndex_ = -1;
    int disabledIndex_ = -1;
    // Drawn with the default frame: Default, or made the default by the focus moving.
    bool isDefault_ = false;
};
