// Opening a framework form's popup menu until it has painted and closing it again, many times:
// shared by the menu soak test and the menu benchmarks.
#pragma once

#include <windows.h>

class TForm;
class TPopupMenu;

namespace testing_support {

// A shown form owning a popup menu of ten items (a checked one, a disabled one, a separator and
// a submenu among them). Made before the skin manager skins the form, the menu gets the form
// skin's drawing.
class MenuForm {
public:
    MenuForm();
    ~MenuForm();
    MenuForm(const MenuForm&) = delete;
    MenuForm& operator=(const MenuForm&) = delete;
    TForm* Form() const { return form_; }
    TPopupMenu* Popup() const { return popup_; }
    // Shows the popup menu with TrackPopupMenu, lets its window paint completely and closes it,
    // `count` times; returns how many times a menu window was painted.
    int OpenAndClose(int count);
    // Of the menu windows of the last OpenAndClose, how many answered that they are skinned.
    int SkinnedWindows() const { return skinnedWindows_; }

private:
    TForm* form_ = nullptr;
    TPopupMenu* popup_ = nullptr;
    int skinnedWindows_ = 0;
};

}  // namespace testing_support
