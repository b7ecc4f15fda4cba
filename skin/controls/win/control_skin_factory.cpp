// The one place that knows every control skin class: a kind chosen by the attachment tables
// becomes an object here.

#include "skin/controls/win/control_attachment.h"
#include "skin/controls/win/skin_button.h"
#include "skin/controls/win/skin_check_box.h"
#include "skin/controls/win/skin_combo_box.h"
#include "skin/controls/win/skin_control.h"
#include "skin/controls/win/skin_edit.h"
#include "skin/controls/win/skin_obj_image.h"
#include "skin/controls/win/skin_panels.h"
#include "skin/controls/win/skin_range.h"
#include "skin/controls/win/skin_scroll_bars.h"
#include "skin/controls/win/skin_tab.h"
#include "skin/controls/win/skin_tab_set.h"
#include "skin/controls/win/skin_tab_sheet.h"
#include "skin/controls/win/skin_tool_bar.h"
#include "skin/controls/win/skin_up_down.h"

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
        case SkinKind::Scrollbar: return new TSkinScrollbar(owner);
        case SkinKind::ListView: return new TSkinListView(owner);
        case SkinKind::ComBox: return new TSkinComBox(owner);
        case SkinKind::Edit: return new TSkinEdit(owner);
        case SkinKind::UpDown: return new TSkinUpDown(owner);
        case SkinKind::Progress: return new TSkinProgress(owner);
        case SkinKind::TrackBar: return new TSkinTrackBar(owner);
        case SkinKind::ObjImageCheck: return new TSkinObjImage(owner, TSkinObjImage::kCheckGlyphs);
        case SkinKind::ObjImageRadio: return new TSkinObjImage(owner, TSkinObjImage::kRadioGlyphs);
        case SkinKind::ScControl: return new TSkinScControl(owner);
        case SkinKind::Sizer: return new TSkinSizer(owner);
        case SkinKind::Tab: return new TSkinTab(owner);
        case SkinKind::Tab31: return new TSkinTab31(owner);
        case SkinKind::TabSheet: return new TSkinTabSheet(owner);
        default: return nullptr;
    }
}

}  // namespace skin::win
