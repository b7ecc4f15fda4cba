#include "tools/common/skin_inspect.h"

#include <cstdio>
#include <exception>
#include <sstream>

#include "skin/data/skin_loader.h"

namespace tools {

namespace {

using skin::TDataSkinObject;

std::string Size(const base::Bitmap& b) { return std::to_string(b.Width()) + "x" + std::to_string(b.Height()); }

std::string Hex(TColor c) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(c));
    return text;
}

void Object(std::ostringstream& out, const char* member, const TDataSkinObject* o) {
    out << "object " << member;
    if (o == nullptr) {
        out << " absent\n";
        return;
    }
    out << " name=" << o->Name << " image=" << Size(o->Map) << " frames=" << o->FrameCount
        << " margins=" << o->Margins.Left << "," << o->Margins.Top << "," << o->Margins.Right << ","
        << o->Margins.Bottom << " trans=" << o->Trans << " tile=" << o->Tile << " style=" << o->Style;
    if (const auto* border = dynamic_cast<const skin::TDataSkinBorder*>(o)) out << " image2=" << Size(border->Map2);
    if (const auto* buttons = dynamic_cast<const skin::TDataSkinButton*>(o))
        out << " check=" << Size(buttons->CheckMap) << " checkframes=" << buttons->CheckFrameCount
            << " radio=" << Size(buttons->RadioMap) << " radioframes=" << buttons->RadioFrameCount;
    out << "\n";
}

}  // namespace

std::string DescribeSkinObjects(const skin::TSkinObjects& s) {
    std::ostringstream out;
    Object(out, "Title", s.Title.get());
    Object(out, "BorderLeft", s.BorderLeft.get());
    Object(out, "BorderRight", s.BorderRight.get());
    Object(out, "BorderTop", s.BorderTop.get());
    Object(out, "BorderBottom", s.BorderBottom.get());
    Object(out, "Buttons", s.Buttons.get());
    Object(out, "Progress", s.Progress.get());
    Object(out, "MenuBar", s.MenuBar.get());
    Object(out, "GroupBoxEdge", s.GroupBoxEdge.get());
    Object(out, "GroupBox", s.GroupBox.get());
    Object(out, "Tabs", s.Tabs.get());
    Object(out, "StatusBarEdges", s.StatusBarEdges.get());
    Object(out, "ToolbarBackground", s.ToolbarBackground.get());
    Object(out, "Toolbars", s.Toolbars.get());
    Object(out, "ComboButton", s.ComboButton.get());
    Object(out, "SunkEdge", s.SunkEdge.get());
    Object(out, "ExtraImages", s.ExtraImages.get());
    Object(out, "HeaderBar", s.HeaderBar.get());
    Object(out, "MenuItem", s.MenuItem.get());
    Object(out, "MenuBackground", s.MenuBackground.get());
    Object(out, "ScrollBar", s.ScrollBar.get());
    Object(out, "HorzScroll", s.HorzScroll.get());
    Object(out, "VertScroll", s.VertScroll.get());
    Object(out, "HorzScrollThumb", s.HorzScrollThumb.get());
    Object(out, "VertScrollThumb", s.VertScrollThumb.get());
    Object(out, "TrackThumbHorz", s.TrackThumbHorz.get());
    Object(out, "TrackThumbVert", s.TrackThumbVert.get());
    Object(out, "TrackThumbLeft", s.TrackThumbLeft.get());
    Object(out, "TrackThumbRight", s.TrackThumbRight.get());
    Object(out, "TrackThumbUp", s.TrackThumbUp.get());
    Object(out, "TrackThumbDown", s.TrackThumbDown.get());
    Object(out, "UpDownHorz", s.UpDownHorz.get());
    Object(out, "UpDownVert", s.UpDownVert.get());

    for (std::size_t i = 0; i < s.SysButtons.size(); ++i) {
        const auto& b = *s.SysButtons[i];
        out << "sysbutton " << i << " name=" << b.Name << " action=" << b.Action << " align=" << b.Align
            << " x=" << b.XCoord << " y=" << b.YCoord << " visibility=" << b.Visibility
            << " visibility1=" << b.Visibility1 << " combineop=" << b.CombineOp << " frames=" << b.FrameCount
            << " image=" << Size(b.Map) << "\n";
    }

    const std::pair<const char*, TColor> colors[] = {
        {"WindowTextColor", s.WindowTextColor},
        {"ButtonFaceColor", s.ButtonFaceColor},
        {"ScrollbarColor", s.ScrollbarColor},
        {"HilightTextColor", s.HilightTextColor},
        {"HilightColor", s.HilightColor},
        {"MenuBarColor", s.MenuBarColor},
        {"MenuColor", s.MenuColor},
        {"MenuTextColor", s.MenuTextColor},
        {"ButtonTextColor", s.ButtonTextColor},
        {"ButtonHilightColor", s.ButtonHilightColor},
        {"ButtonLightColor", s.ButtonLightColor},
        {"ButtonShadowColor", s.ButtonShadowColor},
        {"ButtonDkShadowColor", s.ButtonDkShadowColor},
        {"MenuBarTextColor", s.MenuBarTextColor},
        {"TitleTextActiveColor", s.TitleTextActiveColor},
        {"TitleTextInactiveColor", s.TitleTextInactiveColor},
    };
    for (const auto& [name, value] : colors) out << "colour " << name << "=" << Hex(value) << "\n";
    for (std::size_t i = 0; i < s.SectionColors.size(); ++i)
        out << "sectioncolour " << i << "=" << Hex(s.SectionColors[i]) << "\n";
    for (std::size_t i = 0; i < s.CustomColors.size(); ++i)
        out << "customcolour " << i << "=" << Hex(s.CustomColors[i]) << "\n";
    out << "skinname " << s.SkinName << "\n";
    out << "ok\n";
    return out.str();
}

bool InspectSkinPackage(std::span<const std::uint8_t> package, std::string& description, std::string& error) {
    skin::TSkinObjects objects;
    try {
        const skin::TSkinLoadResult result = skin::LoadSkinPackage(objects, package, kInspectScrollArrowWidth);
        if (!result.Ok()) {
            error = result.Reason.empty() ? "the package cannot be loaded" : result.Reason;
            return false;
        }
    } catch (const std::exception& e) {
        error = e.what();
        return false;
    }
    description = DescribeSkinObjects(objects);
    return true;
}

}  // namespace tools
