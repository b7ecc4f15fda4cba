#include "skin/data/skin_loader.h"

#include <memory>
#include <string>

#include "skin/data/skin_loader_parts.h"

namespace skin {
namespace {

using loader::ReadInt;
using loader::ReadText;

// What every object loader needs.
struct LoadContext {
    const TSkinReader& reader;
    const TQuickIni& ini;
    TColor buttonTextColor;
};

template <class T>
std::unique_ptr<T> NewObject(std::string name, const LoadContext& ctx) {
    auto object = std::make_unique<T>(std::move(name));
    object->NormalColor2 = ctx.buttonTextColor;
    object->MouseOverColor2 = ctx.buttonTextColor;
    object->PressedColor2 = ctx.buttonTextColor;
    return object;
}

void ReadMargins(TDataSkinObject& object, const LoadContext& ctx, std::string_view section) {
    object.Margins.Left = ReadInt(ctx.ini, section, "LeftWidth", 0);
    object.Margins.Right = ReadInt(ctx.ini, section, "RightWidth", 0);
    object.Margins.Top = ReadInt(ctx.ini, section, "TopHeight", 0);
    object.Margins.Bottom = ReadInt(ctx.ini, section, "BottomHeight", 0);
}

// Keys shared by the generic objects and the objects with a second image.
void ReadObjectKeys(TDataSkinObject& object, const LoadContext& ctx, std::string_view section, bool readStyle) {
    if (readStyle) object.Style = ReadInt(ctx.ini, section, "Style", 0);
    ReadMargins(object, ctx, section);
    object.Trans = ReadInt(ctx.ini, section, "Trans", 0);
    object.Tile = ReadInt(ctx.ini, section, "Tile", 0);
    object.NormalColor = ReadInt(ctx.ini, section, "NormalColour", -1);
    object.MouseOverColor = ReadInt(ctx.ini, section, "MouseOverColour", -1);
    object.PressedColor = ReadInt(ctx.ini, section, "PressedColour", -1);
    object.NormalColor2 = ReadColor(ctx.ini, section, "NormalColour2", ctx.buttonTextColor);
    object.MouseOverColor2 = ReadColor(ctx.ini, section, "MouseOverColour2", ctx.buttonTextColor);
    object.PressedColor2 = ReadColor(ctx.ini, section, "PressedColour2", ctx.buttonTextColor);
    if (object.Tile > 1) object.Tile = 0;
}

// An object made of key "Image" of `section`; null when the key has no value.
template <class T = TDataSkinObject>
std::unique_ptr<T> LoadGenericObject(const LoadContext& ctx, std::string_view section) {
    const std::string image = ReadText(ctx.ini, section, "Image");
    if (image.empty()) return nullptr;
    auto object = NewObject<T>(std::string(section), ctx);
    LoadImage(object->Map, ctx.reader, image);
    ReadObjectKeys(*object, ctx, section, true);
    return object;
}

// An object with a second image in Map2 from `secondKey`.
std::unique_ptr<TDataSkinBorder> LoadBorderObject(const LoadContext& ctx, std::string_view section,
                                                  std::string_view secondKey) {
    const std::string image = ReadText(ctx.ini, section, "Image");
    if (image.empty()) return nullptr;
    auto object = NewObject<TDataSkinBorder>(std::string(section), ctx);
    LoadImage(object->Map, ctx.reader, image);
    ReadObjectKeys(*object, ctx, section, false);
    const std::string second = ReadText(ctx.ini, section, secondKey);
    if (!second.empty()) LoadImage(object->Map2, ctx.reader, second);
    return object;
}

std::unique_ptr<TDataSkinBorder> LoadProgress(const LoadContext& ctx) {
    constexpr std::string_view section = "Progress";
    const std::string image = ReadText(ctx.ini, section, "Bitmap");
    if (image.empty()) return nullptr;
    auto object = NewObject<TDataSkinBorder>(std::string(section), ctx);
    LoadImage(object->Map, ctx.reader, image);
    const std::string chunk = ReadText(ctx.ini, section, "Chunk");
    if (!chunk.empty()) LoadImage(object->Map2, ctx.reader, chunk);
    object->Style = ReadInt(ctx.ini, section, "Style", 0);
    ReadMargins(*object, ctx, section);
    object->Trans = ReadInt(ctx.ini, section, "Trans", 0);
    object->Tile = ReadInt(ctx.ini, section, "Tile", 0);
    if (object->Tile > 1) object->Tile = 1;
    return object;
}

std::unique_ptr<TDataSkinBoxLabel> LoadGroupBox(const LoadContext& ctx) {
    constexpr std::string_view section = "GroupBox";
    auto object = LoadGenericObject<TDataSkinBoxLabel>(ctx, section);
    if (!object) return nullptr;
    object->BackgroundAlignment = ReadInt(ctx.ini, section, "BackgroundAlignment", 0);
    object->BackgroundLeftShift = ReadInt(ctx.ini, section, "BackgroundLeftShift", 0);
    object->BackgroundRightShift = ReadInt(ctx.ini, section, "BackgroundRightShift", 0);
    return object;
}

// The menu bar: its Margins.Left and .Right hold the tile flags of the left
// and right parts.
std::unique_ptr<TDataSkinObject> LoadMenuBar(const LoadContext& ctx) {
    constexpr std::string_view section = "Personality";
    const std::string image = ReadText(ctx.ini, section, "menuBar");
    if (image.empty()) return nullptr;
    auto object = NewObject<TDataSkinObject>(std::string(section), ctx);
    LoadImage(object->Map, ctx.reader, image);
    object->Margins.Top = 0;
    object->Margins.Bottom = 0;
    object->Tile = ReadInt(ctx.ini, section, "TileMenu", 1);
    object->Margins.Left = ReadInt(ctx.ini, section, "TileLeftMenu", 1);
    object->Margins.Right = ReadInt(ctx.ini, section, "TileRightMenu", 1);
    if (object->Tile > 1) object->Tile = 1;
    return object;
}

// A frame edge; its sizes run along the edge, and Tile holds its Stretch value.
void LoadFrameEdge(TDataSkinBorder& edge, const LoadContext& ctx, bool vertical) {
    constexpr std::string_view section = "Personality";
    const std::string& n = edge.Name;
    const int first = ReadInt(ctx.ini, section, n + "TopHeight", 0);
    const int last = ReadInt(ctx.ini, section, n + "BotHeight", 0);
    edge.Margins = vertical ? Rect{0, first, 0, last} : Rect{first, 0, last, 0};
    edge.FrameCount = ReadInt(ctx.ini, section, n + "Frame", 1);
    edge.Tile = ReadInt(ctx.ini, section, n + "Stretch", 1);
    edge.Trans = ReadInt(ctx.ini, section, n + "Trans", 1);
    LoadImage(edge.Map, ctx.reader, ReadText(ctx.ini, section, n));
    if (edge.Tile > 1) edge.Tile = 1;
}

void LoadColors(TSkinObjects& o, const TQuickIni& ini, const std::vector<std::string>& sections) {
    constexpr std::string_view s = "Colours";
    o.WindowTextColor = ReadColor(ini, s, "WindowText", clWindowText);
    o.ButtonFaceColor = ReadColor(ini, s, "ButtonFace", clBtnFace);
    o.ScrollbarColor = ReadColor(ini, s, "Scrollbar", clScrollBar);
    o.HilightTextColor = ReadColor(ini, s, "HilightText", clHighlightText);
    o.HilightColor = ReadColor(ini, s, "Hilight", clHighlight);
    o.MenuBarColor = ReadColor(ini, s, "Menubar", o.ButtonFaceColor);
    o.MenuColor = ReadColor(ini, s, "Menu", clMenu);
    o.MenuTextColor = ReadColor(ini, s, "MenuText", clMenuText);
    o.ButtonTextColor = ReadColor(ini, s, "ButtonText", clBtnText);
    o.ButtonHilightColor = ReadColor(ini, s, "ButtonHilight", clBtnHighlight);
    o.ButtonLightColor = ReadColor(ini, s, "Buttonlight", clBtnHighlight);
    o.ButtonShadowColor = ReadColor(ini, s, "ButtonShadow", clBtnShadow);
    o.ButtonDkShadowColor = ReadColor(ini, s, "ButtonDkShadow", cl3DDkShadow);
    o.MenuBarTextColor = ReadColor(ini, s, "MenuBarText", clMenuText);
    o.TitleTextActiveColor = ReadColor(ini, s, "TitleTextActive", clCaptionText);
    o.TitleTextInactiveColor = ReadColor(ini, s, "TitleTextNoActive", clInactiveCaptionText);

    o.SectionColors.clear();
    for (const std::string& name : sections) {
        const std::string upper = loader::UpperAscii(name);
        if (upper.starts_with("COLOUR") && upper != "COLOURS")
            o.SectionColors.push_back(ReadColor(ini, name, "color", clWindowText));
    }
    for (std::size_t i = 0; i < o.CustomColors.size(); ++i) {
        const std::string key = "Color" + std::to_string(i);
        o.CustomColors[i] = ReadColor(ini, "Customcolors", key, clWhite);
    }
}

void LoadButtons(TDataSkinButton& b, const LoadContext& ctx) {
    constexpr std::string_view section = "Buttons";
    ReadMargins(b, ctx, section);
    b.Trans = ReadInt(ctx.ini, section, "Trans", 0);
    LoadImage(b.Map, ctx.reader, ReadText(ctx.ini, section, "Bitmap"));
    b.Tile = ReadInt(ctx.ini, section, "Tile", 0);
    LoadImage(b.CheckMap, ctx.reader, ReadText(ctx.ini, section, "CheckButton"));
    LoadImage(b.RadioMap, ctx.reader, ReadText(ctx.ini, section, "RadioButton"));
    b.NormalColor = ReadInt(ctx.ini, section, "NormalColour", -1);
    b.MouseOverColor = ReadInt(ctx.ini, section, "MouseOverColour", -1);
    b.PressedColor = ReadInt(ctx.ini, section, "PressedColour", -1);
    b.RadioFrameCount = ReadInt(ctx.ini, section, "RadioButtonFrame", 0);
    b.CheckFrameCount = ReadInt(ctx.ini, section, "CheckButtonFrame", 0);
    if (b.Tile > 1) b.Tile = 0;
    b.HasNormalColor2 = !ReadText(ctx.ini, section, "NormalColour2").empty();
    b.HasMouseOverColor2 = !ReadText(ctx.ini, section, "MouseOverColour2").empty();
    b.HasPressedColor2 = !ReadText(ctx.ini, section, "PressedColour2").empty();
    b.NormalColor2 = ReadColor(ctx.ini, section, "NormalColour2", ctx.buttonTextColor);
    b.MouseOverColor2 = ReadColor(ctx.ini, section, "MouseOverColour2", ctx.buttonTextColor);
    b.PressedColor2 = ReadColor(ctx.ini, section, "PressedColour2", ctx.buttonTextColor);
}

void LoadTitle(TDataSkinTitle& t, const LoadContext& ctx) {
    constexpr std::string_view section = "Personality";
    LoadImage(t.Map, ctx.reader, ReadText(ctx.ini, section, "TextBack"));
    t.Margins = Rect{ReadInt(ctx.ini, section, "TextShift", 0), ReadInt(ctx.ini, section, "TextShiftVert", 0),
                     ReadInt(ctx.ini, section, "TextRightClip", 0), 0};
    t.TextAlignment = ReadInt(ctx.ini, section, "TextAlignment", 0);
    t.TextBackground = ReadInt(ctx.ini, section, "Textbackground", 0);
    t.FontHeight = ReadInt(ctx.ini, "Fonts", "FontHeight", 14);
    t.TextBackLeft = ReadInt(ctx.ini, section, "TXTBackleft", 0);
    t.TextBackRight = ReadInt(ctx.ini, section, "TXTBackRight", 0);
    t.ActiveTextColor = kColorNotGiven;
    t.InactiveTextColor = kColorNotGiven;
    ReadRGB(ctx.ini, section, "ActiveText", t.ActiveTextColor);
    ReadRGB(ctx.ini, section, "InActiveText", t.InactiveTextColor);
}

// A radio or check strip without an explicit frame count: square frames 13
// pixels wide for images lower than 16 pixels, 16 otherwise; at least 4.
int SquareFrameCount(const Bitmap& strip) {
    const int cell = strip.Height() < 16 ? 13 : 16;
    const int count = strip.Width() / cell;
    return count < 4 ? 4 : count;
}

template <class T>
void SetFrameCount(const std::unique_ptr<T>& object, int count) {
    if (object) object->FrameCount = count;
}

void AssignFrameCounts(TSkinObjects& o, const TQuickIni& ini) {
    o.Title->FrameCount = 2;
    TDataSkinButton& b = *o.Buttons;
    b.FrameCount = 5;
    if (b.RadioFrameCount == 0) b.RadioFrameCount = SquareFrameCount(b.RadioMap);
    if (b.CheckFrameCount == 0) b.CheckFrameCount = SquareFrameCount(b.CheckMap);
    SetFrameCount(o.Progress, 2);
    SetFrameCount(o.MenuBar, 2);
    SetFrameCount(o.GroupBoxEdge, 2);
    SetFrameCount(o.GroupBox, 1);
    SetFrameCount(o.Tabs, 5);
    SetFrameCount(o.StatusBarEdges, 3);
    SetFrameCount(o.ToolbarBackground, 1);
    SetFrameCount(o.Toolbars, 5);
    SetFrameCount(o.ComboButton, 4);
    SetFrameCount(o.SunkEdge, 4);
    SetFrameCount(o.ExtraImages, 5);
    SetFrameCount(o.HeaderBar, 5);
    SetFrameCount(o.MenuItem, 5);
    SetFrameCount(o.MenuBackground, 1);
    SetFrameCount(o.ScrollBar, 23);
    SetFrameCount(o.HorzScroll, 4);
    SetFrameCount(o.VertScroll, 4);
    SetFrameCount(o.HorzScrollThumb, ReadInt(ini, "HorzScrollThumb", "FrameCount", 3));
    SetFrameCount(o.VertScrollThumb, ReadInt(ini, "VertScrollThumb", "FrameCount", 3));
    for (auto* thumb : {&o.TrackThumbHorz, &o.TrackThumbVert, &o.TrackThumbLeft, &o.TrackThumbRight, &o.TrackThumbUp,
                        &o.TrackThumbDown})
        SetFrameCount(*thumb, 5);
    SetFrameCount(o.UpDownHorz, 8);
    SetFrameCount(o.UpDownVert, 8);
}

}  // namespace

void LoadSkinObjects(TSkinObjects& o, const TSkinReader& reader, const TQuickIni& ini, int scrollArrowWidth) {
    const std::vector<std::string> sections = loader::SectionNames(ini);
    o.SkinName = ReadText(ini, "TitlebarSkin", "SkinName");

    const LoadContext edges{reader, ini, o.ButtonTextColor};
    LoadFrameEdge(*o.BorderLeft, edges, true);
    LoadFrameEdge(*o.BorderRight, edges, true);
    LoadFrameEdge(*o.BorderTop, edges, false);
    LoadFrameEdge(*o.BorderBottom, edges, false);

    // The objects' color defaults take ButtonTextColor as read here.
    LoadColors(o, ini, sections);
    const LoadContext ctx{reader, ini, o.ButtonTextColor};

    loader::LoadSysButtons(o, reader, ini, sections);
    LoadButtons(*o.Buttons, ctx);
    LoadTitle(*o.Title, ctx);
    o.Progress = LoadProgress(ctx);
    o.MenuBar = LoadMenuBar(ctx);
    o.GroupBoxEdge = LoadGenericObject(ctx, "GroupBoxEdge");
    o.GroupBox = LoadGroupBox(ctx);
    o.Tabs = LoadBorderObject(ctx, "Tabs", "Border");
    o.StatusBarEdges = LoadGenericObject(ctx, "StatusBarEdges");
    o.ToolbarBackground = LoadGenericObject(ctx, "ToolBarBackground");
    o.Toolbars = LoadGenericObject(ctx, "ToolBars");
    // "****" is the second-image key of the combo button: its Map2 normally
    // comes from the mirror step.
    o.ComboButton = LoadBorderObject(ctx, "ComboButton", "****");
    if (o.ComboButton) loader::MirrorComboButton(*o.ComboButton);
    o.SunkEdge = LoadGenericObject(ctx, "SunkEdge");
    o.ExtraImages = LoadGenericObject(ctx, "ExtraImages");
    o.HeaderBar = LoadGenericObject(ctx, "Headerbar");
    o.MenuItem = LoadGenericObject(ctx, "MenuItem");
    o.MenuBackground = LoadGenericObject(ctx, "MenuBackground");
    o.ScrollBar = LoadGenericObject(ctx, "Scrollbar");
    o.HorzScroll = LoadGenericObject(ctx, "HorzScroll");
    o.VertScroll = LoadGenericObject(ctx, "VertScroll");
    o.HorzScrollThumb = LoadGenericObject(ctx, "HorzScrollThumb");
    o.VertScrollThumb = LoadGenericObject(ctx, "VertScrollThumb");
    o.TrackThumbHorz = LoadGenericObject(ctx, "Trackbar.ThumbHorz");
    o.TrackThumbVert = LoadGenericObject(ctx, "Trackbar.ThumbVert");
    o.TrackThumbLeft = LoadGenericObject(ctx, "Trackbar.ThumbLeft");
    o.TrackThumbRight = LoadGenericObject(ctx, "Trackbar.ThumbRight");
    o.TrackThumbUp = LoadGenericObject(ctx, "Trackbar.ThumbUp");
    o.TrackThumbDown = LoadGenericObject(ctx, "Trackbar.ThumbDown");
    o.UpDownHorz = LoadBorderObject(ctx, "UpDown.Horz", "GlyphImage");
    o.UpDownVert = LoadBorderObject(ctx, "UpDown.Vert", "GlyphImage");

    AssignFrameCounts(o, ini);
    if (o.SunkEdge && o.ComboButton) loader::SynthesizeComboFrames(o, scrollArrowWidth);
    if (!o.ToolbarBackground && o.StatusBarEdges) loader::DeriveToolbarBackground(o);
}

}  // namespace skin
