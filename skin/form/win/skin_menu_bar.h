#pragma once
// TSkinMenu: the skinned menu bar of a form skin. It takes the window's menu away from the
// system, paints one button per top-level item in the non-client area, and knows which
// drop-down and command belong to each button.

#include <windows.h>

#include <optional>
#include <span>
#include <vector>

#include "base/win/handles.h"
#include "skin/form/caption_button.h"
#include "skin/form/menu_bar_button.h"

class TMainMenu;
class TMenuItem;

namespace base::win {
class DibSection;
}

namespace skin::win {

class TSkinForm;

class TSkinMenu {
public:
    // `menu`: the framework form's main menu, null for a bare window.
    TSkinMenu(TSkinForm& formSkin, TMainMenu* menu);
    TSkinMenu(const TSkinMenu&) = delete;
    TSkinMenu& operator=(const TSkinMenu&) = delete;
    ~TSkinMenu();

    // Builds the buttons from `menu` (the window's menu) and removes it from the window; the
    // window gets it back from MenuHandle() when the skin goes.
    void TakeMenu(HMENU menu);
    HMENU MenuHandle() const { return menuHandle_; }
    // The form was given another main menu (null: none): the bar reads that one from now on and
    // forgets the old one's items and handle, which may already be gone.
    void ReplaceFrameworkMenu(TMainMenu* menu);
    TMainMenu* FrameworkMenu() const { return menu_; }
    // The bar runs from the right: the window reads from the right or its menu is ordered so.
    bool RightToLeft() const;

    // The button that keeps its look whatever repaints the bar: the one whose drop-down is open
    // (pressed) or the one the keyboard lit (hot). Repaints that button at once.
    void Hold(std::size_t index, skin::form::ButtonState state);
    void Release();
    std::optional<std::size_t> Held() const { return held_; }

    void PaintBar(HDC dc, const skin::Rect& bar);
    void PaintButton(std::size_t index, skin::form::ButtonState state);

    std::span<const skin::form::MenuBarButton> Buttons() const { return buttons_; }
    std::optional<std::size_t> HitButton(skin::Point windowPoint) const;
    skin::Rect ButtonRect(std::size_t index) const;
    HMENU Submenu(std::size_t index) const;
    UINT Command(std::size_t index) const;
    bool Enabled(std::size_t index) const;
    TMenuItem* FrameworkItem(std::size_t index) const;
    // The bar as last painted, without highlights, and where it is (window coordinates).
    const skin::Bitmap& Background() const { return background_; }
    // The skin changed: the bar's picture is the old skin's until the next paint.
    void ForgetBackground() { background_ = {}; }
    skin::Rect BarRect() const { return barRect_; }

    // Marks a drop-down's items (and its submenus') owner-drawn so the skin draws them; the marks
    // come off again when the bar goes.
    void MarkOwnerDraw(HMENU submenu);
    // The marked menu holding command `id`, or null.
    HMENU MarkedMenuOf(UINT id) const;
    bool Marked(HMENU menu) const;

private:
    struct ItemInfo {
        HMENU Submenu = nullptr;
        UINT Command = 0;
        TMenuItem* FrameworkItem = nullptr;
    };
    void BuildFromFrameworkMenu();
    void BuildFromWindowsMenu();
    void DrawCaption(HDC dc, const skin::form::MenuBarButton& button, const skin::Rect& place);
    // Edge and caption of a button in `state`, at `place` of `target` (its own coordinates).
    void DrawButtonFace(base::win::DibSection& target, const skin::form::MenuBarButton& button, const skin::Rect& place,
                        skin::form::ButtonState state);
    skin::form::ButtonState StateShown(std::size_t index, skin::form::ButtonState asked) const;

    TSkinForm& formSkin_;
    TMainMenu* menu_ = nullptr;
    HMENU menuHandle_ = nullptr;
    std::vector<skin::form::MenuBarButton> buttons_;
    std::vector<ItemInfo> items_;
    skin::Rect barRect_;
    skin::Bitmap background_;  // the painted bar without any button highlight
    base::win::UniqueHFont font_;
    std::vector<std::pair<HMENU, UINT>> marked_;  // (menu, position) of every item marked
    std::optional<std::size_t> held_;
    skin::form::ButtonState heldState_ = skin::form::ButtonState::Normal;
};

// Counts the bars of the thread (on: one more, off: one less): while there is one, F10 and Alt
// pressed alone reach the bar of the window whatever control has the focus.
void WatchMenuKeys(bool on);

// Keeps the tracking state up to date with the selection inside an open drop-down
// (WM_MENUSELECT reaches the owner window, not the message filter).
void NoteMenuSelect(TSkinForm& formSkin, WPARAM wParam, LPARAM lParam);

}  // namespace skin::win
