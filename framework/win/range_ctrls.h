// Controls over a range of numbers: TProgressBar, TTrackBar, TUpDown and TSpinEdit (an edit with
// arrows inside it).
#pragma once

#include "framework/win/std_ctrls.h"

#include <functional>

enum TProgressBarOrientation { pbHorizontal, pbVertical };

class TProgressBar : public TWinControl {
    T_CLASS_PUBLISHED(TProgressBar, TWinControl)
public:
    // 150x16, 0..100, steps of 10.
    explicit TProgressBar(TComponent* owner);
    int Min() const { return min_; }
    void SetMin(int value);
    int Max() const { return max_; }
    void SetMax(int value);
    // Always inside Min..Max: a value outside is clamped.
    int Position() const { return position_; }
    void SetPosition(int value);
    int Step() const { return step_; }
    void SetStep(int value) { step_ = value; }
    // Changing the orientation re-creates the window.
    TProgressBarOrientation Orientation() const { return orientation_; }
    void SetOrientation(TProgressBarOrientation value);
    // One continuous bar instead of blocks (re-creates the window).
    bool Smooth() const { return smooth_; }
    void SetSmooth(bool value);
    // Advances by Step; past Max the bar starts again from Min, as the window does.
    void StepIt();
    static TPropList Published();

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;

private:
    void Apply();
    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
    int step_ = 10;
    TProgressBarOrientation orientation_ = pbHorizontal;
    bool smooth_ = false;
};

enum TTrackBarOrientation { trHorizontal, trVertical };
enum TTickMark { tmBottomRight, tmTopLeft, tmBoth };
enum TTickStyle { tsNone, tsAuto, tsManual };

class TTrackBar : public TWinControl {
    T_CLASS_PUBLISHED(TTrackBar, TWinControl)
public:
    // 150x45, 0..10, a tick at every position below the channel, tab stop.
    explicit TTrackBar(TComponent* owner);
    int Min() const { return min_; }
    void SetMin(int value);
    int Max() const { return max_; }
    void SetMax(int value);
    int Position() const;
    void SetPosition(int value);
    TTrackBarOrientation Orientation() const { return orientation_; }
    void SetOrientation(TTrackBarOrientation value);
    // A tick every Frequency positions (tsAuto).
    int Frequency() const { return frequency_; }
    void SetFrequency(int value);
    // Arrow keys move by LineSize, Page Up/Down and clicks in the channel by PageSize.
    int LineSize() const { return lineSize_; }
    void SetLineSize(int value);
    int PageSize() const { return pageSize_; }
    void SetPageSize(int value);
    int ThumbLength() const { return thumbLength_; }
    void SetThumbLength(int value);
    TTickMark TickMarks() const { return tickMarks_; }
    void SetTickMarks(TTickMark value);
    TTickStyle TickStyle() const { return tickStyle_; }
    void SetTickStyle(TTickStyle value);

    // After the position moved (mouse or keyboard; not when set from code).
    TNotifyEvent OnChange;
    static TPropList Published();

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void DestroyWnd() override;
    void WndProc(TMessage& message) override;

private:
    void Apply();
    int min_ = 0;
    int max_ = 10;
    int position_ = 0;
    TTrackBarOrientation orientation_ = trHorizontal;
    int frequency_ = 1;
    int lineSize_ = 1;
    int pageSize_ = 2;
    int thumbLength_ = 20;
    TTickMark tickMarks_ = tmBottomRight;
    TTickStyle tickStyle_ = tsAuto;
};

enum TUDOrientation { udHorizontal, udVertical };
enum TUDBtnType { btNext, btPrev };

using TUDClickEvent = std::function<void(TObject* Sender, TUDBtnType Button)>;
using TUDChangingEvent = std::function<void(TObject* Sender, bool& AllowChange)>;

class TUpDown : public TWinControl {
    T_CLASS_PUBLISHED(TUpDown, TWinControl)
public:
    // 17x25 vertical arrows, 0..100, steps of 1.
    explicit TUpDown(TComponent* owner);
    int Min() const { return min_; }
    void SetMin(int value);
    int Max() const { return max_; }
    void SetMax(int value);
    int Position() const;
    void SetPosition(int value);
    int Increment() const { return increment_; }
    void SetIncrement(int value);
    TUDOrientation Orientation() const { return orientation_; }
    void SetOrientation(TUDOrientation value);
    // Past either end the position goes round to the other (re-creates the window).
    bool Wrap() const { return wrap_; }
    void SetWrap(bool value);
    // The buddy control: the arrows sit at its right, show their position as its text and follow
    // the arrow keys pressed in it.
    TWinControl* Associate() const { return associate_; }
    void SetAssociate(TWinControl* value);

    // After an arrow changed the position.
    TUDClickEvent OnClick;
    // Before an arrow changes the position; AllowChange false keeps it.
    TUDChangingEvent OnChanging;
    static TPropList Published();

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void DestroyWnd() override;
    void WndProc(TMessage& message) override;
    void Notification(TComponent* component, TOperation operation) override;
    bool ClickOnMouseUp() const override { return false; }

private:
    void Apply();
    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
    int increment_ = 1;
    TUDOrientation orientation_ = udVertical;
    bool wrap_ = false;
    TWinControl* associate_ = nullptr;
    // Direction of the change under way (from UDN_DELTAPOS), for OnClick.
    int lastDelta_ = 0;
};

// An edit for a whole number with up and down arrows inside it (an up-down window that is a
// child of the edit's window).
class TSpinEdit : public TCustomEdit {
    T_CLASS_PUBLISHED(TSpinEdit, TCustomEdit)
public:
    // 121x21, value 0, no limits (MinValue == MaxValue), steps of 1.
    explicit TSpinEdit(TComponent* owner);
    ~TSpinEdit() override;
    // With MinValue < MaxValue, the value is kept between them.
    int MinValue() const { return minValue_; }
    void SetMinValue(int value);
    int MaxValue() const { return maxValue_; }
    void SetMaxValue(int value);
    // The number in the text (MinValue when the text is not a number).
    int Value() const;
    void SetValue(int value);
    int Increment() const { return increment_; }
    void SetIncrement(int value) { increment_ = value; }
    // The arrows' window (null without a window).
    HWND UpDownWindow() const { return upDown_.Get(); }
    static TPropList Published();

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void DestroyWnd() override;
    void WndProc(TMessage& message) override;
    void BoundsChanged() override;

private:
    int CheckValue(int value) const;
    void PlaceArrows();
    int minValue_ = 0;
    int maxValue_ = 0;
    int increment_ = 1;
    base::win::UniqueHWnd upDown_;
};
