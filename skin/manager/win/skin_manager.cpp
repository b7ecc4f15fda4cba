#include "skin/manager/win/skin_manager.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "framework/win/application.h"
#include "framework/win/timer.h"
#include "skin/controls/win/control_attachment.h"
#include "skin/data/ascii_case.h"
#include "skin/data/win/skin_data.h"
#include "skin/form/win/skin_form.h"
#include "skin/manager/accept_window_class.h"
#include "skin/manager/form_skin_decision.h"
#include "skin/manager/popup_skin_decision.h"
#include "skin/manager/select_skin_data.h"
#include "skin/manager/win/skin_pop_menu.h"
#include "skin/manager/win/window_facts.h"

namespace skin::win {

thread_local TSkinManage* SkinManager = nullptr;

namespace {

using manager::SkinAction;

manager::Millis Now() { return static_cast<manager::Millis>(GetTickCount64()); }

bool AnswersIsSkinned(HWND window) { return SendMessageW(window, SM_ISSKINNED, 0, 0) == 1; }

BOOL CALLBACK CollectWindow(HWND window, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

void RedrawWhole(HWND window) {
    if (!IsWindow(window)) return;
    InvalidateRect(window, nullptr, TRUE);
    UpdateWindow(window);
}

}  // namespace

TSkinManage::TSkinManage() : timer_(std::make_unique<TTimer>(nullptr)) {
    timer_->SetEnabled(false);
    timer_->SetInterval(manager::kDefaultActionInterval);
    timer_->OnTimer = [this](TObject* sender) { DoPendingAction(sender); };
}

TSkinManage::~TSkinManage() {
    State = manager::kStateShuttingDown;
    Enabled = false;
    timer_.reset();
    // Form skins of framework forms belong to their forms. A bare window's form skin belongs to
    // this manager; once its window is gone nobody else would free it.
    std::vector<TSkinForm*> skins;
    skins.swap(formSkins_);
    for (TSkinForm* skin : skins) {
        if (TSkinForm::IsLive(skin) && skin->Owner() == nullptr && skin->Phase() == 6) skin->Free();
    }
    skinDataList_.clear();
    skinDataIds_.clear();
    FreePopupSkins();
    hook_.Reset();
}

std::optional<manager::SkinDataId> TSkinManage::IdOf(const TSkinData* skinData) const {
    for (std::size_t i = 0; i < skinDataList_.size(); ++i) {
        if (skinDataList_[i] == skinData) return skinDataIds_[i];
    }
    return std::nullopt;
}

TSkinData* TSkinManage::SkinDataOf(manager::SkinDataId id) const {
    for (std::size_t i = 0; i < skinDataIds_.size(); ++i) {
        if (skinDataIds_[i] == id) return skinDataList_[i];
    }
    return nullptr;
}

void TSkinManage::UpdateDefaultSkinData() {
    const auto id = core_.SkinData().Default();
    DefaultSkinData = id ? SkinDataOf(*id) : nullptr;
}

void TSkinManage::AddSkinData(TSkinData* skinData) {
    if (skinData == nullptr || IdOf(skinData)) return;
    skinDataIds_.push_back(core_.AddSkinData(skinData->SkinFormtype()));
    skinDataList_.push_back(skinData);
    UpdateDefaultSkinData();
}

void TSkinManage::RemoveSkinData(TSkinData* skinData) {
    const auto id = IdOf(skinData);
    if (Requester == skinData) Requester = nullptr;
    if (!id) return;
    ApplyTimer(core_.RemoveSkinData(*id));
    const auto at = std::find(skinDataList_.begin(), skinDataList_.end(), skinData) - skinDataList_.begin();
    skinDataList_.erase(skinDataList_.begin() + at);
    skinDataIds_.erase(skinDataIds_.begin() + at);
    UpdateDefaultSkinData();
}

void TSkinManage::ReleaseSkinData(TSkinData* skinData) {
    RemoveSkinData(skinData);
    if (State == manager::kStateShuttingDown) return;
    for (std::size_t i = formSkins_.size(); i-- > 0;) {
        if (i >= formSkins_.size()) continue;
        TSkinForm* skin = formSkins_[i];
        if (!TSkinForm::IsLive(skin) || skin->SkinData() != skinData) continue;
        DetachAndFree(i);
    }
}

void TSkinManage::InstallHook() {
    if (hook_) return;
    hook_.Reset(SetWindowsHookExW(WH_CBT, &TSkinManage::CBTHookProc, nullptr, GetCurrentThreadId()));
}

void TSkinManage::ApplyTimer(const manager::TimerSetting& setting) {
    if (!timer_) return;
    timer_->SetInterval(setting.interval);
    timer_->SetEnabled(setting.running);
}

void TSkinManage::RequestAction(int action, unsigned interval) {
    const auto requester = IdOf(Requester);
    if (!requester) return;
    const manager::RequestOutcome outcome =
        core_.RequestAction(static_cast<SkinAction>(action), interval, *requester, State, Now());
    if (outcome.enabled) Enabled = *outcome.enabled;
    ApplyTimer(outcome.timer);
}

std::optional<manager::DueAction> TSkinManage::PendingRequest() const {
    const auto& pending = core_.Pending();
    if (!pending.Requester() || !pending.Timer().running) return std::nullopt;
    return manager::DueAction{pending.Action(), *pending.Requester()};
}

void TSkinManage::RefreshFormSkins() {
    for (std::size_t i = 0; i < formSkins_.size(); ++i) {
        TSkinForm* skin = formSkins_[i];
        if (!TSkinForm::IsLive(skin) || skin->SkinData() != Requester) continue;
        // Made again at once from the skin's current list: a caption painted before the
        // pending action runs still has its buttons.
        skin->FreeCaptionButtons();
        if (skin->FrameSkinning()) skin->MeasureFrame();
    }
}

void TSkinManage::SkinReloaded(TSkinData* skinData) {
    if (skinData == nullptr || State == manager::kStateShuttingDown) return;
    // Re-applying moves and repaints windows, which can reach the hook and change the list:
    // walked by index with a fresh count.
    for (std::size_t i = 0; i < formSkins_.size(); ++i) {
        TSkinForm* skin = formSkins_[i];
        if (TSkinForm::IsLive(skin) && skin->SkinData() == skinData) skin->SkinReloaded();
    }
    for (std::size_t i = 0; i < popupSkins_.size(); ++i) {
        if (popupSkins_[i]->SkinData == skinData) popupSkins_[i]->SkinReloaded();
    }
}

TSkinData* TSkinManage::SelectSkinData(HWND window) const {
    std::vector<manager::SkinDataDescriptor> descriptors;
    descriptors.reserve(skinDataList_.size());
    for (TSkinData* data : skinDataList_) {
        manager::SkinDataDescriptor descriptor;
        descriptor.formType = data->SkinFormtype();
        auto* owner = dynamic_cast<TWinControl*>(data->Owner());
        if (owner != nullptr && owner->HandleAllocated()) {
            descriptor.ownerWindow =
                reinterpret_cast<manager::WindowId>(static_cast<const TWinControl*>(owner)->Handle());
        }
        descriptor.empty = data->SkinEmpty();
        descriptors.push_back(descriptor);
    }
    const auto index =
        manager::SelectSkinData(descriptors, reinterpret_cast<manager::WindowId>(window), WindowClassName(window));
    return index ? skinDataList_[*index] : nullptr;
}

TSkinForm* TSkinManage::FindFormSkin(HWND window) const {
    for (TSkinForm* skin : formSkins_) {
        if (TSkinForm::IsLive(skin) && skin->Handle == window) return skin;
    }
    return nullptr;
}

bool TSkinManage::AddFormSkin(HWND window, bool beforeShow) {
    manager::FormSkinFacts facts;
    facts.enabled = Enabled;
    if (!Enabled || !IsWindow(window)) return false;
    facts.answersIsSkinned = AnswersIsSkinned(window);
    if (!facts.answersIsSkinned) {
        PurgeFormSkins();
        facts.hasFormSkin = FindFormSkin(window) != nullptr;
    }
    TCustomForm* form = FindFrameworkForm(window);
    // Windows activate one another while forms are freed (at program end above all); a form on its
    // way out must not get a form skin that it would own only after it freed its components.
    if (form != nullptr && IsFormGoing(form)) return false;
    facts.hasFrameworkForm = form != nullptr;
    facts.formTag = form != nullptr ? form->Tag() : 0;
    facts.exemptProperty = IsExemptWindow(window);
    facts.forced = Forced;
    facts.childStyle = (GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD) != 0;
    if (facts.childStyle) facts.parentClassName = WindowClassName(GetParent(window));
    const auto module = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE));
    facts.sameModule = module == ThisModule() || (PlainWindows && module == GetModuleHandleW(nullptr));
    facts.className = WindowClassName(window);
    RECT rect{};
    GetWindowRect(window, &rect);
    facts.width = rect.right - rect.left;
    facts.height = rect.bottom - rect.top;
    facts.acceptsClass = [this, &facts] {
        if (DefaultSkinData == nullptr) return manager::AcceptWindowClass(facts.className, nullptr);
        manager::WindowFilterSettings filter{DefaultSkinData->Options(), DefaultSkinData->SkinControls(), {}};
        TSkinData* data = DefaultSkinData;
        if (data->OnFormSkin) {
            filter.onFormSkin = [data](std::string_view name, bool& doSkin) {
                data->OnFormSkin(data, std::string(name), doSkin);
            };
        }
        return manager::AcceptWindowClass(facts.className, &filter);
    };
    TSkinData* skinData = SelectSkinData(window);
    facts.skinDataFound = skinData != nullptr;
    facts.skinDataEmpty = skinData != nullptr && skinData->SkinEmpty();
    if (manager::DecideFormSkin(facts) != manager::FormSkinVerdict::SkinIt) return false;

    auto* skin = new TSkinForm(form);
    skin->Handle = window;
    skin->SkinDataOwner = Module;
    if (form != nullptr) {
        skin->AttachForm(skinData, form);
    } else {
        skin->Attach(skinData);
    }
    formSkins_.push_back(skin);
    if (form == nullptr || beforeShow) {
        // A plain window's controls all exist by now (a dialog box is activated once it has made
        // them), and so do a form's when it is about to be shown: the frame is fitted and the
        // controls skinned at once, so that the window's first paint is the skinned one rather
        // than a paint made again afterwards.
        SendMessageW(window, SM_SKINCONTROLS, 0, 1000);
    }
    // A form may still make controls when it is shown (in OnShow): they are skinned with the
    // posted message, after the ones skinned already.
    if (form != nullptr) PostMessageW(window, SM_SKINCONTROLS, 0, 1000);
    return true;
}

void TSkinManage::RemoveFormSkin(HWND window) {
    if (State == manager::kStateShuttingDown) return;
    for (std::size_t i = 0; i < formSkins_.size(); ++i) {
        // The entry of a form skin being destroyed is compared by handle only: it is no longer live.
        if (formSkins_[i] != nullptr && formSkins_[i]->Handle == window) {
            formSkins_.erase(formSkins_.begin() + static_cast<std::ptrdiff_t>(i));
            return;
        }
    }
}

void TSkinManage::PurgeFormSkins() {
    if (State == manager::kStateShuttingDown) return;
    for (std::size_t i = formSkins_.size(); i-- > 0;) {
        if (i >= formSkins_.size()) continue;
        TSkinForm* skin = formSkins_[i];
        if (!TSkinForm::IsLive(skin)) {
            formSkins_.erase(formSkins_.begin() + static_cast<std::ptrdiff_t>(i));
        } else if (skin->Phase() == 6 && skin->SkinDataOwner == Module) {
            formSkins_.erase(formSkins_.begin() + static_cast<std::ptrdiff_t>(i));
            skin->Free();
        }
    }
}

void TSkinManage::FreeClosedFormSkins() {
    if (State == manager::kStateShuttingDown) return;
    for (std::size_t i = formSkins_.size(); i-- > 0;) {
        if (i >= formSkins_.size()) continue;
        TSkinForm* skin = formSkins_[i];
        if (TSkinForm::IsLive(skin) && skin->Phase() == 6) {
            formSkins_.erase(formSkins_.begin() + static_cast<std::ptrdiff_t>(i));
            skin->Free();
        }
    }
}

void TSkinManage::DetachAll() {
    Enabled = false;
    PurgeFormSkins();
    while (!formSkins_.empty()) {
        if (TSkinForm::IsLive(formSkins_.front())) {
            DetachAndFree(0);
        } else {
            formSkins_.erase(formSkins_.begin());
        }
    }
}

void TSkinManage::DetachAndFree(std::size_t index) {
    TSkinForm* skin = formSkins_[index];
    formSkins_.erase(formSkins_.begin() + static_cast<std::ptrdiff_t>(index));
    const HWND window = skin->Handle;
    skin->Detach();
    RedrawWhole(window);
    skin->Free();
}

bool TSkinManage::SkinVisibleForm(TCustomForm* form) {
    if (form == nullptr || !form->Visible() || !form->HandleAllocated()) return false;
    const HWND window = static_cast<const TCustomForm*>(form)->Handle();
    const bool child = (GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD) != 0;
    const bool mdiChild = (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_MDICHILD) != 0;
    if (child && !mdiChild) return false;
    return AddFormSkin(window);
}

void TSkinManage::SkinThreadWindows() {
    std::vector<HWND> windows;
    EnumThreadWindows(GetCurrentThreadId(), &CollectWindow, reinterpret_cast<LPARAM>(&windows));
    for (HWND window : windows) {
        if (!IsWindow(window) || !IsWindowVisible(window)) continue;
        const auto style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
        // Only windows a person activates: tool tips, drop-down lists and menus never are.
        if ((style & WS_CHILD) != 0 || (style & WS_CAPTION) == 0) continue;
        AddFormSkin(window);
    }
}

void TSkinManage::SetMDIChildMaximized(bool flag) {
    if (flag == MDIChildMaximized) return;
    MDIChildMaximized = flag;
    for (std::size_t i = 0; i < formSkins_.size(); ++i) {
        TSkinForm* skin = formSkins_[i];
        if (!TSkinForm::IsLive(skin) || skin->MdiRole() != 2) continue;
        if (flag) {
            if (skin->HasRegion()) skin->RemoveRegion();
            skin->SetCaptionStyles(true);
        } else if (skin->WindowState() == 2) {
            skin->SetCaptionStyles(true);
        } else {
            skin->UpdateRegion();
            skin->SetCaptionStyles(false);
            if (!skin->HasRegion()) skin->FrameChanged();
        }
    }
}

void TSkinManage::AddPopupSkin(HWND menuWindow) {
    manager::PopupSkinFacts facts;
    facts.enabled = Enabled;
    if (!Enabled) return;
    facts.answersIsSkinned = AnswersIsSkinned(menuWindow);
    TSkinData* skinData = SelectSkinData(menuWindow);
    facts.skinDataFound = skinData != nullptr;
    facts.skinDataEmpty = skinData != nullptr && skinData->SkinEmpty();
    facts.menuContext = MenuContext;
    if (skinData != nullptr) facts.controls = skinData->SkinControls();
    facts.hasPopupSkin = HasPopupSkin(menuWindow);
    LastPopupVerdict = manager::DecidePopupSkin(facts);
    if (LastPopupVerdict != manager::PopupSkinVerdict::SkinIt) return;
    auto popup = std::make_unique<TSkinPopMenu>();
    popup->AttachMenuWindow(menuWindow, skinData, nullptr);
    popupSkins_.push_back(std::move(popup));
}

void TSkinManage::RemovePopupSkin(HWND menuWindow) {
    for (auto it = popupSkins_.begin(); it != popupSkins_.end(); ++it) {
        if ((*it)->MenuWindow != menuWindow) continue;
        (*it)->DetachMenuWindow();
        popupSkins_.erase(it);
        break;
    }
    if (popupSkins_.empty()) MenuContext = manager::kMenuContextPopup;
}

bool TSkinManage::HasPopupSkin(HWND menuWindow) const {
    for (const auto& popup : popupSkins_)
        if (popup->MenuWindow == menuWindow) return true;
    return false;
}

void TSkinManage::AssignPopupMenu(HMENU menu) {
    for (auto it = popupSkins_.rbegin(); it != popupSkins_.rend(); ++it) {
        if ((*it)->MenuHandle == menu) return;  // already known
        if ((*it)->MenuHandle == nullptr) {
            (*it)->MenuHandle = menu;
            return;
        }
    }
}

const skin::Bitmap* TSkinManage::PopupBackground(HMENU menu, POINT* clientOrigin) const {
    for (const auto& popup : popupSkins_) {
        if (menu == nullptr || popup->MenuHandle != menu || popup->BackgroundBitmap.Empty()) continue;
        if (clientOrigin != nullptr) *clientOrigin = popup->ClientOrigin;
        return &popup->BackgroundBitmap;
    }
    return nullptr;
}

void TSkinManage::FreePopupSkins() { popupSkins_.clear(); }

void TSkinManage::WindowCreated(HWND window, const CREATESTRUCTW& create) {
    if (create.hwndParent == HWND_MESSAGE) return;
    const std::string className = WindowClassName(window);
    if (IsPlatformInternalClass(className)) return;
    if (className == "ScrollBar" && (create.style & SBS_SIZEGRIP) != 0) {
        if (TSkinForm* owner = FindFormSkin(create.hwndParent)) {
            if (SkinSizeGrip)
                SkinSizeGrip(owner, window);
            else
                SkinWindow(*owner, window);
        }
    }
    if ((create.style & WS_CHILD) == 0 && className == "#32768") AddPopupSkin(window);
    // Windows with a caption, the ones that are activated when shown (popup lists, tips and
    // captionless popups are left to their activation, if any, as before).
    if (!PlainWindows && (create.style & WS_CHILD) == 0 && (create.style & WS_CAPTION) == WS_CAPTION)
        AwaitFirstShow(window);
}

namespace {

// How long a window made hidden is watched for its first show.
constexpr DWORD kAwaitShowMs = 500;

}  // namespace

void TSkinManage::AwaitFirstShow(HWND window) {
    StopAwaitingShow(window);  // a handle used again
    awaitingShow_.push_back({window, GetTickCount()});
    if (!showHook_)
        showHook_.Reset(SetWindowsHookExW(WH_CALLWNDPROC, &TSkinManage::ShowHookProc, nullptr, GetCurrentThreadId()));
}

void TSkinManage::StopAwaitingShow(HWND window) {
    const auto it = std::find_if(awaitingShow_.begin(), awaitingShow_.end(),
                                 [window](const AwaitedShow& awaited) { return awaited.Window == window; });
    if (it != awaitingShow_.end()) awaitingShow_.erase(it);
    if (awaitingShow_.empty()) showHook_.Reset();
}

void TSkinManage::ForgetStaleAwaits() {
    const DWORD now = GetTickCount();
    std::erase_if(awaitingShow_, [now](const AwaitedShow& awaited) { return now - awaited.Since > kAwaitShowMs; });
    if (awaitingShow_.empty()) showHook_.Reset();
}

LRESULT CALLBACK TSkinManage::ShowHookProc(int code, WPARAM wParam, LPARAM lParam) {
    TSkinManage* self = SkinManager;
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    // Unhooking below may free the hook: the next one is asked first.
    const LRESULT next = CallNextHookEx(nullptr, code, wParam, lParam);
    if (self == nullptr || code != HC_ACTION || sent == nullptr) return next;
    if (sent->message == WM_SHOWWINDOW && sent->wParam != FALSE && sent->lParam == 0) {
        const HWND window = sent->hwnd;
        const auto& awaiting = self->awaitingShow_;
        if (std::any_of(awaiting.begin(), awaiting.end(),
                        [window](const AwaitedShow& awaited) { return awaited.Window == window; })) {
            self->StopAwaitingShow(window);
            if (self->Enabled && self->State != manager::kStateShuttingDown && !IsWindowVisible(window))
                self->AddFormSkin(window, true);
        }
    }
    if (!self->awaitingShow_.empty()) self->ForgetStaleAwaits();
    return next;
}

LRESULT CALLBACK TSkinManage::CBTHookProc(int code, WPARAM wParam, LPARAM lParam) {
    TSkinManage* self = SkinManager;
    const HHOOK hook = self != nullptr ? self->Hook() : nullptr;
    if (self != nullptr && code >= 0 && self->Enabled) {
        const HWND window = reinterpret_cast<HWND>(wParam);
        switch (code) {
            case HCBT_CREATEWND: {
                const auto* create = reinterpret_cast<const CBT_CREATEWNDW*>(lParam);
                if (create != nullptr && create->lpcs != nullptr) self->WindowCreated(window, *create->lpcs);
                break;
            }
            case HCBT_DESTROYWND: break;  // below, whether enabled or not
            case HCBT_ACTIVATE:
                if (self->State == manager::kStateNoWindowActivated) self->State = manager::kStateRunning;
                self->AddFormSkin(window);
                break;
            default: break;
        }
    } else if (self != nullptr && code == HCBT_ACTIVATE && self->State == manager::kStateNoWindowActivated) {
        self->State = manager::kStateRunning;
    }
    // Even while skinning is off: a popup skin left behind would keep a later window that gets
    // the same handle from ever being skinned.
    if (self != nullptr && code == HCBT_DESTROYWND) {
        self->RemovePopupSkin(reinterpret_cast<HWND>(wParam));
        self->StopAwaitingShow(reinterpret_cast<HWND>(wParam));
    }
    return CallNextHookEx(hook, code, wParam, lParam);
}

void TSkinManage::DoPendingAction(TObject*) {
    if (timer_) timer_->SetEnabled(false);
    const auto due = core_.TimerFired();
    if (!due) return;
    TSkinData* requester = SkinDataOf(due->requester);
    if (requester == nullptr) return;
    Requester = requester;
    if (requester->SkinFormtype() == TSkinFormType::sfOnlyThisForm) {
        RunForOneForm(due->action, requester);
    } else {
        RunForAllForms(due->action, requester);
    }
    requester->DoSkinChanged();
    Requester = nullptr;
}

void TSkinManage::RunForOneForm(SkinAction action, TSkinData* requester) {
    switch (action) {
        case SkinAction::Activate: {
            Enabled = true;
            Forced = true;
            for (int i = Screen != nullptr ? Screen->FormCount() : 0; i-- > 0;) {
                if (i >= Screen->FormCount()) continue;
                TCustomForm* form = Screen->Forms(i);
                if (form == requester->Owner()) {
                    SkinVisibleForm(form);
                    break;
                }
            }
            Forced = false;
            break;
        }
        case SkinAction::Deactivate:
            Enabled = false;
            PurgeFormSkins();
            for (std::size_t i = formSkins_.size(); i-- > 0;) {
                if (i < formSkins_.size() && TSkinForm::IsLive(formSkins_[i]) &&
                    formSkins_[i]->SkinData() == requester) {
                    DetachAndFree(i);
                    break;
                }
            }
            break;
        case SkinAction::SkinChanged:
            PurgeFormSkins();
            if (!std::exchange(reapplyWanted_, false)) break;
            for (TSkinForm* skin : formSkins_) {
                if (TSkinForm::IsLive(skin) && skin->SkinData() == requester) {
                    skin->FreeCaptionButtons();
                    skin->MeasureFrame();
                    skin->ReapplySkin();
                    break;
                }
            }
            break;
        case SkinAction::FreeClosedFormSkins: FreeClosedFormSkins(); break;
    }
}

void TSkinManage::RunForAllForms(SkinAction action, TSkinData* requester) {
    switch (action) {
        case SkinAction::Activate:
            Enabled = true;
            Forced = true;
            PurgeFormSkins();
            for (int i = Screen != nullptr ? Screen->FormCount() : 0; i-- > 0;) {
                if (i < Screen->FormCount()) SkinVisibleForm(Screen->Forms(i));
            }
            if (PlainWindows) SkinThreadWindows();
            Forced = false;
            break;
        case SkinAction::Deactivate: DetachAll(); break;
        case SkinAction::SkinChanged:
            PurgeFormSkins();
            if (!std::exchange(reapplyWanted_, false)) break;
            for (std::size_t i = 0; i < formSkins_.size(); ++i) {
                TSkinForm* skin = formSkins_[i];
                if (!TSkinForm::IsLive(skin) || skin->SkinData() != requester) continue;
                skin->FreeCaptionButtons();
                skin->MeasureFrame();
            }
            for (std::size_t i = 0; i < formSkins_.size(); ++i) {
                TSkinForm* skin = formSkins_[i];
                if (TSkinForm::IsLive(skin) && skin->SkinData() == requester) skin->ReapplySkin();
            }
            break;
        case SkinAction::FreeClosedFormSkins: FreeClosedFormSkins(); break;
    }
}

namespace {

// Forms still owned by the application are freed after the exit handlers run. Every window is
// given back here first, so no form skin takes part in their destruction and the manager can go
// at once; skin data components freed later find no manager and have nothing left to detach.
void FreeSkinManagerAtExit() {
    if (SkinManager == nullptr) return;
    SkinManager->DetachAll();
    FreeSkinManager();
}

}  // namespace

TSkinManage* EnsureSkinManager() {
    if (SkinManager == nullptr) {
        SkinManager = new TSkinManage();
        static bool freedAtExit = (std::atexit(&FreeSkinManagerAtExit), true);
        (void)freedAtExit;
    }
    return SkinManager;
}

void FreeSkinManager() {
    TSkinManage* manager = SkinManager;
    SkinManager = nullptr;
    delete manager;
}

}  // namespace skin::win
