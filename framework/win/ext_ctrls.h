// Container controls: TPanel (bevelled, with a caption) and TRadioGroup.
#pragma once

#include "framework/strings.h"
#include "framework/win/std_ctrls.h"

#include <memory>
#include <vector>

class TCustomPanel : public TCustomControl {
    T_CLASS_PUBLISHED(TCustomPanel, TCustomControl)
public:
    // 185x41, raised outer bevel 1 wide, no border, centred caption, parent background.
    explicit TCustomPanel(TComponent* owner);
    TPanelBevel BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TPanelBevel value);
    TPanelBevel BevelInner() const { return bevelInner_; }
    void SetBevelInner(TPanelBevel value);
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int value);
    // bsSingle: a sunken client edge around the panel (re-creates the window).
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle value);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value);
    static TPropList Published();

protected:
    void CreateParams(TCreateParams& params) override;
    void Paint() override;
    void WndProc(TMessage& message) override;

private:
    TPanelBevel bevelOuter_ = bvRaised;
    TPanelBevel bevelInner_ = bvNone;
    int bevelWidth_ = 1;
    TBorderStyle borderStyle_ = bsNone;
    TAlignment alignment_ = taCenter;
};

class TPanel : public TCustomPanel {
    T_CLASS(TPanel, TCustomPanel)
public:
    explicit TPanel(TComponent* owner) : TCustomPanel(owner) {}
};

// Draws `width` bevel lines inside `rect` (top-left in `topColor`, bottom-right in
// `bottomColor`) and shrinks `rect` past them.
void Frame3D(HDC dc, RECT& rect, TColor topColor, TColor bottomColor, int width);

// A group box with one radio button per item, in columns.
class TCustomRadioGroup : public TCustomGroupBox {
    T_CLASS_PUBLISHED(TCustomRadioGroup, TCustomGroupBox)
public:
    explicit TCustomRadioGroup(TComponent* owner);
    ~TCustomRadioGroup() override;
    TStrings* Items() { return items_.get(); }
    void SetItems(TStrings* items) { items_->Assign(items); }
    // The checked item, -1 for none.
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int value);
    int Columns() const { return columns_; }
    void SetColumns(int value);
    // The radio button of item `index`.
    TRadioButton* Buttons(int index) const { return buttons_.at(static_cast<std::size_t>(index)); }
    int ButtonCount() const { return static_cast<int>(buttons_.size()); }
    static TPropList Published();

protected:
    void BoundsChanged() override;
    void WndProc(TMessage& message) override;

private:
    friend class TRadioGroupStrings;
    void ItemsChanged();
    void ArrangeButtons();
    void ButtonClicked(TRadioButton* button);

    std::unique_ptr<TStrings> items_;
    std::vector<TRadioButton*> buttons_;
    int itemIndex_ = -1;
    int columns_ = 1;
    bool updating_ = false;
};

class TRadioGroup : public TCustomRadioGroup {
    T_CLASS(TRadioGroup, TCustomRadioGroup)
public:
    explicit TRadioGroup(TComponent* owner) : TCustomRadioGroup(owner) {}
};
