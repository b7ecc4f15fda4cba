// Standard controls: TLabel, TEdit, TMemo, TGroupBox, TButton, TCheckBox, TRadioButton, TListBox,
// TScrollBar.
#pragma once

#include "framework/strings.h"
#include "framework/win/win_control.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TCustomLabel : public TGraphicControl {
    T_CLASS_PUBLISHED(TCustomLabel, TGraphicControl)
public:
    // Auto-sized, transparent off, parent color, left aligned.
    explicit TCustomLabel(TComponent* owner);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool value);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool value);
    static TPropList Published();

protected:
    void Paint() override;
    void SetTextValue(const std::string& text) override;
    void FontChanged() override;
    void AdjustBounds();
    UINT DrawTextFormat() const;

private:
    bool autoSize_ = true;
    bool transparent_ = false;
    TAlignment alignment_ = taLeftJustify;
    bool wordWrap_ = false;
};

class TLabel : public TCustomLabel {
    T_CLASS(TLabel, TCustomLabel)
public:
    explicit TLabel(TComponent* owner) : TCustomLabel(owner) {}
};

class TCustomEdit : public TWinControl {
    T_CLASS_PUBLISHED(TCustomEdit, TWinControl)
public:
    // White background, sunken border, tab stop.
    explicit TCustomEdit(TComponent* owner);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool value);
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int value);
    void SelectAll();
    void Clear() { SetText(""); }
    // bsSingle: sunken client edge; bsNone: no border. Changing it re-creates the window.
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle value);
    TNotifyEvent OnChange;
    static TPropList Published();

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void WndProc(TMessage& message) override;

private:
    bool readOnly_ = false;
    int maxLength_ = 0;
    TBorderStyle borderStyle_ = bsSingle;
};

class TEdit : public TCustomEdit {
    T_CLASS(TEdit, TCustomEdit)
public:
    explicit TEdit(TComponent* owner) : TCustomEdit(owner) {}
};

class TCustomMemo : public TCustomEdit {
    T_CLASS_PUBLISHED(TCustomMemo, TCustomEdit)
public:
    explicit TCustomMemo(TComponent* owner);
    ~TCustomMemo() override;
    // The memo's text as lines (read from and written to the window text).
    TStrings* Lines() { return lines_.get(); }
    void SetLines(TStrings* lines) { lines_->Assign(lines); }
    TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle value);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool value);
    static TPropList Published();

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& message) override;

private:
    std::unique_ptr<TStrings> lines_;
    TScrollStyle scrollBars_ = ssNone;
    bool wordWrap_ = true;
};

class TMemo : public TCustomMemo {
    T_CLASS(TMemo, TCustomMemo)
public:
    explicit TMemo(TComponent* owner) : TCustomMemo(owner) {}
};

class TCustomGroupBox : public TCustomControl {
    T_CLASS(TCustomGroupBox, TCustomControl)
public:
    explicit TCustomGroupBox(TComponent* owner);

protected:
    void Paint() override;
};

class TGroupBox : public TCustomGroupBox {
    T_CLASS(TGroupBox, TCustomGroupBox)
public:
    explicit TGroupBox(TComponent* owner) : TCustomGroupBox(owner) {}
};

class TButtonControl : public TWinControl {
    T_CLASS(TButtonControl, TWinControl)
public:
    explicit TButtonControl(TComponent* owner);

protected:
    bool ClickOnMouseUp() const override { return false; }
};

class TButton : public TButtonControl {
    T_CLASS_PUBLISHED(TButton, TButtonControl)
public:
    explicit TButton(TComponent* owner);
    // The button pressed by Enter in its form.
    bool Default() const { return default_; }
    void SetDefault(bool value);
    // The button pressed by Escape in its form.
    bool Cancel() const { return cancel_; }
    void SetCancel(bool value) { cancel_ = value; }
    // Set on the parent form when clicked.
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult value) { modalResult_ = value; }
    void Click() override;
    static TPropList Published();

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& message) override;

private:
    bool default_ = false;
    bool cancel_ = false;
    TModalResult modalResult_ = mrNone;
};

// A check box over a BUTTON window; the window keeps the check state, the control mirrors it.
class TCustomCheckBox : public TButtonControl {
    T_CLASS_PUBLISHED(TCustomCheckBox, TButtonControl)
public:
    explicit TCustomCheckBox(TComponent* owner);
    bool Checked() const { return State() == cbChecked; }
    void SetChecked(bool value) { SetState(value ? cbChecked : cbUnchecked); }
    TCheckBoxState State() const;
    // A programmatic change runs OnClick, as a click does.
    void SetState(TCheckBoxState value);
    // Clicks go through the grayed state too.
    bool AllowGrayed() const { return allowGrayed_; }
    void SetAllowGrayed(bool value);
    // taRightJustify: the text right of the box; taLeftJustify: left of it.
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value);
    static TPropList Published();

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void DestroyWnd() override;
    void WndProc(TMessage& message) override;

private:
    TCheckBoxState state_ = cbUnchecked;
    bool allowGrayed_ = false;
    TAlignment alignment_ = taRightJustify;
};

class TCheckBox : public TCustomCheckBox {
    T_CLASS(TCheckBox, TCustomCheckBox)
public:
    explicit TCheckBox(TComponent* owner) : TCustomCheckBox(owner) {}
};

// A radio button: checking one unchecks the other radio buttons of the same parent.
class TRadioButton : public TButtonControl {
    T_CLASS_PUBLISHED(TRadioButton, TButtonControl)
public:
    explicit TRadioButton(TComponent* owner);
    bool Checked() const { return checked_; }
    // Checking runs OnClick, as a click does.
    void SetChecked(bool value);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value);
    static TPropList Published();

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void WndProc(TMessage& message) override;

private:
    void ApplyCheck();
    bool checked_ = false;
    TAlignment alignment_ = taRightJustify;
};

class TCustomListBox : public TWinControl {
    T_CLASS_PUBLISHED(TCustomListBox, TWinControl)
public:
    explicit TCustomListBox(TComponent* owner);
    ~TCustomListBox() override;
    // The items, in the window while there is one (kept over a re-creation).
    TStrings* Items() { return items_.get(); }
    void SetItems(TStrings* items) { items_->Assign(items); }
    // The selected item, -1 for none.
    int ItemIndex() const;
    void SetItemIndex(int value);
    bool Sorted() const { return sorted_; }
    void SetSorted(bool value);
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle value);
    static TPropList Published();

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void DestroyWnd() override;
    void WndProc(TMessage& message) override;
    // OnClick runs when the selection changes (LBN_SELCHANGE).
    bool ClickOnMouseUp() const override { return false; }

private:
    friend class TListBoxStrings;
    std::unique_ptr<TStrings> items_;
    std::vector<std::string> saved_;
    int savedIndex_ = -1;
    bool sorted_ = false;
    TBorderStyle borderStyle_ = bsSingle;
};

class TListBox : public TCustomListBox {
    T_CLASS(TListBox, TCustomListBox)
public:
    explicit TListBox(TComponent* owner) : TCustomListBox(owner) {}
};

using TScrollEvent = std::function<void(TObject* Sender, TScrollCode ScrollCode, int& ScrollPos)>;

class TScrollBar : public TWinControl {
    T_CLASS_PUBLISHED(TScrollBar, TWinControl)
public:
    // Horizontal, 0..100, arrows move by 1, the page area by 1.
    explicit TScrollBar(TComponent* owner);
    TScrollBarKind Kind() const { return kind_; }
    // Changing the kind swaps width and height and re-creates the window.
    void SetKind(TScrollBarKind value);
    int Min() const { return min_; }
    void SetMin(int value) { SetParams(position_, value, max_); }
    int Max() const { return max_; }
    void SetMax(int value) { SetParams(position_, min_, value); }
    int Position() const { return position_; }
    void SetPosition(int value) { SetParams(value, min_, max_); }
    int PageSize() const { return pageSize_; }
    void SetPageSize(int value);
    int SmallChange() const { return smallChange_; }
    void SetSmallChange(int value) { smallChange_ = value; }
    int LargeChange() const { return largeChange_; }
    void SetLargeChange(int value) { largeChange_ = value; }
    // Sets the range and the position (kept inside the range) at once; OnChange when it moved.
    void SetParams(int position, int min, int max);

    TNotifyEvent OnChange;
    // Before the position follows a scroll action; the handler may change the new position.
    TScrollEvent OnScroll;
    static TPropList Published();

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void WndProc(TMessage& message) override;

private:
    void UpdateScrollInfo();
    void Scroll(TScrollCode code, int trackPos);
    TScrollBarKind kind_ = sbHorizontal;
    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
    int pageSize_ = 0;
    int smallChange_ = 1;
    int largeChange_ = 1;
};
