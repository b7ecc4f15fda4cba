// Settings of the skin data component that decide what is skinned: the control kinds, the
// options and the kind of component, with the defaults a freshly placed component has.
// Shared by the skin manager, the form skins and the control attachment.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "skin/data/enum_set.h"
#include "skin/data/skin_3rd_defaults.h"

namespace skin {

// Declaration order is the stored bit order; never reorder.
enum class TSkinControlType : std::uint8_t {
    xcMainMenu,
    xcPopupMenu,
    xcMenuItem,
    xcToolbar,
    xcControlbar,
    xcCombo,
    xcCheckBox,
    xcRadioButton,
    xcProgress,
    xcScrollbar,
    xcEdit,
    xcButton,
    xcBitBtn,
    xcSpeedButton,
    xcPanel,
    xcGroupBox,
    xcStatusBar,
    xcTab,
    xcSystemMenu,
    xcFastReport,
};
inline constexpr std::size_t kSkinControlTypeCount = static_cast<std::size_t>(TSkinControlType::xcFastReport) + 1;

enum class TSkinOption : std::uint8_t {
    xoMDIScrollbar,
    xoMenuMerge,
    xoNCPaint,
    xoPreview,
    xoParentBackGround,
    xoNoFocusRect,
};
inline constexpr std::size_t kSkinOptionCount = static_cast<std::size_t>(TSkinOption::xoNoFocusRect) + 1;

// Which windows a component applies to: every window, only its owner form, dialog boxes,
// or the forms of a library.
enum class TSkinFormType : std::uint8_t {
    sfMainform,
    sfOnlyThisForm,
    sfDialog,
    sfDLL,
};

using TSkinControls = EnumSet<TSkinControlType, kSkinControlTypeCount>;
using TSkinOptions = EnumSet<TSkinOption, kSkinOptionCount>;

// Everything up to xcSystemMenu except xcMenuItem: owner-drawn menu items and FastReport
// windows are opt-in.
inline constexpr TSkinControls kDefaultSkinControls = TSkinControls::FromBits(0x7FFFB);
inline constexpr TSkinOptions kDefaultSkinOptions{TSkinOption::xoPreview};
// Tag value that exempts a control from skinning.
inline constexpr int kDefaultDisableTag = 99;

// The component reports this version; writing the property is ignored.
inline constexpr std::string_view kSkinDataVersion = "1.0.0.0";

// What the display-only SkinStore property reads. At run time it never tells whether a
// package is held.
std::string_view SkinStoreText(bool designing, bool holdsPackage);

// The menu kinds are reconciled once the stored properties are read: without a skinned
// menu bar the system menu is left to Windows, and with one the menu bar draws its items
// itself, so the separate item painting is switched off.
TSkinControls AdjustLoadedSkinControls(TSkinControls controls);

// The published settings of one component, as a freshly placed component has them.
struct TSkinDataSettings {
    bool Active = false;
    int DisableTag = kDefaultDisableTag;
    TSkinControls SkinControls = kDefaultSkinControls;
    TSkinOptions Options = kDefaultSkinOptions;
    std::vector<std::string> Skin3rd = DefaultSkin3rdLines();
    std::string SkinFile;
    TSkinFormType SkinFormtype = TSkinFormType::sfMainform;
    bool MenuUpdate = true;
    bool MenuMerge = false;
};

}  // namespace skin
