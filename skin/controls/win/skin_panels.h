#pragma once
// The container-like control skins: panels recoloured to the skin's face colour (TSkinBox),
// bare dialog windows painted on it (TSkinBoxH), group boxes drawn as a rounded frame with the
// caption cutting it (TSkinGroupBox), and status bars drawn panel by panel (TSkinStatusBar).

#include "skin/controls/win/paint_buffer.h"
#include "skin/controls/win/skin_control.h"

namespace skin::win {

// A panel, tool bar or embedded form: takes the face colour and paints itself; not subclassed.
class TSkinBox : public TSkinControl {
    T_CLASS(TSkinBox, TSkinControl)
public:
    using TSkinControl::TSkinControl;
    void InitSkin(TSkinForm* form, TSkinData* skinData, bool setColor) override;

protected:
    void AfterProc(TMessage&) override {}
};

// A bare dialog window inside a skinned window: face-coloured background and static texts.
class TSkinBoxH : public TSkinControl {
    T_CLASS(TSkinBoxH, TSkinControl)
public:
    using TSkinControl::TSkinControl;
    // The dialog and its static texts take the new face colour (they ask for it as they paint).
    void SkinChange() override;

protected:
    bool BeforeProc(TMessage& message) override;
};

class TSkinGroupBox : public TSkinControl {
    T_CLASS(TSkinGroupBox, TSkinControl)
public:
    using TSkinControl::TSkinControl;
    void InitSkin(TSkinForm* form, TSkinData* skinData, bool setColor) override;

protected:
    bool BeforeProc(TMessage& message) override;
    void DrawControl(HDC dc, const RECT& rect) override;
};

class TSkinStatusBar : public TSkinControl {
    T_CLASS(TSkinStatusBar, TSkinControl)
public:
    using TSkinControl::TSkinControl;
    void InitSkin(TSkinForm* form, TSkinData* skinData, bool setColor) override;
    void InitSkinHandle(HWND handle, TSkinData* skinData, TSkinForm* form) override;
    // Gives the bar its own grip back when the skin took it.
    void RestoreColors() override;
    // The grip the skin draws (and answers for) in place of the bar's own.
    RECT GripRect() const;
    // Whether the program wanted a grip on the bar (the skin draws it).
    bool GripWanted() const { return gripWanted_; }

protected:
    bool BeforeProc(TMessage& message) override;
    void DrawControl(HDC dc, const RECT& rect) override;

private:
    void DrawPanelFrame(HDC dc, const RECT& rect, int frame) const;
    bool WantsGrip() const;
    bool HasNoPanels() const;
    bool gripWanted_ = false;
    bool gripTaken_ = false;  // the skin switched the framework bar's own grip off
};

}  // namespace skin::win
