#pragma once
// TSkinManage: the process's one skin manager. A thread CBT hook reports every window created,
// activated or destroyed on the GUI thread; the manager decides which get a form skin (and, in
// time, which menu windows get a popup skin), keeps both lists, and runs the whole-application
// actions the skin data components request from a one-shot timer.

#include <windows.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "skin/manager/manager_core.h"

class TCustomForm;
class TTimer;

namespace skin::win {

class TSkinData;
class TSkinForm;

// Window messages shared by the engine's skins (numbers fixed).
constexpr UINT SM_SKINCHANGED = 0x3401;
constexpr UINT SM_NCREPAINT = 0x3502;
constexpr UINT SM_SKINCONTROLS = 0x3503;
constexpr UINT SM_ISSKINNED = 0x3504;
constexpr UINT SM_ENABLESKIN = 0x3506;
constexpr UINT SM_SYSBUTTONCLICK = 0x3514;
constexpr UINT SM_SYSBUTTONVISIBLE = 0x3515;

class TSkinManage {
public:
    TSkinManage();
    ~TSkinManage();
    TSkinManage(const TSkinManage&) = delete;
    TSkinManage& operator=(const TSkinManage&) = delete;

    // Called by the skin data components.
    void AddSkinData(TSkinData* skinData);
    void RemoveSkinData(TSkinData* skinData);
    void InstallHook();
    void RequestAction(int action, unsigned interval);
    void RefreshFormSkins();

    // Called by the form skins.
    bool AddFormSkin(HWND window);
    void RemoveFormSkin(HWND window);
    TSkinForm* FindFormSkin(HWND window) const;
    void SetMDIChildMaximized(bool flag);

    // Popup menu windows (menu skinning builds on this seam).
    void AddPopupSkin(HWND menuWindow);
    void RemovePopupSkin(HWND menuWindow);

    TSkinData* SelectSkinData(HWND window) const;

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
    HHOOK Hook() const;
    const std::vector<TSkinForm*>& FormSkins() const;
    const std::vector<TSkinData*>& SkinDataList() const;

private:
    /* implementation owned by the skin manager */
};

// The process's manager, or null before the first skin data component has loaded.
extern TSkinManage* SkinManager;
// Creates SkinManager when there is none; returns it.
TSkinManage* EnsureSkinManager();
// Frees SkinManager (program end; also tests).
void FreeSkinManager();

}  // namespace skin::win
