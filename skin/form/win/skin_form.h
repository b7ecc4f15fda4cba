#pragma once
// TSkinForm: the form skin that takes over the non-client area of one top-level window (a
// framework form or a bare window such as a "#32770" dialog): frame, caption, caption buttons,
// window region, system menu and menu bar, all drawn from the skin; everything it changed is
// put back when the skin is switched off or the window goes.

#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "base/win/handles.h"
#include "framework/component.h"
#include "framework/win/controls.h"
#include "skin/data/skin_objects_set.h"
#include "skin/form/caption_button.h"
#include "skin/form/frame_kind.h"
#include "skin/form/frame_metrics.h"
#include "skin/form/window_bits.h"

class TCustomForm;
class TPopupMenu;
class TMainMenu;

namespace base::win {
class DibSection;
}

namespace skin::win {

class TSkinControl;
class TSkinData;
class TSkinMenu;

class TSkinForm : public TComponent {
    T_CLASS(TSkinForm, TComponent)
public:
    // owner: the framework form, or null for a bare window.
    explicit TSkinForm(TComponent* owner);
    ~TSkinForm() override;

    // The bar is lit from the keyboard (F10 or Alt) and no drop-down is open.
    bool MenuBarKeyboard() const { return barKeyboard_; }
    // Whether `skin` is a live form skin (the manager's list may outlive a form skin whose form
    // freed it without the manager noticing).
    static bool IsLive(const TSkinForm* skin);
    // The form skin subclassing `window`, or null.
    static TSkinForm* FromWindow(HWND window);

    HWND Handle = nullptr;
    const void* SkinDataOwner = nullptr;

    void AttachForm(TSkinData* skinData, TCustomForm* form);
    void Attach(TSkinData* skinData);
    void Detach();
    void FreeCaptionButtons();
    void MeasureFrame();
    // Re-applies the skin after a skin change: colours, every control skin, menu drawing, the
    // frame fitted around the same client area, the region, and a repaint of it all.
    void ReapplySkin();
    // The skin data's objects were replaced: lets go of everything taken from the old ones
    // (caption buttons, cached strips, region, menu-bar picture) and re-applies the new skin.
    void SkinReloaded();
    void SetCaptionStyles(bool restore);
    // Cuts the window region for the current size; `redraw` false leaves the repaint to the caller.
    void UpdateRegion(bool redraw = true);
    void RemoveRegion();
    void FrameChanged();
    // Paints the whole skinned frame on `dc` (window coordinates), or on the window DC when null.
    void PaintFrame(HDC dc);

    TSkinData* SkinData() const;
    int Phase() const;    // 0 created, 1 active, 3 re-applying, 4 being destroyed, 5 fitting, 6 window gone
    int MdiRole() const;  // 0 ordinary, 1 MDI frame, 2 MDI child
    // The window reads from the right (its menus' items are laid out mirrored).
    bool RightToLeft() const { return rightToLeft_; }
    int WindowState() const;  // 0 normal, 1 maximised, 2 minimised
    bool HasRegion() const;

    bool Active() const { return active_; }
    bool MenuTracking() const { return menuTracking_; }
    bool FrameSkinning() const { return frameSkinning_; }
    skin::form::FrameKind FrameKind() const { return frameClass_.Kind; }
    const skin::form::FrameMetrics& Metrics() const { return metrics_; }
    skin::form::SavedStyleBits SavedStyleBits() const { return savedBits_; }
    // Places and states of the caption buttons as last laid out (window coordinates).
    std::span<const skin::form::CaptionButton> CaptionButtons() const { return captionButtons_; }
    // The skinned menu bar, null when the window has none.
    TSkinMenu* MenuBar() const { return skinMenu_.get(); }
    // The framework form the skin was attached to; null for a plain window.
    TCustomForm* OwnerForm() const { return ownerForm_; }
    // The skinned system menu (built at attach).
    TPopupMenu* SystemPopupMenu() const { return sysPopupMenu_; }

    // The control skins attached under this form skin; each is listed once.
    const std::vector<TSkinControl*>& ControlSkins() const { return controlSkins_; }
    void AddControlSkin(TSkinControl* skin);
    void RemoveControlSkin(TSkinControl* skin);
    // Frees the skins whose window was destroyed, so a re-created control can be skinned again.
    void PurgeControlSkins();
    // Gives back every control (colours restored where the window still exists) and frees the skins.
    void FreeControlSkins();
    // Attaches control skins to the window's controls now (also what SM_SKINCONTROLS does).
    void SkinControls();
    // MDI frames (skin_form_mdi.cpp): the active child is maximized.
    bool ActiveChildMaximized() const;
    // The "MDIClient" window of an MDI frame, subclassed while the skin is on.
    HWND MdiClient() const { return mdiClient_; }
    bool MdiClientHooked() const { return mdiClientHooked_; }
    // Whether the menu bar follows CM_MENUCHANGED: the skin data's MenuUpdate, which an MDI frame
    // holds off for itself while it has children (their menus reach it through WM_MDISETMENU).
    bool MenuUpdateOn() const;
    bool MenuHooksInstalled() const { return menuHooksInstalled_; }
    HWND PendingMdiChild() const { return pendingMdiChild_; }
    // The one button skin shown hot, shared by all control skins of this form.
    TSkinControl* HoverButton = nullptr;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    friend class TSkinMenu;
    friend LRESULT CALLBACK SkinFormWindowProc(HWND, UINT, WPARAM, LPARAM);
    friend LRESULT CALLBACK SkinMenuFilterHook(int, WPARAM, LPARAM);
    friend LRESULT CALLBACK SkinMdiClientProc(HWND, UINT, WPARAM, LPARAM);

    // What the mouse is over or pressing: a caption button or a menu-bar button.
    struct NcObject {
        enum class Kind { None, CaptionButton, MenuButton } Type = Kind::None;
        std::size_t Index = 0;
        bool operator==(const NcObject&) const = default;
        explicit operator bool() const { return Type != Kind::None; }
    };

    // Lifecycle (skin_form.cpp).
    const TSkinObjects& Objects() const;
    bool SkinEmpty() const;
    void Subclass();
    void Unsubclass();
    void DetachOnDestroy();
    void Apply();
    // Sizes the window around its client for the skin's frame; `redraw` false moves nothing on
    // the screen (the caller repaints the window once, when all its changes are made).
    void FitFrame(bool keepClient, bool redraw = true);
    void ReadWindowState();
    bool Minimized() const { return windowState_ == skin::form::WindowState::Minimized; }
    bool Maximized() const { return windowState_ == skin::form::WindowState::Maximized; }
    bool MdiChildNotNormal() const;
    void StartHoverTimer(bool run);
    void InstallFormHook();
    void RemoveFormHook();
    void FormWindowProc(TMessage& message, const TMessageNext& next);
    // Re-applying (skin_form_reapply.cpp).
    HWND FocusedChild() const;
    void NudgeHeight();
    void LeaveHoverButton();

    // Dispatch (skin_form_dispatch.cpp).
    LRESULT Dispatch(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT Default(UINT msg, WPARAM wParam, LPARAM lParam);
    bool DispatchFrameMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
    LRESULT DispatchNonClient(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT OnNcCalcSize(WPARAM wParam, LPARAM lParam);
    LRESULT OnNcActivate(WPARAM wParam, LPARAM lParam);
    void OnSize(WPARAM wParam, LPARAM lParam);
    void OnGetMinMaxInfo(LPARAM lParam);

    // Painting (skin_form_paint.cpp).
    void MakeIconPicture();
    // The icon picture shared by the windows of the skin data, for a window without an icon.
    skin::Bitmap SharedIconPicture() const;
    void PaintCaption(HDC dc, int width);
    void PaintCaptionText(base::win::DibSection& strip, const skin::Rect& area);
    void LayoutCaptionButtons();
    void PaintCaptionButton(std::size_t index, skin::form::ButtonState state);
    std::wstring WindowText() const;

    // Caption buttons and mouse (skin_form_mouse.cpp).
    NcObject HitTest(skin::Point windowPoint) const;
    skin::Point ScreenToWindow(LPARAM lParam) const;
    void SetHot(NcObject object, skin::form::ButtonState state);
    void LeaveHot();
    void PaintObject(NcObject object, skin::form::ButtonState state);
    LRESULT OnNcHitTest(WPARAM wParam, LPARAM lParam);
    LRESULT OnNcMouseMove(WPARAM wParam, LPARAM lParam);
    LRESULT OnNcLButtonDown(WPARAM wParam, LPARAM lParam);
    LRESULT OnNcLButtonUp(WPARAM wParam, LPARAM lParam);
    LRESULT OnNcLButtonDblClk(WPARAM wParam, LPARAM lParam);
    LRESULT OnNcRButtonDown(WPARAM wParam, LPARAM lParam);
    LRESULT OnSysCommand(WPARAM wParam, LPARAM lParam);
    LRESULT OnCommand(WPARAM wParam, LPARAM lParam);
    void OnHoverTimer();
    void PerformAction(int screenX, int screenY);
    void ToggleMaximize();
    void Restore();
    void ToggleMinimize();
    void SendToMdiChild(UINT command);
    void BuildSysPopupMenu();
    void ShowSystemMenu(POINT screenPoint, bool fromIconButton);
    void CloseWindow();

    // MDI (skin_form_mdi.cpp).
    void HookMdiClient();
    void UnhookMdiClient(bool clientGoing);
    LRESULT MdiClientProc(UINT msg, WPARAM wParam, LPARAM lParam);
    bool MdiScrollBarsAllowed() const;
    void RebuildMenuBar(HMENU menu);
    void PaintMdiBarButtons(HDC dc);
    void PaintMdiBarButton(HDC dc, std::size_t index, skin::form::ButtonState state);

    // Menu items (skin_form_menu_items.cpp).
    void InstallMenuDrawing(bool on);
    bool OnMenuItemMessage(UINT msg, LPARAM lParam, LRESULT& result);
    // A plain Windows popup menu shown for this window gets its items drawn by the skin.
    void MarkPopupMenu(HMENU menu);
    void UnmarkPopupMenus();
    HMENU MarkedMenuOf(UINT id) const;
    bool MarkedBySkin(HMENU menu) const;
    // Menu bar (skin_menu_bar.cpp).
    bool OpenMenu(std::size_t buttonIndex);
    // The form's main menu was replaced or freed: the bar follows (skin_form_menu_bar.cpp).
    bool FollowsOtherMenu() const;
    void FollowFormMenu();
    // Keyboard access to the bar (skin_menu_bar_keys.cpp): F10 or Alt lights `button` (Alt and a
    // letter opens it: `openFirst`); the keys work the bar until a drop-down's command runs,
    // Escape or a click leaves, or the window loses the activation.
    void WorkMenuBarFromKeyboard(std::size_t button, bool openFirst);
    std::optional<std::size_t> LightMenuBar(std::size_t index);

    TSkinData* skinData_ = nullptr;
    TCustomForm* ownerForm_ = nullptr;
    WNDPROC oldWndProc_ = nullptr;
    bool subclassed_ = false;
    bool formHookInstalled_ = false;

    int phase_ = 0;
    bool frameSkinning_ = false;
    bool active_ = true;
    bool controlsSkinned_ = false;
    bool stylesRestored_ = false;
    bool isChild_ = false;
    bool isUnicode_ = true;
    bool rightToLeft_ = false;
    bool thickFrame_ = false;
    bool menuTracking_ = false;
    bool barKeyboard_ = false;      // the bar is lit from the keyboard, no drop-down open
    bool dropDownEscaped_ = false;  // the last drop-down closed with Escape
    std::size_t lastDropDown_ = 0;
    bool hoverTimerRunning_ = false;
    skin::form::MdiRole mdiRole_ = skin::form::MdiRole::None;
    skin::form::FrameClass frameClass_;
    skin::form::SavedStyleBits savedBits_;
    skin::form::WindowState windowState_ = skin::form::WindowState::Normal;
    skin::form::FrameMetrics metrics_;
    DWORD windowStyle_ = 0;
    HWND ownerWindow_ = nullptr;
    HWND mdiClient_ = nullptr;
    bool mdiClientHooked_ = false;
    LONG_PTR mdiClientScrollStyle_ = 0;  // WS_HSCROLL | WS_VSCROLL of the client before the skin
    HWND pendingMdiChild_ = nullptr;
    bool menuHooksInstalled_ = false;  // MenuUpdate when the frame was skinned
    bool frameMenuUpdate_ = true;      // this frame's own hold on MenuUpdate
    HMENU systemMenu_ = nullptr;
    HMENU savedMenu_ = nullptr;
    RECT clientRect0_{};
    SIZE frameExtra_{};
    std::string className_;

    base::win::UniqueHFont captionFont_;
    DWORD doubleClickTime_ = 0;
    DWORD lastSysMenuClick_ = 0;
    bool sysMenuClickedOnce_ = false;
    bool autoScrollWas_ = false;
    TColor oldColor_ = 0;

    skin::Bitmap iconPicture_;
    std::vector<skin::form::CaptionButton> captionButtons_;
    skin::Bitmap captionBitmap_;      // last composed caption strip
    skin::Bitmap captionBackground_;  // the same strip before the caption buttons were drawn
    skin::Rect captionTextRect_;
    int rightButtonsLeft_ = 0;
    int frameWidth_ = 0;
    int frameHeight_ = 0;
    NcObject hotObject_;

    bool hasRegion_ = false;
    int regionWidth_ = 0;
    int regionHeight_ = 0;

    std::vector<TSkinControl*> controlSkins_;
    TPopupMenu* sysPopupMenu_ = nullptr;  // owned as a component of this form skin
    std::unique_ptr<TSkinMenu> skinMenu_;
    TMainMenu* barMenu_ = nullptr;                      // the framework menu the bar was made for
    std::vector<std::pair<HMENU, UINT>> markedPopups_;  // (menu, position) marked owner-drawn
};

}  // namespace skin::win
