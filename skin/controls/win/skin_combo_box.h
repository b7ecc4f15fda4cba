#pragma once
// TSkinComBox: the frame and drop-down button of a combo box drawn from the skin's SunkEdge,
// ComboButton and ExtraImages objects over what the control painted; the text field is never
// touched. Hot and pressed states are tracked on the combo and on its inner edit, which is
// subclassed for that. The always-open list of a simple combo gets skinned scroll bars.

#include "skin/controls/win/skin_control.h"

namespace skin::win {

class TSkinScrollbarH;

class TSkinComBox : public TSkinControl {
    T_CLASS(TSkinComBox, TSkinControl)
public:
    using TSkinControl::TSkinControl;
    ~TSkinComBox() override;

    void InitSkin(TSkinForm* form, TSkinData* skinData, bool setColor) override;
    void InitSkinHandle(HWND handle, TSkinData* skinData, TSkinForm* form) override;
    void RestoreColors() override;

    HWND EditHandle() const { return editHandle_; }
    HWND ListHandle() const { return listHandle_; }
    TSkinScrollbarH* ListSkin() const { return listSkin_; }

protected:
    void Notification(TComponent* component, TOperation operation) override;
    void AfterProc(TMessage& message) override;
    void DrawControl(HDC dc, const RECT& rect) override;
    void WindowRecreated() override;

private:
    friend LRESULT CALLBACK ComboInnerEditProc(HWND, UINT, WPARAM, LPARAM);
    void AfterAttach();
    void WatchEdit(HWND edit);
    LRESULT EditMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    // What the skin does after the inner edit handled a message.
    void WatchEditMessage(HWND edit, UINT msg);
    void ReleaseEdit();
    bool ReadInfo();
    void SetHot(bool hot);
    void SetPressed(bool pressed);
    bool CursorInside() const;
    void DrawClassic(HDC dc, const RECT& rect, int state);

    DWORD style_ = 0;
    DWORD exStyle_ = 0;
    HWND listHandle_ = nullptr;
    HWND editHandle_ = nullptr;
    WNDPROC editOldProc_ = nullptr;
    bool editTracking_ = false;
    TSkinScrollbarH* listSkin_ = nullptr;  // owned by this skin
    COMBOBOXINFO info_{};
};

}  // namespace skin::win
