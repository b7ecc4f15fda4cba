#pragma once
// The skin objects and colors of one loaded skin. The skin data component
// owns one of these; LoadSkinObjects (skin_loader.h) refills it at each load.
//
// Title, the four borders and Buttons exist from construction on and are
// refilled by each load. Every other object is replaced at each load and is
// null when the skin does not define it; readers test for null first.

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "base/color.h"
#include "skin/data/skin_objects.h"

namespace skin {

class TSkinObjects {
public:
    TSkinObjects();
    TSkinObjects(const TSkinObjects&) = delete;
    TSkinObjects& operator=(const TSkinObjects&) = delete;

    // Always present.
    std::unique_ptr<TDataSkinTitle> Title;
    std::unique_ptr<TDataSkinBorder> BorderLeft;
    std::unique_ptr<TDataSkinBorder> BorderRight;
    std::unique_ptr<TDataSkinBorder> BorderTop;
    std::unique_ptr<TDataSkinBorder> BorderBottom;
    std::unique_ptr<TDataSkinButton> Buttons;

    // Caption buttons of the skin followed by the three MDI buttons.
    std::vector<std::unique_ptr<TDataSkinSysButton>> SysButtons;

    // Present only when the skin defines them.
    std::unique_ptr<TDataSkinBorder> Progress;
    std::unique_ptr<TDataSkinObject> MenuBar;
    std::unique_ptr<TDataSkinObject> GroupBoxEdge;
    std::unique_ptr<TDataSkinBoxLabel> GroupBox;
    std::unique_ptr<TDataSkinBorder> Tabs;
    std::unique_ptr<TDataSkinObject> StatusBarEdges;
    std::unique_ptr<TDataSkinObject> ToolbarBackground;
    std::unique_ptr<TDataSkinObject> Toolbars;
    std::unique_ptr<TDataSkinBorder> ComboButton;
    std::unique_ptr<TDataSkinObject> SunkEdge;
    std::unique_ptr<TDataSkinObject> ExtraImages;
    std::unique_ptr<TDataSkinObject> HeaderBar;
    std::unique_ptr<TDataSkinObject> MenuItem;
    std::unique_ptr<TDataSkinObject> MenuBackground;
    std::unique_ptr<TDataSkinObject> ScrollBar;
    std::unique_ptr<TDataSkinObject> HorzScroll;
    std::unique_ptr<TDataSkinObject> VertScroll;
    std::unique_ptr<TDataSkinObject> HorzScrollThumb;
    std::unique_ptr<TDataSkinObject> VertScrollThumb;
    std::unique_ptr<TDataSkinObject> TrackThumbHorz;
    std::unique_ptr<TDataSkinObject> TrackThumbVert;
    std::unique_ptr<TDataSkinObject> TrackThumbLeft;
    std::unique_ptr<TDataSkinObject> TrackThumbRight;
    std::unique_ptr<TDataSkinObject> TrackThumbUp;
    std::unique_ptr<TDataSkinObject> TrackThumbDown;
    std::unique_ptr<TDataSkinBorder> UpDownHorz;
    std::unique_ptr<TDataSkinBorder> UpDownVert;

    // Colors of section "Colors"; until a load they hold their defaults.
    TColor WindowTextColor = clWindowText;
    TColor ButtonFaceColor = clBtnFace;
    TColor ScrollbarColor = clScrollBar;
    TColor HilightTextColor = clHighlightText;
    TColor HilightColor = clHighlight;
    TColor MenuBarColor = clBtnFace;
    TColor MenuColor = clMenu;
    TColor MenuTextColor = clMenuText;
    TColor ButtonTextColor = clBtnText;
    TColor ButtonHilightColor = clBtnHighlight;
    TColor ButtonLightColor = clBtnHighlight;
    TColor ButtonShadowColor = clBtnShadow;
    TColor ButtonDkShadowColor = cl3DDkShadow;
    TColor MenuBarTextColor = clMenuText;
    TColor TitleTextActiveColor = clCaptionText;
    TColor TitleTextInactiveColor = clInactiveCaptionText;

    // One color per "Color..." section, in file order.
    std::vector<TColor> SectionColors;
    // Section "Customcolors", keys Color0 to Color9.
    std::array<TColor, 10> CustomColors;

    // Section "TitlebarSkin", key "SkinName".
    std::string SkinName;
};

}  // namespace skin
