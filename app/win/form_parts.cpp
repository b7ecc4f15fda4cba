#include "app/win/form_parts.h"

namespace {

void SetUpFrame(TForm& form, const std::string& caption, int width, int height, TBorderStyle border, TColor fontColor) {
    form.SetBorderStyle(border);
    form.SetBorderIcons(biSystemMenu);
    form.SetPosition(poScreenCenter);
    form.SetColor(clBtnFace);
    form.Font()->SetName("MS Sans Serif");
    form.Font()->SetHeight(-11);
    form.Font()->SetColor(fontColor);
    form.SetCaption(caption);
    form.SetClientSize(width, height);
}

template <class T>
T* Place(T* control, TWinControl* parent, const char* name, int left, int top) {
    control->SetName(name);
    control->SetParent(parent);
    control->SetLeft(left);
    control->SetTop(top);
    return control;
}

}  // namespace

void SetUpDialog(TForm& form, const std::string& caption, int width, int height) {
    SetUpFrame(form, caption, width, height, bsDialog, clWindowText);
}

void SetUpMainWindow(TForm& form, const std::string& caption, int width, int height) {
    SetUpFrame(form, caption, width, height, bsSingle, clBlack);
}

TLabel* MakeLabel(TComponent* owner, TWinControl* parent, const char* name, int left, int top,
                  const std::string& text) {
    auto* label = Place(new TLabel(owner), parent, name, left, top);
    label->SetCaption(text);
    return label;
}

TEdit* MakeEdit(TComponent* owner, TWinControl* parent, const char* name, int left, int top, int width, int height,
                const std::string& text) {
    auto* edit = Place(new TEdit(owner), parent, name, left, top);
    edit->SetBounds(left, top, width, height);
    edit->SetText(text);
    return edit;
}

TMemo* MakeMemo(TComponent* owner, TWinControl* parent, const char* name, int left, int top, int width, int height) {
    auto* memo = Place(new TMemo(owner), parent, name, left, top);
    memo->SetBounds(left, top, width, height);
    return memo;
}

TGroupBox* MakeGroupBox(TComponent* owner, TWinControl* parent, const char* name, int left, int top, int width,
                        int height, const std::string& caption) {
    auto* box = Place(new TGroupBox(owner), parent, name, left, top);
    box->SetBounds(left, top, width, height);
    box->SetCaption(caption);
    return box;
}

TSpeedButton* MakeSpeedButton(TComponent* owner, TWinControl* parent, const char* name, int left, int top, int width,
                              int height, const std::string& caption, TNotifyEvent onClick) {
    auto* button = Place(new TSpeedButton(owner), parent, name, left, top);
    button->SetBounds(left, top, width, height);
    button->SetCaption(caption);
    button->SetCursor(crHandPoint);
    button->OnClick = std::move(onClick);
    return button;
}
