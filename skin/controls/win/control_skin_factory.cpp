// The one place that knows every control skin class: a kind chosen by the attachment tables
// becomes an object here.

#include "skin/controls/win/control_attachment.h"
#include "skin/controls/win/skin_button.h"
#include "skin/controls/win/skin_check_box.h"
#include "skin/controls/win/skin_control.h"
#include "skin/controls/win/skin_panels.h"
#include "skin/controls/win/skin_scroll_bars.h"
#include "skin/controls/win/skin_tab.h"
#include "skin/controls/win/skin_tab_set.h"
#include "skin/controls/win/skin_tab_sheet.h"
#include "skin/controls/win/skin_tool_bar.h"

namespace skin::win {

TSkinControl* CreateControlSkin(skin::controls::SkinKind kind, TComponent* owner) {
    using skin::controls::SkinKind;
    switch (kind) {
        case SkinKind::Box: return new TSkinBox(owner);
        case SkinKind::ToolBar: return new TSkinToolBar(owner);
        case SkinKind::BoxH: return new TSkinBoxH(owner);
        case SkinKind::GroupBox: return new TSkinGroupBox(owner);
        case SkinKind::StatusBar: return new TSkinStatusBar(owner);
        case SkinKind::Button: return new TSkinButton(owner);
        case SkinKind::BitButton: return new TSkinBitButton(owner);
        case SkinKind::SpeedButton: return new TSkinSpeedButton(owner);
        case SkinKind::CheckBox: return new TSkinCheckBox(owner);
        case SkinKind::RadioButton: return new TSkinRadioButton(owner);
        case SkinKind::Scrollbar:
        case SkinKind::ListView: return new TSkinScrollbar(owner);
        case SkinKind::ScControl: return new TSkinScControl(owner);
        case SkinKind::Sizer: return new TSkinSizer(owner);
        case SkinKind::Tab: return new TSkinTab(owner);
        case SkinKind::Tab31: return new TSkinTab31(owner);
        case SkinKind::TabSheet: return new TSkinTabSheet(owner);
        default: return nullptr;
    }
}

}  // namespace skin::win
