// Standard controls: TLabel, TEdit, TMemo, TGroupBox, TButton.
#pragma once

#include "framework/strings.h"
#include "framework/win/win_control.h"

#include <memory>

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
    TNotifyEvent OnChange;
    static TPropList Published();

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void WndProc(TMessage& message) override;

private:
    bool readOnly_ = false;
    int maxLength_ = 0;
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
