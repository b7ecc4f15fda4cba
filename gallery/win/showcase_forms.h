#pragma once
// The windows the gallery shows: each puts one case of the skin manager's and the form skin's
// rules on the screen, a kind of window the utility itself never opens.

#include "framework/win/framework.h"

// Base of the showcase windows: a caption, a client size, and a line of text saying what the
// window demonstrates. Created hidden; Show() opens it, Close() hides it again.
class TShowcaseForm : public TForm {
    T_CLASS(TShowcaseForm, TForm)
public:
    TShowcaseForm(TComponent* owner, const std::string& caption, const std::string& description);
    TLabel* Description;
};

// Sizable, with minimise and maximise boxes.
class TSizableForm : public TShowcaseForm {
    T_CLASS(TSizableForm, TShowcaseForm)
public:
    explicit TSizableForm(TComponent* owner);
};

// No border and no caption: a popup whose form skin has no frame to draw.
class TBorderlessForm : public TShowcaseForm {
    T_CLASS(TBorderlessForm, TShowcaseForm)
public:
    explicit TBorderlessForm(TComponent* owner);
};

// Right-to-left reading: the engine takes WS_EX_LEFTSCROLLBAR as the sign of it.
class TRightToLeftForm : public TShowcaseForm {
    T_CLASS(TRightToLeftForm, TShowcaseForm)
public:
    explicit TRightToLeftForm(TComponent* owner);

protected:
    void CreateParams(TCreateParams& params) override;
};

// A tool window: small caption, close box only.
class TToolWindowForm : public TShowcaseForm {
    T_CLASS(TToolWindowForm, TShowcaseForm)
public:
    explicit TToolWindowForm(TComponent* owner);
};

// A window with the gallery skin's "pin" caption button: the window decides whether the button
// shows (SM_SYSBUTTONVISIBLE) and acts on its clicks (SM_SYSBUTTONCLICK): it stays on top.
class TPinnableForm : public TShowcaseForm {
    T_CLASS(TPinnableForm, TShowcaseForm)
public:
    // The application action the gallery skins give their pin button.
    static constexpr WPARAM kPinAction = 40;

    explicit TPinnableForm(TComponent* owner);
    int VisibilityQuestions() const { return visibilityQuestions_; }
    int PinClicks() const { return pinClicks_; }
    bool Pinned() const { return pinned_; }

protected:
    void WndProc(TMessage& message) override;

private:
    void TogglePinned();

    int visibilityQuestions_ = 0;
    int pinClicks_ = 0;
    bool pinned_ = false;
};

// Tag 99: the skin manager leaves this form to Windows.
class TUnskinnedForm : public TShowcaseForm {
    T_CLASS(TUnskinnedForm, TShowcaseForm)
public:
    explicit TUnskinnedForm(TComponent* owner);
};

// Its window class contains "preview": refused while the main component lacks xoPreview.
class TPrintPreviewForm : public TShowcaseForm {
    T_CLASS(TPrintPreviewForm, TShowcaseForm)
public:
    explicit TPrintPreviewForm(TComponent* owner);
};

// Carries its own skin data component of kind sfOnlyThisForm: another skin on this form only.
class TOwnSkinForm : public TShowcaseForm {
    T_CLASS(TOwnSkinForm, TShowcaseForm)
public:
    explicit TOwnSkinForm(TComponent* owner);
};
