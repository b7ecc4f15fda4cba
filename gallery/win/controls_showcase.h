#pragma once
// The gallery's page of controls: every kind of button, check box, radio button, panel, group
// box, scroll bar, list, tool bar and status bar the control skins draw, in each of its states.

#include "gallery/win/showcase_forms.h"

class TBitBtn;
class TCheckBox;
class TListBox;
class TMemo;
class TRadioButton;
class TScrollBar;
class TStatusBar;
class TToolBar;

class TControlsForm : public TShowcaseForm {
    T_CLASS(TControlsForm, TShowcaseForm)
public:
    explicit TControlsForm(TComponent* owner);

    TButton* PlainButton = nullptr;
    TButton* DefaultButton = nullptr;
    TSpeedButton* SpeedButton = nullptr;
    TCheckBox* PlainCheckBox = nullptr;
    TRadioButton* FirstRadio = nullptr;
    TRadioButton* SecondRadio = nullptr;
    TScrollBar* HorizontalBar = nullptr;
    TListBox* List = nullptr;
    TMemo* LongMemo = nullptr;
    TStatusBar* StatusBar = nullptr;
    TToolBar* ToolBar = nullptr;
    int Clicks = 0;
};
