// TWinControl (a control with a window) and TCustomControl (a windowed control that paints itself).
#pragma once

#include "framework/win/controls.h"

#include <string>
#include <vector>

// What CreateWindowExW receives; filled in by CreateParams.
struct TCreateParams {
    std::wstring Caption;
    DWORD Style = 0;
    DWORD ExStyle = 0;
    int X = 0;
    int Y = 0;
    int Width = 0;
    int Height = 0;
    HWND WndParent = nullptr;
    // Registered window class: the framework class name (ClassName()), so GetClassName shows it.
    std::wstring WinClassName;
    // Windows class this one is built on ("EDIT", "BUTTON", ...); empty for a class of our own.
    std::wstring BaseClassName;
    UINT ClassStyle = CS_DBLCLKS;
    HBRUSH Background = nullptr;
};

class TWinControl : public TControl {
    T_CLASS_PUBLISHED(TWinControl, TControl)
public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;

    // The window; created (with its parents) on first use.
    HWND Handle();
    HWND Handle() const { return handle_; }
    bool HandleAllocated() const { return handle_ != nullptr; }
    void HandleNeeded() { (void)Handle(); }
    // Destroys the window and makes a new one with the current settings.
    void RecreateWnd();
    // Owner window for a top-level control without parent control.
    HWND ParentWindow() const { return parentWindow_; }
    void SetParentWindow(HWND window) { parentWindow_ = window; }

    // Child controls (windowed and windowless) in insertion order.
    int ControlCount() const { return static_cast<int>(controls_.size()); }
    TControl* Controls(int index) const { return controls_.at(static_cast<std::size_t>(index)); }
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    bool ContainsControl(const TControl* control) const;
    // The topmost visible child control at a client point (windowless ones included), or null.
    TControl* ControlAtPos(POINT clientPoint, bool allowDisabled = false) const;

    // Tab order among the windowed siblings (0-based; -1 when not in the tab order).
    int TabOrder() const;
    void SetTabOrder(int order);
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool value);
    // Every windowed control reachable in tab order, nested ones included, depth first.
    void GetTabOrderList(std::vector<TWinControl*>& list) const;
    // Moves the focus to the next (or previous) tab stop inside this control.
    void SelectNext(TWinControl* current, bool forward);

    bool Focused() const;
    bool CanFocus() const;
    virtual void SetFocus();

    // Paint into a memory DC that is passed as wParam of WM_PAINT, then copy it to the screen.
    bool DoubleBuffered() const { return doubleBuffered_; }
    void SetDoubleBuffered(bool value) { doubleBuffered_ = value; }
    // Erase the background with the parent's image instead of Color.
    bool ParentBackground() const { return parentBackground_; }
    void SetParentBackground(bool value);

    // Sends the message through WindowProc of every child control.
    void Broadcast(TMessage& message);
    // Paints the visible windowless child controls into `dc` (client coordinates).
    void PaintControls(HDC dc);

    void SetBounds(int left, int top, int width, int height) override;
    RECT ClientRect() const override;
    POINT ClientOrigin() const override;
    void SetClientSize(int width, int height) override;
    void Invalidate() override;

    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;

    static TPropList Published();

protected:
    virtual void CreateParams(TCreateParams& params);
    virtual void CreateHandle();
    virtual void DestroyHandle();
    // Destroys the control's window (an MDI child asks its client window to do it).
    virtual void DestroyWindowHandle(HWND window) { DestroyWindow(window); }
    // After the window exists: apply fonts, colors etc.
    virtual void CreateWnd() {}
    // Before the window goes: save what must survive a re-creation (texts, items).
    virtual void DestroyWnd() {}

    void WndProc(TMessage& message) override;
    void DefaultHandler(TMessage& message) override;
    // Paints the window's own contents into dc; the base lets the window procedure paint.
    virtual void PaintWindow(HDC dc);
    // Fills the background (Color, or the parent's image with ParentBackground); false leaves
    // WM_ERASEBKGND to the window procedure (standard controls erase themselves).
    virtual bool EraseBackground(HDC dc);
    // Windows of our own class erase and paint through the framework; standard controls don't.
    bool OwnClass() const { return ownClass_; }
    // Routes a mouse message to the windowless child under it (or under capture); true if routed.
    bool RouteMouseToGraphic(TMessage& message);

    std::string GetTextValue() const override;
    void SetTextValue(const std::string& text) override;
    void FontChanged() override;
    void ColorChanged() override;
    void VisibleChanged() override;
    void EnabledChanged() override;
    void BeforeDestruction() override;

    // Brush of Color for WM_CTLCOLOR* answers (owned by this control).
    HBRUSH ColorBrush();

private:
    friend LRESULT CALLBACK FrameworkWindowProc(HWND, UINT, WPARAM, LPARAM);
    friend class TApplication;
    void PaintHandler(TMessage& message);
    void UpdateMouseControl(TControl* control);
    // Sends a child's notification back to the child as CN_BASE + message; false when the
    // message is not one that children notify their parent with.
    bool ReflectToChild(TMessage& message);
    void AttachWindow(HWND hwnd);
    void DetachWindow();

    HWND handle_ = nullptr;
    HWND parentWindow_ = nullptr;
    WNDPROC defWndProc_ = nullptr;
    bool ownClass_ = false;
    bool clientSizeRequested_ = false;
    int requestedClientWidth_ = 0;
    int requestedClientHeight_ = 0;
    std::vector<TControl*> controls_;
    std::vector<TWinControl*> tabList_;
    bool tabStop_ = false;
    bool doubleBuffered_ = false;
    bool parentBackground_ = false;
    std::string savedText_;
    TControl* captureControl_ = nullptr;
    base::win::UniqueHBrush colorBrush_;
    TColor colorBrushColor_ = clNone;
};

class TCustomControl : public TWinControl {
    T_CLASS(TCustomControl, TWinControl)
public:
    explicit TCustomControl(TComponent* owner);
    // Drawing surface while painting.
    TCanvas* Canvas() { return &canvas_; }

protected:
    void PaintWindow(HDC dc) override;
    virtual void Paint() {}

private:
    TCanvas canvas_;
};

// The framework control whose window this is (the "ControlOfs..." window property), or null.
TWinControl* FindControl(HWND window);
// The global atom naming that window property, and its name: "ControlOfs" followed by the
// module instance handle and the thread id, each as (at least) 8 upper-case hex digits.
ATOM ControlAtom();
std::wstring ControlAtomName();
