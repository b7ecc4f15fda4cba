// Caption buttons under the mouse, their actions, hit-testing, the system menu and the system
// commands of a skinned window.

#include "framework/shortcut.h"
#include "framework/win/menus.h"
#include "skin/data/win/skin_data.h"
#include "skin/form/caption_button_layout.h"
#include "skin/form/caption_button_rules.h"
#include "skin/form/menu_accelerator.h"
#include "skin/form/menu_bar_keyboard.h"
#include "skin/form/nc_hit_test.h"
#include "skin/controls/win/skin_control.h"
#include "skin/form/win/skin_form.h"
#include "skin/form/win/skin_menu_bar.h"
#include "skin/manager/win/skin_manager.h"

namespace skin::win {

namespace {

enum SystemMenuTag { kRestoreTag = 0, kMaximizeTag = 1, kMinimizeTag = 2, kCloseTag = 3, kSeparatorTag = 100 };

}  // namespace

skin::Point TSkinForm::ScreenToWindow(LPARAM lParam) const {
    const skin::Point screen = skin::form::PointFromLParam(static_cast<std::uint32_t>(lParam));
    POINT client{screen.X, screen.Y};
    ScreenToClient(Handle, &client);
    return skin::form::ClientToWindowPoint({client.x, client.y}, metrics_, Minimized());
}

TSkinForm::NcObject TSkinForm::HitTest(skin::Point windowPoint) const {
    if (const auto index = skin::form::HitCaptionButton(captionButtons_, windowPoint))
        return {NcObject::Kind::CaptionButton, *index};
    if (skinMenu_) {
        if (const auto index = skinMenu_->HitButton(windowPoint)) return {NcObject::Kind::MenuButton, *index};
    }
    return {};
}

void TSkinForm::PaintObject(NcObject object, skin::form::ButtonState state) {
    if (object.Type == NcObject::Kind::CaptionButton) {
        if (object.Index < captionButtons_.size()) captionButtons_[object.Index].State = state;
        PaintCaptionButton(object.Index, state);
    } else if (object.Type == NcObject::Kind::MenuButton && skinMenu_) {
        skinMenu_->PaintButton(object.Index, state);
    }
}

void TSkinForm::SetHot(NcObject object, skin::form::ButtonState state) {
    if (hotObject_ && hotObject_ != object) LeaveHot();
    hotObject_ = object;
    PaintObject(object, state);
}

void TSkinForm::LeaveHot() {
    const NcObject old = hotObject_;
    hotObject_ = {};
    if (old) PaintObject(old, skin::form::ButtonState::Normal);
}

LRESULT TSkinForm::OnNcHitTest(WPARAM wParam, LPARAM lParam) {
    const auto answer = static_cast<int>(Default(WM_NCHITTEST, wParam, lParam));
    return skin::form::AdjustNcHitTest(answer, ScreenToWindow(lParam), metrics_);
}

LRESULT TSkinForm::OnNcMouseMove(WPARAM wParam, LPARAM lParam) {
    if (!active_) return 0;
    const NcObject hit = HitTest(ScreenToWindow(lParam));
    if (hit) {
        if (hotObject_ != hit) SetHot(hit, skin::form::ButtonState::Hot);
        return 0;
    }
    LeaveHot();
    return Default(WM_NCMOUSEMOVE, wParam, lParam);
}

LRESULT TSkinForm::OnNcLButtonDown(WPARAM wParam, LPARAM lParam) {
    const NcObject hit = HitTest(ScreenToWindow(lParam));
    if (hit) {
        if (!active_) SetForegroundWindow(Handle);
        SetHot(hit, skin::form::ButtonState::Pressed);
        if (hit.Type == NcObject::Kind::MenuButton) OpenMenu(hit.Index);
        return 0;
    }
    const int hitCode = skin::form::CaptionClickHitCode(static_cast<int>(wParam), Maximized(), active_);
    return Default(WM_NCLBUTTONDOWN, static_cast<WPARAM>(hitCode), lParam);
}

LRESULT TSkinForm::OnNcLButtonUp(WPARAM wParam, LPARAM lParam) {
    const NcObject hit = HitTest(ScreenToWindow(lParam));
    if (!hit) return Default(WM_NCLBUTTONUP, wParam, lParam);
    if (hit.Type == NcObject::Kind::CaptionButton && hit == hotObject_) {
        PaintObject(hit, skin::form::ButtonState::Hot);
        const skin::Point screen = skin::form::PointFromLParam(static_cast<std::uint32_t>(lParam));
        PerformAction(screen.X, screen.Y);
    }
    return 0;
}

LRESULT TSkinForm::OnNcLButtonDblClk(WPARAM wParam, LPARAM lParam) {
    // Only the caption itself toggles; a double click on a button or the menu bar is two clicks.
    if (wParam != HTCAPTION || HitTest(ScreenToWindow(lParam))) return 0;
    if (!savedBits_.HasMaximizeBox()) return 0;
    if (!Maximized() && !Minimized())
        ToggleMaximize();
    else
        Restore();
    return 0;
}

LRESULT TSkinForm::OnNcRButtonDown(WPARAM wParam, LPARAM lParam) {
    if (wParam == HTCAPTION && mdiRole_ != skin::form::MdiRole::Child) {
        const skin::Point screen = skin::form::PointFromLParam(static_cast<std::uint32_t>(lParam));
        ShowSystemMenu({screen.X, screen.Y}, false);
        return 0;
    }
    return Default(WM_NCRBUTTONDOWN, wParam, lParam);
}

void TSkinForm::PerformAction(int screenX, int screenY) {
    if (hotObject_.Type != NcObject::Kind::CaptionButton || hotObject_.Index >= captionButtons_.size()) return;
    const int action = captionButtons_[hotObject_.Index].Action();
    switch (skin::form::ClassifyCaptionClick(action)) {
        case skin::form::CaptionClick::None: break;
        case skin::form::CaptionClick::Close:
            StartHoverTimer(false);
            PostMessageW(Handle, WM_SYSCOMMAND, SC_CLOSE, 0);
            break;
        case skin::form::CaptionClick::ToggleMaximize: ToggleMaximize(); break;
        case skin::form::CaptionClick::ToggleMinimize: ToggleMinimize(); break;
        case skin::form::CaptionClick::SystemMenu: ShowSystemMenu({screenX + 1, screenY + 1}, true); break;
        case skin::form::CaptionClick::MdiChildMinimize: SendToMdiChild(SC_MINIMIZE); break;
        case skin::form::CaptionClick::MdiChildRestore: SendToMdiChild(SC_RESTORE); break;
        case skin::form::CaptionClick::MdiChildClose: SendToMdiChild(SC_CLOSE); break;
        case skin::form::CaptionClick::Application:
            PostMessageW(Handle, SM_SYSBUTTONCLICK, static_cast<WPARAM>(action), 0);
            break;
    }
}

void TSkinForm::ToggleMaximize() {
    if (Maximized()) {
        Restore();
        return;
    }
    if (mdiRole_ == skin::form::MdiRole::Child && SkinManager != nullptr) SkinManager->SetMDIChildMaximized(true);
    windowState_ = skin::form::WindowState::Maximized;
    PostMessageW(Handle, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    hotObject_ = {};
}

void TSkinForm::Restore() {
    windowState_ = skin::form::WindowState::Normal;
    PostMessageW(Handle, WM_SYSCOMMAND, SC_RESTORE, 0);
}

void TSkinForm::ToggleMinimize() {
    if (Minimized()) {
        Restore();
        return;
    }
    windowState_ = skin::form::WindowState::Minimized;
    PostMessageW(Handle, WM_SYSCOMMAND, SC_MINIMIZE, 0);
}

void TSkinForm::SendToMdiChild(UINT command) {
    if (mdiRole_ != skin::form::MdiRole::Frame || mdiClient_ == nullptr) return;
    const auto child = reinterpret_cast<HWND>(SendMessageW(mdiClient_, WM_MDIGETACTIVE, 0, 0));
    if (child != nullptr) SendMessageW(child, WM_SYSCOMMAND, command, 0);
}

void TSkinForm::CloseWindow() {
    StartHoverTimer(false);
    PostMessageW(Handle, WM_CLOSE, 0, 0);
}

void TSkinForm::BuildSysPopupMenu() {
    delete sysPopupMenu_;
    sysPopupMenu_ = new TPopupMenu(this);
    sysPopupMenu_->SetTag(33333);
    // Each command shows its glyph from the skin data's menu glyphs (restore, maximise,
    // minimise, close: their tags are the glyphs' positions).
    if (skinData_ != nullptr) sysPopupMenu_->SetImages(skinData_->MenuGlyphs());
    struct Entry {
        const char* Caption;
        int Tag;
        bool Present;
    };
    const Entry entries[] = {{" Restore ", kRestoreTag, true},
                             {" Maximize ", kMaximizeTag, savedBits_.HasMaximizeBox()},
                             {" Minimize ", kMinimizeTag, savedBits_.HasMinimizeBox()},
                             {"-", kSeparatorTag, true},
                             {" Close ", kCloseTag, true}};
    for (const Entry& entry : entries) {
        if (!entry.Present) continue;
        auto* item = new TMenuItem(sysPopupMenu_);
        item->SetCaption(entry.Caption);
        item->SetTag(entry.Tag);
        item->SetImageIndex(entry.Tag);
        if (entry.Tag == kCloseTag) item->SetShortCut(TextToShortCut("Shift+F4"));
        item->OnClick = [this](TObject* sender) {
            switch (static_cast<TMenuItem*>(sender)->Tag()) {
                case kRestoreTag: Restore(); break;
                case kMaximizeTag: ToggleMaximize(); break;
                case kMinimizeTag: ToggleMinimize(); break;
                case kCloseTag: CloseWindow(); break;
                default: break;
            }
        };
        sysPopupMenu_->Items()->Add(item);
    }
}

void TSkinForm::ShowSystemMenu(POINT screenPoint, bool fromIconButton) {
    if (sysPopupMenu_ != nullptr) {
        TMenuItem* items = sysPopupMenu_->Items();
        for (int i = 0; i < items->Count(); ++i) {
            TMenuItem* item = items->Items(i);
            switch (item->Tag()) {
                case kRestoreTag: item->SetEnabled(windowState_ != skin::form::WindowState::Normal); break;
                case kMaximizeTag: item->SetEnabled(!Maximized()); break;
                case kMinimizeTag: item->SetEnabled(!Minimized()); break;
                default: break;
            }
        }
    }
    const DWORD now = GetTickCount();
    const bool secondRequest = sysMenuClickedOnce_ && now - lastSysMenuClick_ <= doubleClickTime_;
    if (!secondRequest) {
        if (SkinManager != nullptr) SkinManager->MenuContext = 2;
        lastSysMenuClick_ = now;
        sysMenuClickedOnce_ = true;
        const bool skinned = skinData_ != nullptr &&
                             skinData_->SkinControls().Contains(TSkinControlType::xcSystemMenu) &&
                             mdiRole_ != skin::form::MdiRole::Child;
        if (skinned && sysPopupMenu_ != nullptr) {
            // Owned by this window rather than the application's active form: a bare window has
            // no framework form to own the menu.
            const auto command = static_cast<UINT>(TrackPopupMenu(sysPopupMenu_->Handle(),
                                                                  TPM_LEFTALIGN | TPM_RETURNCMD | TPM_RIGHTBUTTON,
                                                                  screenPoint.x, screenPoint.y, 0, Handle, nullptr));
            if (command != 0) {
                if (TMenuItem* item = sysPopupMenu_->FindItem(command)) item->Click();
            }
        } else if (systemMenu_ != nullptr)
            TrackPopupMenu(systemMenu_, TPM_RIGHTBUTTON, screenPoint.x, screenPoint.y, 0, Handle, nullptr);
        return;
    }
    // A double click on the window icon closes the window, as the system's icon does; a second
    // right click on the caption only asks for the menu again.
    sysMenuClickedOnce_ = false;
    if (fromIconButton) CloseWindow();
}

LRESULT TSkinForm::OnCommand(WPARAM wParam, LPARAM lParam) {
    const unsigned command = LOWORD(wParam);
    if (skin::form::IsSystemMenuCommand(command)) {
        PostMessageW(Handle, WM_SYSCOMMAND, command, 0);
        return 0;
    }
    return Default(WM_COMMAND, wParam, lParam);
}

LRESULT TSkinForm::OnSysCommand(WPARAM wParam, LPARAM lParam) {
    const UINT command = static_cast<UINT>(wParam) & 0xFFF0;
    if (!menuTracking_ && command == SC_KEYMENU) {
        const auto key = static_cast<wchar_t>(lParam);
        if (key != L' ' && key != L'-' && GetCapture() == nullptr) {
            // F10 or Alt alone lights the bar for the keyboard; Alt and a letter open that
            // letter's drop-down at once.
            if (key == 0) {
                if (skinMenu_ && !barKeyboard_)
                    if (const auto first = skin::form::FirstKeyboardButton(skinMenu_->Buttons()))
                        WorkMenuBarFromKeyboard(*first, false);
                return 1;
            }
            if (skinMenu_)
                if (const auto button = skin::form::FindAccelButton(skinMenu_->Buttons(), key)) {
                    WorkMenuBarFromKeyboard(*button, true);
                    return 1;
                }
        } else if (key == L' ') {
            POINT origin{0, 0};
            ClientToScreen(Handle, &origin);
            ShowSystemMenu(origin, false);
        }
    }
    switch (command) {
        case SC_MINIMIZE:
            windowState_ = skin::form::WindowState::Minimized;
            if (mdiRole_ == skin::form::MdiRole::Child) SetCaptionStyles(true);
            break;
        case SC_MAXIMIZE: windowState_ = skin::form::WindowState::Maximized; break;
        case SC_RESTORE:
            windowState_ = skin::form::WindowState::Normal;
            if (mdiRole_ == skin::form::MdiRole::Child) {
                SetCaptionStyles(false);
                if (SkinManager != nullptr && SkinManager->MDIChildMaximized) SkinManager->SetMDIChildMaximized(false);
            }
            break;
        default: break;
    }
    return Default(WM_SYSCOMMAND, wParam, lParam);
}

void TSkinForm::OnHoverTimer() {
    if (menuTracking_ || barKeyboard_) return;
    POINT cursor{};
    GetCursorPos(&cursor);
    // A bare window's controls do not tell their form when the mouse leaves them.
    if (ownerForm_ == nullptr && HoverButton != nullptr) {
        RECT area{};
        const HWND hovered = HoverButton->Handle();
        if (hovered == nullptr || !GetWindowRect(hovered, &area) || !PtInRect(&area, cursor)) LeaveHoverButton();
    }
    if (!hotObject_) return;
    const skin::Point point = ScreenToWindow(MAKELPARAM(cursor.x, cursor.y));
    skin::Rect bounds;
    if (hotObject_.Type == NcObject::Kind::CaptionButton && hotObject_.Index < captionButtons_.size())
        bounds = captionButtons_[hotObject_.Index].BoundsRect;
    else if (hotObject_.Type == NcObject::Kind::MenuButton && skinMenu_)
        bounds = skinMenu_->ButtonRect(hotObject_.Index);
    const bool inside =
        point.X >= bounds.Left && point.X < bounds.Right && point.Y >= bounds.Top && point.Y < bounds.Bottom;
    if (!inside) LeaveHot();
}

}  // namespace skin::win
