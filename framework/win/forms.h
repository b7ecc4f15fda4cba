// Forms: TScrollingWinControl, TCustomForm, TForm.
#pragma once

#include "base/win/handles.h"
#include "framework/win/win_control.h"

#include <vector>

class TMainMenu;
class TMenuItem;

// fsMDIForm: a frame holding MDI children in its "MDIClient" window; fsMDIChild: one of them.
enum TFormStyle { fsNormal, fsMDIChild, fsMDIForm };

class TScrollingWinControl : public TWinControl {
    T_CLASS_PUBLISHED(TScrollingWinControl, TWinControl)
public:
    explicit TScrollingWinControl(TComponent* owner);
    bool AutoScroll() const { return autoScroll_; }
    void SetAutoScroll(bool value) { autoScroll_ = value; }
    static TPropList Published();

private:
    bool autoScroll_ = true;
};

class TCustomForm : public TScrollingWinControl {
    T_CLASS_PUBLISHED(TCustomForm, TScrollingWinControl)
public:
    // Hidden, 320x240, centred nowhere; registers itself in Screen's list of forms.
    explicit TCustomForm(TComponent* owner);
    ~TCustomForm() override;

    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle style);
    TBorderIcons BorderIcons() const { return borderIcons_; }
    void SetBorderIcons(TBorderIcons icons);
    TPosition Position() const { return position_; }
    void SetPosition(TPosition position) { position_ = position; }
    TMainMenu* Menu() const { return menu_; }
    void SetMenu(TMainMenu* menu);
    // Re-reads the menu's Windows handle after items changed (sends CM_MENUCHANGED).
    void MenuChanged();
    // The window's icon (big and small); null uses the application's. Not owned: the caller
    // keeps it alive while the form shows it.
    HICON Icon() const { return icon_; }
    void SetIcon(HICON icon);
    // What the window shows: Icon, or the application's when the form has none.
    HICON EffectiveIcon() const;
    // Sends the effective icon to the window (the application calls it when its icon changes).
    void UpdateIcon();
    // MDI (mdi.cpp). The style is chosen before the window exists; changing it later makes the
    // window again.
    TFormStyle FormStyle() const { return formStyle_; }
    void SetFormStyle(TFormStyle style);
    // The frame's "MDIClient" window (null for other forms).
    HWND ClientHandle() const { return mdiClient_.Get(); }
    // The frame's menu item whose sub-menu lists the children.
    TMenuItem* WindowMenu() const { return windowMenu_; }
    void SetWindowMenu(TMenuItem* item);
    TCustomForm* ActiveMDIChild() const;
    int MDIChildCount() const;
    TCustomForm* MDIChildren(int index) const;
    void Tile();
    void Cascade();
    void ArrangeIcons();
    void Next();
    void Previous();
    // Canvas of the client area; drawing target of OnPaint.
    TCanvas* Canvas() { return &canvas_; }

    TWinControl* ActiveControl() const { return activeControl_; }
    void SetActiveControl(TWinControl* control);
    bool Active() const;

    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult result) { modalResult_ = result; }
    // Shows the form and runs a nested message loop until ModalResult is set; returns it.
    TModalResult ShowModal();
    bool Modal() const { return modal_; }
    // Asks OnCloseQuery, then hides (modal: sets mrCancel); closing the main form ends the program.
    void Close();
    bool CloseQuery();
    // Frees the form once the current message is done (safe inside the form's own handlers).
    void Release();
    // Runs OnCreate (CreateForm calls it once the constructor has finished).
    void DoCreate();

    TNotifyEvent OnCreate;
    TNotifyEvent OnDestroy;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnPaint;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;

    static TPropList Published();

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void DestroyWnd() override;
    void WndProc(TMessage& message) override;
    void DefaultHandler(TMessage& message) override;
    void DestroyWindowHandle(HWND window) override;
    void PaintWindow(HDC dc) override;
    void VisibleChanged() override;
    void BeforeDestruction() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    void CenterOnScreen();
    void ApplyStyles();
    void HandleMenuMessage(TMessage& message);
    // MDI (mdi.cpp).
    void CreateMdiClient();
    void LayoutMdiClient();
    void SetMdiMenu();
    // The frame an MDI child lives in, or null.
    TCustomForm* MdiFrame() const;
    // A child's WM_MDIACTIVATE: merges its menu into the frame's or takes it out.
    void MdiActivated(WPARAM deactivated, LPARAM activated);
    std::vector<TCustomForm*> MdiChildList() const;

    TBorderStyle borderStyle_ = bsSizeable;
    TBorderIcons borderIcons_ = biSystemMenu | biMinimize | biMaximize;
    TPosition position_ = poDesigned;
    TMainMenu* menu_ = nullptr;
    HICON icon_ = nullptr;
    TCanvas canvas_;
    TWinControl* activeControl_ = nullptr;
    TModalResult modalResult_ = mrNone;
    bool modal_ = false;
    bool positioned_ = false;
    TFormStyle formStyle_ = fsNormal;
    base::win::UniqueHWnd mdiClient_;
    TMenuItem* windowMenu_ = nullptr;
};

class TForm : public TCustomForm {
    T_CLASS(TForm, TCustomForm)
public:
    explicit TForm(TComponent* owner) : TCustomForm(owner) {}
};

// The form that (directly or through parents) holds the control, or null.
TCustomForm* GetParentForm(const TControl* control);
