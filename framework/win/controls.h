// TControl (every visual component) and TGraphicControl (windowless, painted by its parent).
#pragma once

#include "framework/win/canvas.h"
#include "framework/component.h"
#include "framework/engine_data.h"
#include "framework/win/message_hooks.h"
#include "framework/win/types.h"

#include <functional>
#include <memory>
#include <string>

class TWinControl;

// A control's message method: every message of the control passes through it.
using TWndMethod = std::function<void(TMessage&)>;

class TControl : public TComponent {
    T_CLASS_PUBLISHED(TControl, TComponent)
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;

    // The replaceable message method, at the bottom of the hook list. Starts as the control's
    // own WndProc; code that saves it, installs its own and puts it back keeps working, but
    // parties that may unhook in any order use AddMessageHook.
    TWndMethod WindowProc;
    // Sends a message through the hooks and WindowProc and returns its result.
    LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
    // Runs a message through the hooks (newest first) and WindowProc: what the window procedure,
    // Perform and Broadcast do with every message.
    void Deliver(TMessage& message);

    // Installs `handler` on top of the control's hooks; a second call with the same id replaces
    // the handler and keeps its place. Hooks outlive window re-creation and go with the control.
    void AddMessageHook(TMessageHookId id, TMessageHook handler);
    // Safe at any time, also from inside a running hook (its own or another's). False when the
    // id has no hook.
    bool RemoveMessageHook(TMessageHookId id);
    bool HasMessageHook(TMessageHookId id) const;
    int MessageHookCount() const;

    // State another layer keeps for this control, released when the control goes.
    void SetEngineData(TEngineDataKey key, std::shared_ptr<void> data) { engineData_.Set(key, std::move(data)); }
    std::shared_ptr<void> EngineData(TEngineDataKey key) const { return engineData_.Get(key); }
    template <class T>
    std::shared_ptr<T> EngineDataAs(TEngineDataKey key) const {
        return std::static_pointer_cast<T>(engineData_.Get(key));
    }

    // Whether `control` points to a control of this thread that still exists.
    static bool IsLive(const TControl* control);

    TWinControl* Parent() const { return parent_; }
    virtual void SetParent(TWinControl* parent);

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
    void SetTop(int v) { SetBounds(left_, v, width_, height_); }
    void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
    void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
    virtual void SetBounds(int left, int top, int width, int height);
    RECT BoundsRect() const { return RECT{left_, top_, left_ + width_, top_ + height_}; }
    // Client rectangle at origin 0,0.
    virtual RECT ClientRect() const;
    int ClientWidth() const;
    int ClientHeight() const;
    void SetClientWidth(int width) { SetClientSize(width, ClientHeight()); }
    void SetClientHeight(int height) { SetClientSize(ClientWidth(), height); }
    virtual void SetClientSize(int width, int height);
    // Screen position of the client area's origin.
    virtual POINT ClientOrigin() const;
    POINT ClientToScreen(POINT p) const;
    POINT ScreenToClient(POINT p) const;

    // Caption and Text are the same text (the window text of a windowed control).
    std::string Caption() const { return GetTextValue(); }
    void SetCaption(const std::string& text) { SetTextValue(text); }
    std::string Text() const { return GetTextValue(); }
    void SetText(const std::string& text) { SetTextValue(text); }

    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible, and every parent up to the top too.
    bool Showing() const;
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    TColor Color() const { return color_; }
    void SetColor(TColor color);
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool value);
    TFont* Font() const { return font_.get(); }
    // Copies the attributes of `font`.
    void SetFont(TFont* font);
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool value);
    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor cursor) { cursor_ = cursor; }
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& hint) { hint_ = hint; }
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool value) { showHint_ = value; }
    // True while the mouse is over the control (between mouse enter and leave).
    bool MouseInControl() const { return mouseInControl_; }

    virtual void Invalidate();
    void Update();
    void Repaint();
    void Refresh() { Repaint(); }

    virtual void Click();
    // The left/right/middle button-down handling of the control (also used to forward presses).
    void DoMouseDown(TMouseButton button, TShiftState shift, int x, int y) { MouseDown(button, shift, x, y); }

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;

    static TPropList Published();

protected:
    // The control's own message handling; the end of every WindowProc chain.
    virtual void WndProc(TMessage& message);
    // Processing of messages the framework leaves alone: the window procedure for windowed
    // controls, nothing (result 0) for windowless ones.
    virtual void DefaultHandler(TMessage& message);

    // Click() runs on a left-button release inside the control (false: the control has its own).
    virtual bool ClickOnMouseUp() const { return true; }
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual std::string GetTextValue() const { return caption_; }
    virtual void SetTextValue(const std::string& text);
    // Hooks for derived classes.
    virtual void BoundsChanged() {}
    virtual void FontChanged();
    virtual void ColorChanged();
    virtual void VisibleChanged();
    virtual void EnabledChanged();

    void BeforeDestruction() override;

    std::string caption_;
    int left_ = 0;
    int top_ = 0;
    int width_ = 0;
    int height_ = 0;
    bool mouseInControl_ = false;
    bool clicked_ = false;  // left button went down in the control and has not come up

private:
    // Leaves the parent and the framework's lookup tables.
    void Unlink();
    friend class TWinControl;
    void ParentFontChanged();
    void ParentColorChanged();

    TWinControl* parent_ = nullptr;
    bool visible_ = true;
    bool enabled_ = true;
    TColor color_ = clBtnFace;
    bool parentColor_ = false;
    std::unique_ptr<TFont> font_;
    bool parentFont_ = true;
    bool updatingFont_ = false;
    TCursor cursor_ = crDefault;
    std::string hint_;
    bool showHint_ = false;
    // Shared with every message on its way, so a hook that frees the control does not pull the
    // list from under the hooks still running.
    std::shared_ptr<framework_internal::MessageHookList> hooks_;
    TEngineDataTable engineData_;
};

class TGraphicControl : public TControl {
    T_CLASS(TGraphicControl, TControl)
public:
    explicit TGraphicControl(TComponent* owner);
    // Drawing surface: valid while the control paints (the parent's DC, origin at the control).
    TCanvas* Canvas() { return &canvas_; }
    void Invalidate() override;

protected:
    // WM_PAINT (wParam = DC with its origin at the control) runs Paint on that DC.
    void WndProc(TMessage& message) override;
    virtual void Paint() {}

private:
    TCanvas canvas_;
};

// Shift state from a mouse message's wParam (and the keyboard state for Alt).
TShiftState ShiftStateFromMouseKeys(WPARAM keys);
