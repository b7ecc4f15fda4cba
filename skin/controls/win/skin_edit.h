#pragma once
// TSkinEdit: a flat border in the skin's colours over an edit's sunken edge, and a skin for the
// up-down arrows an edit may hold (spin edits).

#include "skin/controls/win/skin_control.h"

namespace skin::win {

class TSkinUpDown;

class TSkinEdit : public TSkinControl {
    T_CLASS(TSkinEdit, TSkinControl)
public:
    using TSkinControl::TSkinControl;

    // The skin of the arrows found inside the edit, once the edit painted; else null.
    TSkinUpDown* UpDown() const { return upDown_; }

protected:
    void Notification(TComponent* component, TOperation operation) override;
    bool BeforeProc(TMessage& message) override;
    void AfterProc(TMessage& message) override;
    void DrawControl(HDC dc, const RECT& rect) override;
    // The arrows went with the old window: the next paint finds the new ones.
    void WindowRecreated() override;

private:
    void FindUpDown();
    void PrintBorder(HDC dc);
    COLORREF FieldColor() const;
    TSkinUpDown* upDown_ = nullptr;  // owned by this skin
};

}  // namespace skin::win
