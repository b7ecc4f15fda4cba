#pragma once
// Which control skin a control gets: the ordered table for framework controls, the class-name
// mapping of Skin3rd, and the table for bare windows by window class and style. Pure decisions;
// the Windows side (control_attachment.cpp) gathers the facts and attaches what is chosen.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "skin/data/skin_data_settings.h"

namespace skin::controls {

// The control skin classes a walk can create.
enum class SkinKind : std::uint8_t {
    None,
    Tab,
    Tab31,
    TabSheet,
    CheckBox,
    RadioButton,
    TrackBar,
    UpDown,
    GroupBox,
    Box,
    ToolBar,  // a Box that also draws the bar's buttons
    BoxH,
    ObjImageCheck,
    ObjImageRadio,
    StatusBar,
    Progress,
    ScControl,
    ComBox,
    Edit,
    Scrollbar,
    ListView,
    BitButton,
    SpeedButton,
    Button,
    Sizer,
};

// What the walk needs to know about one framework control. The "Is…" kinds hold for the class
// and its descendants.
struct ControlFacts {
    std::string ClassUpper;  // the class name in upper case
    bool IsPageControl = false;
    bool IsToolButtonWithMenu = false;
    bool IsTabSheet = false;
    bool IsCheckBox = false;
    bool IsTrackBar = false;
    bool IsRadioGroup = false;
    bool IsCustomGroupBox = false;
    bool IsRadioButton = false;
    bool IsToolBar = false;
    bool IsStatusBar = false;
    bool IsProgressBar = false;
    bool IsScrollBarControl = false;
    bool IsComboBox = false;
    bool IsBitButton = false;
    bool IsSpeedButton = false;
    bool IsCustomPanel = false;
    bool IsListView = false;
    bool IsCustomMemo = false;
    bool IsColoredList = false;
    bool HasScrollBars = false;
    bool IsButton = false;
    bool IsCustomEdit = false;
    bool IsFrame = false;
    bool IsCustomForm = false;
    bool DatePickerAsEdit = false;  // up-down date mode or time kind
    int NumButtons = -1;            // integer property "NumButtons", -1 when absent
    bool SkinHasTabObject = false;
};

// Follow-up work a table row asks for besides (or instead of) a control skin.
enum class AttachExtra : std::uint8_t {
    None,
    SkinOwned,         // then SkinOwnedControls(control)
    ChildrenRadio,     // every child control gets a radio-button skin first
    FlatOn,            // property "Flat" := "True" first
    ToolBar,           // "Flat" on, button drawing handler and menu item handlers installed
    MenuItemHandlers,  // only menu-item drawing on the tool button's item
    StatusBarGripOff,  // the bar's own size grip goes off first
    ControlColor,      // the control's colour := the skin's control background colour
    ByHandle,          // attached through the bare-window path with the control's window
};

struct AttachDecision {
    int Row = 0;  // the table row that acted (0: none)
    SkinKind Kind = SkinKind::None;
    bool SetColor = false;
    AttachExtra Extra = AttachExtra::None;
    AttachExtra Extra2 = AttachExtra::None;
    bool operator==(const AttachDecision&) const = default;
};

// Walks the built-in table for a framework control; the first row whose test holds decides.
// Names that are never skinned, and rows whose test holds but whose flag is off where the table
// ends the walk, give Row > 0 with Kind None. No row: Row 0.
AttachDecision ChooseBuiltInSkin(const ControlFacts& facts, TSkinControls enabled);

// `tag` mod 100 (sign of tag) equals disableTag.
constexpr bool TagDisablesSkin(int tag, int disableTag) { return tag % 100 == disableTag; }

// The Skin3rd keyword for a class (lower case, at most 50 characters), when a line begins with
// the class name and "=" in any letter case; the first such line wins.
std::optional<std::string> FindMappingKeyword(const std::vector<std::string>& lines, std::string_view className);

// What a Skin3rd keyword attaches. "container", "embedscrollbar", "radiogroup" and
// "checkgroup" act on the children and are told by `Extra` (ChildrenRadio / SkinOwned) with
// these kinds; "nil" and unknown keywords give None.
struct MappingAction {
    SkinKind Kind = SkinKind::None;
    bool SetColor = false;
    bool TransparentOn = false;           // property "Transparent" := "True" first
    bool Container = false;               // map each child by its class, mapping only
    bool EmbedScrollBars = false;         // scroll-bar skins for each child
    SkinKind ChildKind = SkinKind::None;  // radiogroup / checkgroup: each child's skin
    bool SkinOwnedAfter = false;
    bool BorderedOnly = false;  // only when the window has a border
    bool operator==(const MappingAction&) const = default;
};
MappingAction ActOnKeyword(std::string_view keyword, TSkinControls enabled, bool skinHasTabObject,
                           std::string_view classNameUpper);

// What a bare window gets, by its lower-case class name and style.
struct BareDecision {
    SkinKind Kind = SkinKind::None;
    bool SkinChildrenFirst = false;  // its child windows are skinned before it
    bool SetControlColor = false;    // the framework control owning it takes the control colour
    bool OnFirstChild = false;       // the skin goes on its first child window (extended combo)
    bool operator==(const BareDecision&) const = default;
};
// `hasChild` tells whether the window has a child window.
BareDecision ChooseBareWindowSkin(std::string_view classLower, std::uint32_t style, bool hasChild);

// What a bare "button" window is, by the button type in the low four style bits.
enum class ButtonType : std::uint8_t { Push, CheckBox, RadioButton, GroupBox, Other };
ButtonType ClassifyButtonStyle(std::uint32_t style);

}  // namespace skin::controls
