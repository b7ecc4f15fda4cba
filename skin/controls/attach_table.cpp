#include "skin/controls/attach_table.h"

#include <algorithm>
#include <array>

#include "skin/data/ascii_case.h"

namespace skin::controls {

namespace {

using enum TSkinControlType;

bool NameIs(const ControlFacts& facts, std::initializer_list<std::string_view> names) {
    return std::find(names.begin(), names.end(), facts.ClassUpper) != names.end();
}

AttachDecision Act(int row, SkinKind kind, bool setColor = false, AttachExtra extra = AttachExtra::None,
                   AttachExtra extra2 = AttachExtra::None) {
    return {row, kind, setColor, extra, extra2};
}

}  // namespace

AttachDecision ChooseBuiltInSkin(const ControlFacts& f, TSkinControls on) {
    if (NameIs(f, {"TDBCOMBOBOXEH", "TFRDESIGNERPAGE", "TFRPBOX"})) return {};
    const bool tabs = on.Contains(xcTab) && f.SkinHasTabObject;

    if (f.IsPageControl && tabs) return Act(1, SkinKind::Tab);
    if (f.IsToolButtonWithMenu && on.Contains(xcMainMenu))
        return Act(2, SkinKind::None, false, AttachExtra::MenuItemHandlers);
    if (NameIs(f, {"TTABSET"}) && tabs) return Act(3, SkinKind::Tab31);
    if (f.IsTabSheet && tabs) return Act(4, SkinKind::TabSheet);
    if (NameIs(f, {"TTABBEDNOTEBOOK"}) && tabs) return Act(5, SkinKind::Tab);
    if (NameIs(f, {"TMVCPANEL"})) return Act(6, SkinKind::None, false, AttachExtra::SkinOwned);
    if (f.IsCheckBox && on.Contains(xcCheckBox)) return Act(7, SkinKind::CheckBox);
    if (f.IsTrackBar && on.Contains(xcButton)) return Act(8, SkinKind::TrackBar);
    if (NameIs(f, {"TUPDOWN", "TSPINBUTTON"}) && on.Contains(xcButton)) return Act(9, SkinKind::UpDown);
    if (f.IsRadioGroup && on.Contains(xcRadioButton))
        return Act(10, SkinKind::GroupBox, true, AttachExtra::ChildrenRadio);
    if (NameIs(f, {"TDBNAVIGATOR"}) && on.Contains(xcPanel)) return Act(11, SkinKind::Box, true, AttachExtra::FlatOn);
    if (NameIs(f, {"TRZDBCHECKBOX", "TRZCHECKBOX"}) && on.Contains(xcCheckBox))
        return Act(12, SkinKind::ObjImageCheck, true);
    if (NameIs(f, {"TRZRADIOBUTTON"}) && on.Contains(xcRadioButton)) return Act(13, SkinKind::ObjImageRadio, true);
    if (f.IsCustomGroupBox && on.Contains(xcPanel)) return Act(14, SkinKind::GroupBox, true, AttachExtra::SkinOwned);
    if (f.IsRadioButton && on.Contains(xcRadioButton)) return Act(15, SkinKind::RadioButton);
    if (f.IsToolBar && on.Contains(xcToolbar)) return Act(16, SkinKind::ToolBar, true, AttachExtra::ToolBar);
    if (f.IsStatusBar && on.Contains(xcStatusBar))
        return Act(17, SkinKind::StatusBar, false, AttachExtra::StatusBarGripOff);
    if (f.IsProgressBar && on.Contains(xcProgress)) return Act(18, SkinKind::Progress);
    if (f.IsScrollBarControl && on.Contains(xcScrollbar)) return Act(19, SkinKind::ScControl);
    if (NameIs(f, {"TTNTCOMBOBOX"}) && on.Contains(xcCombo)) return Act(20, SkinKind::ComBox);
    if (f.IsComboBox && on.Contains(xcCombo)) return Act(21, SkinKind::ComBox);
    if (NameIs(f, {"TDATETIMEPICKER"}) && on.Contains(xcEdit))
        return Act(22, f.DatePickerAsEdit ? SkinKind::Edit : SkinKind::ComBox);
    if (NameIs(f, {"TRICHEDIT"}) && on.Contains(xcScrollbar)) return Act(23, SkinKind::Scrollbar);
    if (NameIs(f, {"TWWDBRICHEDIT", "TDXDBMEMO"}) && on.Contains(xcScrollbar)) return Act(24, SkinKind::Scrollbar);
    if (f.IsBitButton) return on.Contains(xcBitBtn) ? Act(25, SkinKind::BitButton) : Act(25, SkinKind::None);
    if (f.IsSpeedButton && on.Contains(xcSpeedButton)) return Act(26, SkinKind::SpeedButton);
    if (f.IsCustomPanel && on.Contains(xcPanel)) return Act(27, SkinKind::Box, true, AttachExtra::SkinOwned);
    if (NameIs(f, {"TDXTREELIST", "TDXDBTREELIST", "TDXDBGRID"}) && on.Contains(xcScrollbar))
        return Act(28, SkinKind::Scrollbar);
    if (f.IsListView && on.Contains(xcScrollbar)) return Act(29, SkinKind::ListView);
    if (f.IsCustomMemo && on.Contains(xcScrollbar)) return Act(30, SkinKind::Scrollbar);
    if (f.IsColoredList && on.Contains(xcScrollbar))
        return Act(31, SkinKind::Scrollbar, false, AttachExtra::ControlColor);
    if (f.HasScrollBars && on.Contains(xcScrollbar)) return Act(32, SkinKind::Scrollbar);
    if (f.IsButton && on.Contains(xcButton)) return Act(33, SkinKind::Button);
    if (f.IsCustomEdit && on.Contains(xcEdit)) return Act(34, SkinKind::Edit);
    if (NameIs(f, {"TDCEDIT", "TDCDBEDIT"})) {
        if (f.NumButtons == 1 && on.Contains(xcCombo)) return Act(35, SkinKind::ComBox);
        if (f.NumButtons == 0 && on.Contains(xcEdit)) return Act(35, SkinKind::Edit, false, AttachExtra::ByHandle);
        return Act(35, SkinKind::None);
    }
    if (f.IsFrame) return Act(36, SkinKind::None, false, AttachExtra::SkinOwned);
    if (f.IsCustomForm) return Act(37, SkinKind::Box, true, AttachExtra::SkinOwned);
    return {};
}

std::optional<std::string> FindMappingKeyword(const std::vector<std::string>& lines, std::string_view className) {
    const std::string key = skin::AsciiLower(std::string(className)) + "=";
    for (const std::string& line : lines) {
        const std::string lower = skin::AsciiLower(line);
        if (lower.compare(0, key.size(), key) != 0) continue;
        return lower.substr(key.size(), 50);
    }
    return std::nullopt;
}

MappingAction ActOnKeyword(std::string_view k, TSkinControls on, bool skinHasTabObject,
                           std::string_view classNameUpper) {
    MappingAction a;
    const bool rz = classNameUpper.find("TRZ") != std::string_view::npos;
    if (k == "combobox" && on.Contains(xcCombo)) a.Kind = SkinKind::ComBox;
    if (k == "edit" && on.Contains(xcEdit)) {
        a.Kind = SkinKind::Edit;
        a.BorderedOnly = true;
    }
    if (k == "radiobutton" && on.Contains(xcRadioButton)) a.Kind = SkinKind::RadioButton;
    if (k == "panel" && on.Contains(xcPanel)) a = {.Kind = SkinKind::Box, .SetColor = true, .TransparentOn = true};
    if (k == "trackbar" && on.Contains(xcButton)) a = {.Kind = SkinKind::TrackBar, .TransparentOn = true};
    if (k == "button" && on.Contains(xcButton)) a.Kind = SkinKind::Button;
    if (k == "bitbtn" && on.Contains(xcButton)) a.Kind = SkinKind::BitButton;
    if (k == "speedbutton" && on.Contains(xcSpeedButton)) a.Kind = SkinKind::SpeedButton;
    if (k == "tab" && on.Contains(xcTab) && skinHasTabObject) a.Kind = SkinKind::Tab;
    if (k == "progress" && on.Contains(xcProgress)) a.Kind = SkinKind::Progress;
    if (k == "scrollbar" && on.Contains(xcScrollbar)) a = {.Kind = SkinKind::Scrollbar, .SkinOwnedAfter = true};
    if (k == "embedscrollbar" && on.Contains(xcScrollbar)) a.EmbedScrollBars = true;
    if (k == "container") a.Container = true;
    if (k == "groupbox" && on.Contains(xcGroupBox)) a = {.Kind = SkinKind::GroupBox, .SetColor = true};
    if (k == "radiogroup" && on.Contains(xcGroupBox)) {
        a = {.Kind = SkinKind::GroupBox, .SetColor = true};
        if (on.Contains(xcRadioButton)) a.ChildKind = rz ? SkinKind::ObjImageRadio : SkinKind::RadioButton;
    }
    if (k == "checkgroup" && on.Contains(xcPanel)) {
        if (on.Contains(xcRadioButton)) a.ChildKind = rz ? SkinKind::ObjImageCheck : SkinKind::CheckBox;
        if (on.Contains(xcGroupBox)) {
            a.Kind = SkinKind::GroupBox;
            a.SetColor = true;
        }
    }
    if (k == "checkbox" && on.Contains(xcCheckBox)) a.Kind = SkinKind::CheckBox;
    return a;
}

ButtonType ClassifyButtonStyle(std::uint32_t style) {
    if ((style & 0xC0) != 0) return ButtonType::Other;  // BS_ICON, BS_BITMAP: an image the skin cannot draw
    switch (style & 0xF) {                              // BS_TYPEMASK
        case 0x0:                                       // BS_PUSHBUTTON
        case 0x1:                                       // BS_DEFPUSHBUTTON
            return ButtonType::Push;
        case 0x2:  // BS_CHECKBOX
        case 0x3:  // BS_AUTOCHECKBOX
        case 0x5:  // BS_3STATE
        case 0x6:  // BS_AUTO3STATE
            return ButtonType::CheckBox;
        case 0x4:  // BS_RADIOBUTTON
        case 0x9:  // BS_AUTORADIOBUTTON
            return ButtonType::RadioButton;
        case 0x7: return ButtonType::GroupBox;
        default:  // user button, push box, owner-drawn, split buttons, command links
            return ButtonType::Other;
    }
}

BareDecision ChooseBareWindowSkin(std::string_view c, std::uint32_t style, bool hasChild) {
    if (c == "button") {
        switch (ClassifyButtonStyle(style)) {
            case ButtonType::Push: return {SkinKind::Button};
            case ButtonType::CheckBox: return {SkinKind::CheckBox};
            case ButtonType::RadioButton: return {SkinKind::RadioButton};
            default: return {};
        }
    }
    if (c == "combobox") return (style & 3) != 1 ? BareDecision{SkinKind::ComBox} : BareDecision{};
    if (c == "comboboxex32")
        return hasChild ? BareDecision{.Kind = SkinKind::ComBox, .OnFirstChild = true} : BareDecision{};
    if (c == "scrollbar") {
        constexpr std::uint32_t kSizeBox = 0x08, kSizeGrip = 0x10;  // SBS_SIZEBOX, SBS_SIZEGRIP
        return {(style & (kSizeBox | kSizeGrip)) != 0 ? SkinKind::Sizer : SkinKind::ScControl};
    }
    if (c == "#32770") {
        if ((style & 0x10000) != 0) return {};
        return {.Kind = SkinKind::BoxH, .SkinChildrenFirst = true};
    }
    if (c == "tpanel") return {.SkinChildrenFirst = true, .SetControlColor = true};
    if (c == "tcheckbox") return {SkinKind::CheckBox};
    if (c == "tcombobox") return {SkinKind::ComBox};
    if (c == "tbutton") return {SkinKind::Button};
    if (c == "tsilentpaintpanel") return {.SetControlColor = true};
    if (c == "systabcontrol32") return (style & 0x2000) == 0 ? BareDecision{SkinKind::Tab} : BareDecision{};
    if (c == "edit") return {SkinKind::Edit};
    return {};
}

}  // namespace skin::controls
