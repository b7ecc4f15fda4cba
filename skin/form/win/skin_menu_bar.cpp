// The skinned menu bar: building its buttons, painting it, and tracking its drop-downs with the
// keyboard moving between them.

#include "skin/form/win/skin_menu_bar.h"

#include <stdexcept>

#include "base/win/dib_section.h"
#include "framework/win/menus.h"
#include "framework/win/text.h"
#include "framework/win/types.h"
#include "skin/data/skin_image.h"
#include "skin/data/win/skin_data.h"
#include "skin/data/win/skin_image_dc.h"
#include "skin/form/menu_bar_keyboard.h"
#include "skin/form/menu_bar_layout.h"
#include "skin/form/menu_navigation.h"
#include "skin/form/menu_separators.h"
#include "skin/form/win/skin_form.h"
#include "skin/form/win/skin_menu_items.h"
#include "skin/manager/win/skin_manager.h"

namespace skin::win {

namespace {

base::win::UniqueHFont MakeMenuFont() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) return {};
    return base::win::UniqueHFont(CreateFontIndirectW(&metrics.lfMenuFont));
}

// Only one drop-down can be tracked at a time in the thread, so the tracking state is shared.
struct MenuTrackingState {
    TSkinForm* FormSkin = nullptr;
    std::size_t OpenIndex = 0;
    bool Open = false;
    HHOOK Hook = nullptr;
    bool FirstKeySent = false;
    std::optional<std::size_t> SwitchTo;
    // What is selected in the drop-down (from WM_MENUSELECT).
    bool ItemSelected = false;
    bool SelectedHasSubItems = false;
    bool SelectedInOpenDropDown = false;
    POINT LastMouse{-1, -1};
    bool RightToLeft = false;  // the open drop-down reads from the right
    // The last thing done in the menu was Escape: the drop-down closes back to the bar.
    bool EscapeLast = false;
};

MenuTrackingState& Tracking() {
    // Menus are tracked a thread at a time; made once a thread, never destroyed.
    thread_local auto* tracking = new MenuTrackingState;
    return *tracking;
}

// Separators hidden for one showing of a drop-down, with the visibility to give back after it.
using HiddenSeparators = std::vector<std::pair<TMenuItem*, bool>>;

HiddenSeparators TidyFrameworkSeparators(TMenuItem* item) {
    HiddenSeparators changed;
    if (item == nullptr) return changed;
    std::vector<skin::form::MenuEntry> entries;
    for (int i = 0; i < item->Count(); ++i) entries.push_back({item->Items(i)->Visible(), item->Items(i)->IsLine()});
    skin::form::TidySeparators(entries);
    for (int i = 0; i < item->Count(); ++i) {
        TMenuItem* child = item->Items(i);
        if (child->IsLine() && child->Visible() != entries[static_cast<std::size_t>(i)].Visible) {
            changed.emplace_back(child, child->Visible());
            child->SetVisible(entries[static_cast<std::size_t>(i)].Visible);
        }
    }
    return changed;
}

// The program's own Visible settings come back once the drop-down is closed.
void RestoreSeparators(const HiddenSeparators& changed) {
    for (const auto& [item, visible] : changed)
        if (TMenuItem::IsLive(item)) item->SetVisible(visible);
}

// A drop-down whose items are ordered from the right.
bool RightToLeftMenu(HMENU menu) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE;
    return GetMenuItemCount(menu) > 0 && GetMenuItemInfoW(menu, 0, TRUE, &info) && (info.fType & MFT_RIGHTORDER) != 0;
}

// The message that last made us move to another drop-down. A menu loop may leave a message its
// filter handled in the queue, and the next drop-down's loop would see the same key and move on
// again; that one is left to the menu itself.
struct SwitchCause {
    UINT Message = 0;
    WPARAM WParam = 0;
    DWORD Time = 0;
    bool Matches(const MSG& msg) const { return msg.message == Message && msg.wParam == WParam && msg.time == Time; }
};

SwitchCause& LastSwitchCause() {
    thread_local auto* cause = new SwitchCause;
    return *cause;
}

// Ends the open drop-down so that OpenMenu opens `target`'s.
void SwitchDropDown(const MSG& cause, std::size_t target) {
    LastSwitchCause() = {cause.message, cause.wParam, cause.time};
    Tracking().SwitchTo = target;
    EndMenu();
}

}  // namespace

TSkinMenu::TSkinMenu(TSkinForm& formSkin, TMainMenu* menu) : formSkin_(formSkin), menu_(menu), font_(MakeMenuFont()) {
    WatchMenuKeys(true);
}

TSkinMenu::~TSkinMenu() {
    UnmarkOwnerDraw(marked_);
    WatchMenuKeys(false);
}

void TSkinMenu::MarkOwnerDraw(HMENU submenu) {
    if (submenu != nullptr) skin::win::MarkOwnerDraw(submenu, marked_);
}

bool TSkinMenu::Marked(HMENU menu) const {
    for (const auto& [marked, position] : marked_)
        if (marked == menu) return true;
    return false;
}

HMENU TSkinMenu::MarkedMenuOf(UINT id) const {
    for (const auto& [menu, position] : marked_) {
        if (IsMenu(menu) && GetMenuItemID(menu, static_cast<int>(position)) == id) return menu;
    }
    return nullptr;
}

void TSkinMenu::TakeMenu(HMENU menu) {
    if (menu != nullptr) menuHandle_ = menu;
    if (menuHandle_ == nullptr) return;
    if (menu_ != nullptr && !(formSkin_.SkinData() != nullptr && formSkin_.SkinData()->MenuMerge()))
        BuildFromFrameworkMenu();
    else
        BuildFromWindowsMenu();
    SetMenu(formSkin_.Handle, nullptr);
}

void TSkinMenu::ReplaceFrameworkMenu(TMainMenu* menu) {
    UnmarkOwnerDraw(marked_);
    menu_ = menu;
    menuHandle_ = nullptr;
    buttons_.clear();
    items_.clear();
    held_.reset();
}

bool TSkinMenu::RightToLeft() const { return formSkin_.RightToLeft() || RightToLeftMenu(menuHandle_); }

void TSkinMenu::Hold(std::size_t index, skin::form::ButtonState state) {
    const std::optional<std::size_t> old = held_;
    held_ = index;
    heldState_ = state;
    if (old && *old != index) PaintButton(*old, skin::form::ButtonState::Normal);
    PaintButton(index, state);
}

void TSkinMenu::Release() {
    const std::optional<std::size_t> old = held_;
    held_.reset();
    if (old) PaintButton(*old, skin::form::ButtonState::Normal);
}

skin::form::ButtonState TSkinMenu::StateShown(std::size_t index, skin::form::ButtonState asked) const {
    return held_ && *held_ == index ? heldState_ : asked;
}

void TSkinMenu::BuildFromFrameworkMenu() {
    buttons_.clear();
    items_.clear();
    // The items the bar shows, an MDI child's merged ones included.
    for (TMenuItem* item : menu_->TopItems()) {
        skin::form::MenuBarButton button;
        button.Caption = WidenText(item->Caption());
        button.Visible = item->Visible();
        button.Enabled = item->Enabled();
        buttons_.push_back(button);
        items_.push_back({item->Count() > 0 ? item->Handle() : nullptr, item->Command(), item});
    }
}

void TSkinMenu::BuildFromWindowsMenu() {
    buttons_.clear();
    items_.clear();
    const int count = GetMenuItemCount(menuHandle_);
    const std::vector<TMenuItem*> frameworkItems = menu_ != nullptr ? menu_->TopItems() : std::vector<TMenuItem*>{};
    for (int i = 0; i < count; ++i) {
        wchar_t text[81] = {};
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_TYPE;
        info.dwTypeData = text;
        info.cch = 80;
        if (!GetMenuItemInfoW(menuHandle_, static_cast<UINT>(i), TRUE, &info)) continue;
        skin::form::MenuBarButton button;
        button.Caption = (info.fType & MFT_SEPARATOR) != 0 ? std::wstring() : std::wstring(text);
        button.Enabled = (info.fState & (MFS_GRAYED | MFS_DISABLED)) == 0;
        ItemInfo item{info.hSubMenu, info.hSubMenu != nullptr ? 0u : info.wID, nullptr};
        if (i < static_cast<int>(frameworkItems.size()) && !button.Caption.empty()) {
            TMenuItem* frameworkItem = frameworkItems[static_cast<std::size_t>(i)];
            button.Caption = WidenText(frameworkItem->Caption());
            button.Enabled = frameworkItem->Enabled();
            item = {frameworkItem->Count() > 0 ? frameworkItem->Handle() : nullptr, GetMenuItemID(menuHandle_, i),
                    frameworkItem};
        }
        buttons_.push_back(button);
        items_.push_back(item);
    }
}

std::optional<std::size_t> TSkinMenu::HitButton(skin::Point windowPoint) const {
    return skin::form::HitMenuButton(buttons_, windowPoint);
}

skin::Rect TSkinMenu::ButtonRect(std::size_t index) const {
    return index < buttons_.size() ? buttons_[index].BoundsRect : skin::Rect{};
}
HMENU TSkinMenu::Submenu(std::size_t index) const { return index < items_.size() ? items_[index].Submenu : nullptr; }
UINT TSkinMenu::Command(std::size_t index) const { return index < items_.size() ? items_[index].Command : 0; }
bool TSkinMenu::Enabled(std::size_t index) const { return index < buttons_.size() && buttons_[index].Enabled; }
TMenuItem* TSkinMenu::FrameworkItem(std::size_t index) const {
    // An item freed behind the bar's back is not to be reached through it.
    return index < items_.size() && TMenuItem::IsLive(items_[index].FrameworkItem) ? items_[index].FrameworkItem
                                                                                   : nullptr;
}

void TSkinMenu::DrawCaption(HDC dc, const skin::form::MenuBarButton& button, const skin::Rect& place) {
    const TSkinObjects& objects = formSkin_.Objects();
    const COLORREF color = button.Enabled ? ColorToRGB(objects.MenuBarTextColor) : GetSysColor(COLOR_BTNSHADOW);
    const COLORREF oldColor = SetTextColor(dc, color);
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    RECT r{place.Left, place.Top, place.Right, place.Bottom};
    DrawTextW(dc, button.Caption.c_str(), static_cast<int>(button.Caption.size()), &r,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SetBkMode(dc, oldMode);
    SetTextColor(dc, oldColor);
}

void TSkinMenu::DrawButtonFace(base::win::DibSection& target, const skin::form::MenuBarButton& button,
                               const skin::Rect& place, skin::form::ButtonState state) {
    skin::Rect caption = place;
    if (state != skin::form::ButtonState::Normal && place.Width() > 2 && place.Height() > 2) {
        // Raised while hot, sunken while its drop-down is open, as a classic menu bar shows them:
        // an outline in the highlight colour alone is lost on a light bar.
        const TSkinObjects& objects = formSkin_.Objects();
        const Pixel light = ColorToPixel(ColorToRGB(objects.ButtonHilightColor));
        const Pixel dark = ColorToPixel(ColorToRGB(objects.ButtonShadowColor));
        const bool pressed = state == skin::form::ButtonState::Pressed;
        const Pixel topLeft = pressed ? dark : light;
        const Pixel bottomRight = pressed ? light : dark;
        Bitmap& pixels = target.Pixels();
        pixels.FillRect({place.Left, place.Top, place.Right, place.Top + 1}, topLeft);
        pixels.FillRect({place.Left, place.Top, place.Left + 1, place.Bottom}, topLeft);
        pixels.FillRect({place.Left, place.Bottom - 1, place.Right, place.Bottom}, bottomRight);
        pixels.FillRect({place.Right - 1, place.Top, place.Right, place.Bottom}, bottomRight);
        if (pressed) caption = {place.Left + 1, place.Top + 1, place.Right + 1, place.Bottom + 1};
    }
    base::win::ScopedSelectObject font(target.Dc(), font_.Get());
    DrawCaption(target.Dc(), button, caption);
}

void TSkinMenu::PaintBar(HDC dc, const skin::Rect& bar) {
    if (bar.Width() <= 0 || bar.Height() <= 0) return;
    const TSkinObjects& objects = formSkin_.Objects();
    base::win::DibSection scratch(bar.Width(), bar.Height(), dc);
    const skin::Rect local{0, 0, bar.Width(), bar.Height()};
    const TDataSkinObject* image = objects.MenuBar.get();
    if (image != nullptr && !image->Map.Empty()) {
        const int frame = formSkin_.Active() ? 1 : 2;
        if (image->Tile == 1)
            DrawSkinObject(scratch.Pixels(), local, image->Map, true, false, false, 2, frame, image->Margins);
        else
            DrawSkinStrip(scratch.Pixels(), local, image->Map, true, false, 2, frame, image->Margins);
    } else {
        scratch.Pixels().Fill(ColorToPixel(ColorToRGB(objects.MenuBarColor)));
        image = nullptr;
    }
    barRect_ = bar;
    background_ = scratch.Pixels();

    {
        base::win::ScopedSelectObject font(scratch.Dc(), font_.Get());
        for (skin::form::MenuBarButton& button : buttons_) {
            SIZE size{};
            GetTextExtentPoint32W(scratch.Dc(), button.Caption.c_str(), static_cast<int>(button.Caption.size()), &size);
            button.TextWidth = size.cx;
        }
    }
    const bool rightToLeft = RightToLeft();
    skin::form::LayoutMenuBar(buttons_, bar, skin::form::MenuBarStartOffset(image, rightToLeft, bar.Width()),
                              rightToLeft);
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        const skin::form::MenuBarButton& button = buttons_[i];
        if (!button.Visible || button.BoundsRect.Width() <= 0) continue;
        const skin::Rect place{button.BoundsRect.Left - bar.Left, button.BoundsRect.Top - bar.Top,
                               button.BoundsRect.Right - bar.Left, button.BoundsRect.Bottom - bar.Top};
        DrawButtonFace(scratch, button, place, StateShown(i, skin::form::ButtonState::Normal));
    }
    BitBlt(dc, bar.Left, bar.Top, bar.Width(), bar.Height(), scratch.Dc(), 0, 0, SRCCOPY);
}

void TSkinMenu::PaintButton(std::size_t index, skin::form::ButtonState state) {
    if (index >= buttons_.size() || background_.Empty()) return;
    const skin::form::MenuBarButton& button = buttons_[index];
    const skin::Rect bounds = button.BoundsRect;
    if (bounds.Width() <= 0 || bounds.Height() <= 0) return;
    try {
        // The button's column across the whole bar, from the unhighlighted background.
        base::win::DibSection piece(bounds.Width(), barRect_.Height());
        const skin::Rect column{bounds.Left - barRect_.Left, 0, bounds.Right - barRect_.Left, barRect_.Height()};
        CopyBitmapRect(piece.Pixels(), 0, 0, background_, column);
        const skin::Rect local{0, bounds.Top - barRect_.Top, bounds.Width(), bounds.Bottom - barRect_.Top};
        DrawButtonFace(piece, button, local, StateShown(index, state));
        base::win::WindowDc dc(formSkin_.Handle, base::win::WindowDc::Area::Window);
        if (dc)
            BitBlt(dc.Get(), bounds.Left, barRect_.Top, bounds.Width(), barRect_.Height(), piece.Dc(), 0, 0, SRCCOPY);
    } catch (const std::exception&) {
    }
}

LRESULT CALLBACK SkinMenuFilterHook(int code, WPARAM wParam, LPARAM lParam) {
    MenuTrackingState& tracking = Tracking();
    if (tracking.RightToLeft && code == MSGF_MENU && lParam != 0) {
        auto* message = reinterpret_cast<MSG*>(lParam);
        message->wParam = static_cast<WPARAM>(skin::form::MirroredKeyCode(message->message, message->wParam));
    }
    const LRESULT next = CallNextHookEx(tracking.Hook, code, wParam, lParam);
    if (next != 0 || code != MSGF_MENU || tracking.FormSkin == nullptr) return next;
    auto* msg = reinterpret_cast<MSG*>(lParam);
    TSkinForm& formSkin = *tracking.FormSkin;
    TSkinMenu* bar = formSkin.skinMenu_.get();
    if (bar == nullptr) return 0;
    if (!tracking.FirstKeySent) {
        tracking.FirstKeySent = true;
        PostMessageW(msg->hwnd, WM_KEYDOWN, VK_DOWN, 0);
    }
    if (LastSwitchCause().Matches(*msg)) return 0;
    skin::form::BarMove move = skin::form::BarMove::None;
    switch (msg->message) {
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_NCLBUTTONDOWN:
        case WM_NCRBUTTONDOWN:
        case WM_NCMBUTTONDOWN: tracking.EscapeLast = false; break;
        case WM_KEYDOWN:
            tracking.EscapeLast = msg->wParam == VK_ESCAPE;
            if (msg->wParam == VK_LEFT || msg->wParam == VK_RIGHT) {
                skin::form::OpenMenuItem current;
                current.Exists = tracking.ItemSelected;
                current.InOpenDropDown = tracking.SelectedInOpenDropDown;
                current.HasSubItems = tracking.SelectedHasSubItems;
                const auto key = msg->wParam == VK_LEFT ? skin::form::ArrowKey::Left : skin::form::ArrowKey::Right;
                move = skin::form::BarMoveFor(key, current);
            }
            break;
        case WM_MOUSEMOVE: {
            // A mouse that has not moved changes nothing, in the bar or in the drop-down: the
            // menu would otherwise take the keyboard's selection away from the item.
            if (msg->pt.x == tracking.LastMouse.x && msg->pt.y == tracking.LastMouse.y) return 1;
            tracking.LastMouse = msg->pt;
            // Another button is judged by where the mouse is now: a move queued before the mouse
            // left the bar says nothing.
            POINT now{};
            GetCursorPos(&now);
            const auto hit = bar->HitButton(formSkin.ScreenToWindow(MAKELPARAM(now.x, now.y)));
            if (hit && *hit != tracking.OpenIndex) {
                SwitchDropDown(*msg, *hit);
                return 1;
            }
            break;
        }
        default: break;
    }
    if (move == skin::form::BarMove::None) return 0;
    // Disabled items open nothing, so the keyboard passes over them as well.
    const auto target = skin::form::KeyboardMoveTarget(bar->Buttons(), tracking.OpenIndex, move);
    if (!target) return 0;
    SwitchDropDown(*msg, *target);
    return 1;
}

void NoteMenuSelect(TSkinForm& formSkin, WPARAM wParam, LPARAM lParam) {
    MenuTrackingState& tracking = Tracking();
    if (tracking.FormSkin != &formSkin || formSkin.MenuBar() == nullptr) return;
    const UINT flags = HIWORD(wParam);
    if (flags == 0xFFFF && lParam == 0) return;
    tracking.ItemSelected = true;
    tracking.SelectedHasSubItems = (flags & MF_POPUP) != 0;
    tracking.SelectedInOpenDropDown =
        reinterpret_cast<HMENU>(lParam) == formSkin.MenuBar()->Submenu(tracking.OpenIndex);
}

bool TSkinForm::OpenMenu(std::size_t buttonIndex) {
    if (!skinMenu_ || buttonIndex >= skinMenu_->Buttons().size()) return false;
    std::optional<std::size_t> next = buttonIndex;
    bool opened = false;
    dropDownEscaped_ = false;
    while (next) {
        const std::size_t index = *next;
        next.reset();
        // A disabled item is inert: no command and no drop-down.
        if (!skinMenu_->Enabled(index)) break;
        if (const UINT command = skinMenu_->Command(index); command != 0) PostMessageW(Handle, WM_COMMAND, command, 0);
        const HMENU submenu = skinMenu_->Submenu(index);
        if (submenu == nullptr) break;
        const HiddenSeparators hidden = TidyFrameworkSeparators(skinMenu_->FrameworkItem(index));
        skinMenu_->MarkOwnerDraw(submenu);

        MenuTrackingState& tracking = Tracking();
        tracking = {};
        // A mouse resting where the drop-down opens is no move: the system reports it again as
        // each drop-down appears, and it must not take the keyboard's drop-down to its button.
        GetCursorPos(&tracking.LastMouse);
        tracking.FormSkin = this;
        tracking.OpenIndex = index;
        tracking.Open = true;
        tracking.RightToLeft = skinMenu_->RightToLeft() || RightToLeftMenu(submenu);
        menuTracking_ = true;
        hotObject_ = {NcObject::Kind::MenuButton, index};
        skinMenu_->Hold(index, skin::form::ButtonState::Pressed);
        const skin::Rect bounds = skinMenu_->ButtonRect(index);
        // A right-to-left drop-down hangs from the button's right edge.
        POINT at{tracking.RightToLeft ? bounds.Right : bounds.Left, bounds.Bottom};
        RECT windowRect{};
        GetWindowRect(Handle, &windowRect);
        at.x += windowRect.left;
        at.y += windowRect.top;
        if (SkinManager != nullptr) SkinManager->MenuContext = 1;
        tracking.Hook = SetWindowsHookExW(WH_MSGFILTER, SkinMenuFilterHook, nullptr, GetCurrentThreadId());
        const UINT flags = TPM_NONOTIFY | TPM_RIGHTBUTTON | (tracking.RightToLeft ? TPM_RIGHTALIGN : 0u);
        TrackPopupMenu(submenu, flags, at.x, at.y, 0, Handle, nullptr);
        if (tracking.Hook != nullptr) UnhookWindowsHookEx(tracking.Hook);
        RestoreSeparators(hidden);
        next = tracking.SwitchTo;
        dropDownEscaped_ = !next && tracking.EscapeLast;
        lastDropDown_ = index;
        tracking = {};
        menuTracking_ = false;
        opened = true;
        if (IsWindow(Handle) && skinMenu_) {
            hotObject_ = {};
            skinMenu_->Release();
        }
        if (!skinMenu_) break;
    }
    return opened;
}

}  // namespace skin::win
