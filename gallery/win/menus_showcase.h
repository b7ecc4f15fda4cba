#pragma once
// The gallery's menus: a main menu whose drop-down has checked, disabled, image and shortcut
// items and a submenu; a context menu of the same kinds; and a plain Windows popup menu with a
// default item. Each one can be shown from the tour.

#include "base/win/handles.h"
#include "gallery/win/showcase_forms.h"

class TComponent;
class TCustomImageList;
class TMainMenu;
class TPopupMenu;

// The gallery's main menu, owned by `owner` with its image list: File (images, shortcuts, a check
// mark, a disabled item, a separator, a submenu), View and Help.
TMainMenu* CreateShowcaseMainMenu(TComponent* owner);

class TMenusForm : public TShowcaseForm {
    T_CLASS(TMenusForm, TShowcaseForm)
public:
    explicit TMenusForm(TComponent* owner);

    // Opens the main menu's first drop-down (returns at once; the menu runs from the message loop).
    void OpenMainDropDown();
    // Opens `window`'s first drop-down as the keyboard does: F10 lights the bar, Down opens.
    static void OpenFirstDropDown(HWND window);
    // These block while the menu is open.
    void ShowContextMenu();
    void ShowWindowsMenu();

    TMainMenu* MainMenu = nullptr;
    TPopupMenu* ContextMenu = nullptr;
    TCustomImageList* Images = nullptr;

private:
    POINT MenuPoint() const;
    base::win::UniqueHMenu windowsMenu_;
};
