// Whether a menu window that is being created gets a popup skin.
#pragma once

#include <cstdint>
#include <string_view>

#include "skin/data/skin_data_settings.h"

namespace skin::manager {

// Kind of the next popup menu, as the form skins set it before a menu opens.
inline constexpr std::int32_t kMenuContextPopup = 0;
inline constexpr std::int32_t kMenuContextDropDown = 1;
inline constexpr std::int32_t kMenuContextSystemMenu = 2;

// A menu window ("#32768") created as a top-level window. One created with WS_CHILD is
// embedded in another window and never gets a popup skin.
bool IsTopLevelMenuWindow(std::string_view className, bool childStyle);

// Whether the component skins this kind of menu: popup menus need xcPopupMenu,
// drop-downs and submenus xcMainMenu or xcMenuItem, the system menu xcSystemMenu; a
// context the form skins never set needs nothing.
bool MenuKindSkinned(std::int32_t menuContext, skin::TSkinControls controls);

enum class PopupSkinVerdict {
    SkinIt,
    ManagerDisabled,
    AnswersIsSkinned,
    HasPopupSkin,
    NoSkinData,
    SkinDataEmpty,
    MenuKindOff,
};

struct PopupSkinFacts {
    bool enabled = false;
    bool answersIsSkinned = false;
    bool hasPopupSkin = false;
    bool skinDataFound = false;
    bool skinDataEmpty = false;
    std::int32_t menuContext = kMenuContextPopup;
    skin::TSkinControls controls;  // of the component that applies
};

PopupSkinVerdict DecidePopupSkin(const PopupSkinFacts& facts);

}  // namespace skin::manager
