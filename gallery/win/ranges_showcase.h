#pragma once
// The gallery's second page of controls: combo boxes, edits, tab and page controls, a tab set,
// progress bars, track bars, up-downs, a list view with its header and a check box with custom
// glyphs, each in its states.

#include "gallery/win/showcase_forms.h"

class TComboBox;
class TPageControl;
class TTrackBar;
class TUpDown;
class TEdit;

class TRangesForm : public TShowcaseForm {
    T_CLASS(TRangesForm, TShowcaseForm)
public:
    explicit TRangesForm(TComponent* owner);

    TComboBox* DropDown = nullptr;
    TPageControl* Pages = nullptr;
    TTrackBar* Track = nullptr;
    TUpDown* Arrows = nullptr;
    TEdit* ArrowsBuddy = nullptr;
};
