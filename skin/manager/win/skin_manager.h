#pragma once
// TSkinManage: the skin manager of a GUI thread (one per thread that skins its windows). A thread
// CBT hook reports every window created, activated or destroyed on the thread; the manager
// decides which get a form skin and which menu windows get a popup skin, keeps both lists, and
// runs the whole-application actions the skin data components request from a one-shot timer.

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/win/handles.h"
#include "skin/data/pixels.h"
#include "skin/manager/manager_core.h"
#include "skin/manager/popup_skin_decision.h"

class TCustomForm;
class TObject;
class TTimer;

namespace skin::win {

class TSkinData;
class TSkinForm;
class TSkinPopMenu;

// Window messages shared by the engine's skins (numbers fixed).
constexpr UINT SM_SKINCHANGED = 0x3401;
constexpr UINT SM_NCREPAINT = 0x3502;
constexpr UINT SM_SKINCONTROLS = 0x3503;
constexpr UINT SM_ISSKINNED = 0x3504;
constexpr UINT SM_ENABLESKIN = 0x3506;
constexpr UINT SM_SYSBUTTONCLICK = 0x3514;
constexpr UINT SM_SYSBUTTONVISIBLE = 0x3515;

inline void UnhookHook(HHOOK hook) { ::UnhookWindowsHookEx(hook); }

class TSkinManage {
public:
    TSkinManage();
    ~TSkinManage();
    TSkinManage(const TSkinManage&) = delete;
    TSkinManage& operator=(const TSkinManage&) = delete;

    // Called by the skin data components.
    void AddSkinData(TSkinData* skinData);
    // Also drops a request the component has pending, so the timer never reaches it.
    void RemoveSkinData(TSkinData* skinData);
    // The component is being destroyed: unregisters it and detaches every form skin that
    // paints with its objects, before those objects go.
    void ReleaseSkinData(TSkinData* skinData);
    void InstallHook();
    void RequestAction(int action, unsigned interval);
    void RefreshFormSkins();
    // `skinData` has just loaded other skin objects (or failed half-way): every form skin and
    // popup skin painting with it lets go of the old ones and is re-measured and repainted now.
    void SkinReloaded(TSkinData* skinData);
    // The next SkinChanged action re-applies the skin to the windows (a reload has already done
    // so by itself; its action only tells the program).
    void WantReapply() { reapplyWanted_ = true; }
    // Switches skinning off: every form skin is detached (its window given back) and freed.
    void DetachAll();

    // Called by the form skins.
    // `beforeShow`: the window is about to be shown for the first time (it is still hidden):
    // its controls are skinned at once too, so that its first paint is the skinned one.
    bool AddFormSkin(HWND window, bool beforeShow = false);
    void RemoveFormSkin(HWND window);
    TSkinForm* FindFormSkin(HWND window) const;
    void SetMDIChildMaximized(bool flag);

    // Popup menu windows: one popup skin per skinned menu window, freed with the window.
    void AddPopupSkin(HWND menuWindow);
    void RemovePopupSkin(HWND menuWindow);
    bool HasPopupSkin(HWND menuWindow) const;
    // Gives `menu` to the newest popup skin that has no menu yet.
    void AssignPopupMenu(HMENU menu);
    // The background of the popup skin showing `menu` (null when none), and where that menu's
    // client area starts in it.
    const skin::Bitmap* PopupBackground(HMENU menu, POINT* clientOrigin = nullptr) const;
    const std::vector<std::unique_ptr<TSkinPopMenu>>& PopupSkins() const { return popupSkins_; }
    void FreePopupSkins();
    // What was decided for the last menu window the hook reported.
    manager::PopupSkinVerdict LastPopupVerdict = manager::PopupSkinVerdict::ManagerDisabled;

    TSkinData* SelectSkinData(HWND window) const;
    // Drops entries whose form skin is gone and frees this manager's bare-window form skins
    // whose window was destroyed.
    void PurgeFormSkins();
    // Frees every form skin whose window was destroyed.
    void FreeClosedFormSkins();
    // Skins a visible top-level (or MDI child) form now.
    bool SkinVisibleForm(TCustomForm* form);
    // Skins every visible top-level window of this thread that may have a form skin: the sweep
    // that stands in for the forms list in a plain Win32 program.
    void SkinThreadWindows();

    // Set by the control skinning: called when a size grip is created inside a skinned window.
    std::function<void(TSkinForm* formSkin, HWND sizeGrip)> SkinSizeGrip;

    bool Enabled = false;
    bool Forced = false;
    int State = 0;        // 0 nothing activated yet, 1 running, 4 shutting down
    int MenuContext = 0;  // 0 context menu, 1 menu-bar drop-down or submenu, 2 system menu
    bool MDIChildMaximized = false;
    HWND MDIClientWindow = nullptr;
    TCustomForm* MDIFrameForm = nullptr;
    TSkinData* Requester = nullptr;
    TSkinData* DefaultSkinData = nullptr;
    const void* Module = nullptr;  // stamp written into every form skin's SkinDataOwner
    // A plain Win32 program skinned through the engine's own entry (no framework forms): the
    // thread's windows stand in for the forms list, and the program's module counts as the
    // engine's own when deciding whose windows are skinned.
    bool PlainWindows = false;
    HHOOK Hook() const { return hook_.Get(); }
    const std::vector<TSkinForm*>& FormSkins() const { return formSkins_; }
    const std::vector<TSkinData*>& SkinDataList() const { return skinDataList_; }
    // The action a component has pending (none when nothing will run).
    std::optional<manager::DueAction> PendingRequest() const;
    const TTimer* Timer() const { return timer_.get(); }

private:
    using UniqueHook = base::win::UniqueHandle<HHOOK, &UnhookHook>;

    static LRESULT CALLBACK CBTHookProc(int code, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK ShowHookProc(int code, WPARAM wParam, LPARAM lParam);
    void WindowCreated(HWND window, const CREATESTRUCTW& create);
    // Top-level windows made but not yet shown: the thread's sent messages are watched (only
    // while there are any) for the first WM_SHOWWINDOW of each, which skins the window while it
    // is still hidden; it would otherwise be shown and painted by the system, and then skinned
    // and painted again on its activation. A window waits a short while only (a form or a
    // dialog box is shown right after it is made; one kept hidden is left to its activation):
    // watching every sent message costs a little time each.
    void AwaitFirstShow(HWND window);
    void StopAwaitingShow(HWND window);
    void ForgetStaleAwaits();
    void DoPendingAction(TObject* sender);
    void RunForOneForm(manager::SkinAction action, TSkinData* requester);
    void RunForAllForms(manager::SkinAction action, TSkinData* requester);
    void DetachAndFree(std::size_t index);
    void ApplyTimer(const manager::TimerSetting& setting);
    std::optional<manager::SkinDataId> IdOf(const TSkinData* skinData) const;
    TSkinData* SkinDataOf(manager::SkinDataId id) const;
    void UpdateDefaultSkinData();

    UniqueHook hook_;
    UniqueHook showHook_;
    struct AwaitedShow {
        HWND Window;
        DWORD Since;  // GetTickCount() when it was made
    };
    std::vector<AwaitedShow> awaitingShow_;
    std::unique_ptr<TTimer> timer_;
    std::vector<TSkinForm*> formSkins_;
    std::vector<std::unique_ptr<TSkinPopMenu>> popupSkins_;
    std::vector<TSkinData*> skinDataList_;
    std::vector<manager::SkinDataId> skinDataIds_;  // parallel to skinDataList_
    manager::SkinManagerCore core_;
    bool reapplyWanted_ = false;
};

// The calling thread's manager, or null before its first skin data component has loaded.
extern thread_local TSkinManage* SkinManager;
// Creates SkinManager when there is none; returns it.
TSkinManage* EnsureSkinManager();
// Frees SkinManager (program end; also tests).
void FreeSkinManager();

}  // namespace skin::win
