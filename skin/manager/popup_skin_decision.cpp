#include "skin/manager/popup_skin_decision.h"

namespace skin::manager {

bool IsTopLevelMenuWindow(std::string_view className, bool childStyle) { return !childStyle && className == "#32768"; }

bool MenuKindSkinned(std::int32_t menuContext, skin::TSkinControls controls) {
    using skin::TSkinControlType;
    switch (menuContext) {
        case kMenuContextPopup: return controls.Contains(TSkinControlType::xcPopupMenu);
        case kMenuContextDropDown:
            return controls.Contains(TSkinControlType::xcMainMenu) || controls.Contains(TSkinControlType::xcMenuItem);
        case kMenuContextSystemMenu: return controls.Contains(TSkinControlType::xcSystemMenu);
        default: return true;
    }
}

PopupSkinVerdict DecidePopupSkin(const PopupSkinFacts& facts) {
    if (!facts.enabled) return PopupSkinVerdict::ManagerDisabled;
    if (facts.answersIsSkinned) return PopupSkinVerdict::AnswersIsSkinned;
    if (facts.hasPopupSkin) return PopupSkinVerdict::HasPopupSkin;
    if (!facts.skinDataFound) return PopupSkinVerdict::NoSkinData;
    if (facts.skinDataEmpty) return PopupSkinVerdict::SkinDataEmpty;
    if (!MenuKindSkinned(facts.menuContext, facts.controls)) return PopupSkinVerdict::MenuKindOff;
    return PopupSkinVerdict::SkinIt;
}

}  // namespace skin::manager
