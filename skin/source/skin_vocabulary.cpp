#include "skin/source/skin_vocabulary.h"

#include <algorithm>
#include <array>
#include <utility>

namespace skin::source {

namespace {

struct TFixedSection {
    const char* Name;
    TSectionKind Kind;
    int Frames;
    const char* SecondImageKey;
};

// Every section with a fixed name, in load order, with the frames of its main image.
constexpr std::array<TFixedSection, 35> kFixedSections{{
    {"TitlebarSkin", TSectionKind::TitlebarSkin, 0, ""},
    {"Personality", TSectionKind::Personality, 0, ""},
    {"Colours", TSectionKind::Colors, 0, ""},
    {"Customcolors", TSectionKind::CustomColors, 0, ""},
    {"MDICONTROLS", TSectionKind::MdiControls, 12, ""},
    {"Buttons", TSectionKind::Buttons, 5, ""},
    {"Fonts", TSectionKind::Fonts, 0, ""},
    {"Progress", TSectionKind::Progress, 2, ""},
    {"GroupBoxEdge", TSectionKind::ImageObject, 2, ""},
    {"GroupBox", TSectionKind::GroupBox, 1, ""},
    {"Tabs", TSectionKind::BorderObject, 5, "Border"},
    {"StatusBarEdges", TSectionKind::ImageObject, 3, ""},
    {"ToolBarBackground", TSectionKind::ImageObject, 1, ""},
    {"ToolBars", TSectionKind::ImageObject, 5, ""},
    {"ComboButton", TSectionKind::BorderObject, 4, "****"},
    {"SunkEdge", TSectionKind::ImageObject, 4, ""},
    {"ExtraImages", TSectionKind::ImageObject, 5, ""},
    {"Headerbar", TSectionKind::ImageObject, 5, ""},
    {"MenuItem", TSectionKind::ImageObject, 5, ""},
    {"MenuBackground", TSectionKind::ImageObject, 1, ""},
    {"Scrollbar", TSectionKind::ImageObject, 23, ""},
    {"HorzScroll", TSectionKind::ImageObject, 4, ""},
    {"VertScroll", TSectionKind::ImageObject, 4, ""},
    {"HorzScrollThumb", TSectionKind::ThumbObject, 0, ""},
    {"VertScrollThumb", TSectionKind::ThumbObject, 0, ""},
    {"Trackbar.ThumbHorz", TSectionKind::ImageObject, 5, ""},
    {"Trackbar.ThumbVert", TSectionKind::ImageObject, 5, ""},
    {"Trackbar.ThumbLeft", TSectionKind::ImageObject, 5, ""},
    {"Trackbar.ThumbRight", TSectionKind::ImageObject, 5, ""},
    {"Trackbar.ThumbUp", TSectionKind::ImageObject, 5, ""},
    {"Trackbar.ThumbDown", TSectionKind::ImageObject, 5, ""},
    {"UpDown.Horz", TSectionKind::BorderObject, 8, "GlyphImage"},
    {"UpDown.Vert", TSectionKind::BorderObject, 8, "GlyphImage"},
    {"BUTTON", TSectionKind::NotRead, 0, ""},
    {"BUTTON.RADIO", TSectionKind::NotRead, 0, ""},
}};

bool EqualsNoCase(std::string_view a, std::string_view b) { return LowerAscii(a) == LowerAscii(b); }

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && EqualsNoCase(text.substr(0, prefix.size()), prefix);
}

template <std::size_t N>
bool OneOf(std::string_view key, const std::array<std::string_view, N>& keys) {
    return std::find(keys.begin(), keys.end(), key) != keys.end();
}

constexpr std::array<std::string_view, 3> kTextColorKeys{"normalcolour2", "mouseovercolour2", "pressedcolour2"};
constexpr std::array<std::string_view, 9> kObjectIntegerKeys{"style",     "leftwidth",    "rightwidth",
                                                             "topheight", "bottomheight", "trans",
                                                             "tile",      "normalcolour", "mouseovercolour"};

std::optional<TKeyType> ImageObjectKey(std::string_view key, bool readsStyle) {
    if (key == "image") return TKeyType::Image;
    if (key == "style") return readsStyle ? std::optional<TKeyType>(TKeyType::Integer) : std::nullopt;
    if (OneOf(key, kObjectIntegerKeys) || key == "pressedcolour") return TKeyType::Integer;
    if (OneOf(key, kTextColorKeys)) return TKeyType::Color;
    return std::nullopt;
}

std::optional<TKeyType> PersonalityKey(std::string_view key) {
    constexpr std::array<std::string_view, 16> integers{
        "textshift",     "textshiftvert", "textrightclip", "textalignment", "textbackground", "txtbackleft",
        "txtbackright",  "activetextr",   "activetextg",   "activetextb",   "inactivetextr",  "inactivetextg",
        "inactivetextb", "tilemenu",      "tileleftmenu",  "tilerightmenu"};
    if (key == "textback" || key == "menubar") return TKeyType::Image;
    if (OneOf(key, integers)) return TKeyType::Integer;
    for (std::string_view edge : {"left", "right", "top", "bottom"}) {
        if (key.substr(0, edge.size()) != edge) continue;
        const std::string_view rest = key.substr(edge.size());
        if (rest.empty()) return TKeyType::Image;
        if (rest == "topheight" || rest == "botheight" || rest == "frame" || rest == "stretch" || rest == "trans")
            return TKeyType::Integer;
    }
    return std::nullopt;
}

}  // namespace

std::string LowerAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

TSectionInfo ClassifySection(std::string_view name) {
    for (const TFixedSection& s : kFixedSections)
        if (EqualsNoCase(name, s.Name)) return {s.Kind, s.Name, s.Frames, s.SecondImageKey};
    if (EqualsNoCase(name, "BUTTON.CHECKBOX")) return {TSectionKind::NotRead, "BUTTON.CHECKBOX", 0, ""};
    if (StartsWithNoCase(name, "BUTTON")) return {TSectionKind::CaptionButton, std::string(name), 0, ""};
    if (StartsWithNoCase(name, "COLOUR")) return {TSectionKind::ColorSection, std::string(name), 0, ""};
    return {TSectionKind::Unknown, std::string(name), 0, ""};
}

std::optional<TKeyType> KeyTypeOf(const TSectionInfo& section, std::string_view rawKey) {
    const std::string key = LowerAscii(rawKey);
    switch (section.Kind) {
        case TSectionKind::Personality: return PersonalityKey(key);
        case TSectionKind::Fonts:
            return key == "fontheight" ? std::optional<TKeyType>(TKeyType::Integer) : std::nullopt;
        case TSectionKind::Colors: {
            constexpr std::array<std::string_view, 16> colors{
                "windowtext",     "buttonface",  "scrollbar",       "hilighttext",      "hilight",     "menubar",
                "menu",           "menutext",    "buttontext",      "buttonhilight",    "buttonlight", "buttonshadow",
                "buttondkshadow", "menubartext", "titletextactive", "titletextnoactive"};
            return OneOf(key, colors) ? std::optional<TKeyType>(TKeyType::Color) : std::nullopt;
        }
        case TSectionKind::CustomColors:
            return key.size() == 6 && key.substr(0, 5) == "color" && key[5] >= '0' && key[5] <= '9'
                       ? std::optional<TKeyType>(TKeyType::Color)
                       : std::nullopt;
        case TSectionKind::TitlebarSkin:
            return key == "skinname" ? std::optional<TKeyType>(TKeyType::Text) : std::nullopt;
        case TSectionKind::Buttons: {
            if (key == "bitmap" || key == "checkbutton" || key == "radiobutton") return TKeyType::Image;
            if (key == "radiobuttonframe" || key == "checkbuttonframe") return TKeyType::Integer;
            if (key == "style") return std::nullopt;
            return ImageObjectKey(key, false) == TKeyType::Image ? std::nullopt : ImageObjectKey(key, false);
        }
        case TSectionKind::Progress: {
            if (key == "bitmap" || key == "chunk") return TKeyType::Image;
            constexpr std::array<std::string_view, 7> integers{"style",        "leftwidth", "rightwidth", "topheight",
                                                               "bottomheight", "trans",     "tile"};
            return OneOf(key, integers) ? std::optional<TKeyType>(TKeyType::Integer) : std::nullopt;
        }
        case TSectionKind::ImageObject: return ImageObjectKey(key, true);
        case TSectionKind::ThumbObject:
            return key == "framecount" ? std::optional<TKeyType>(TKeyType::Integer) : ImageObjectKey(key, true);
        case TSectionKind::GroupBox:
            if (key == "backgroundalignment" || key == "backgroundleftshift" || key == "backgroundrightshift")
                return TKeyType::Integer;
            return ImageObjectKey(key, true);
        case TSectionKind::BorderObject:
            if (key == LowerAscii(section.SecondImageKey)) return TKeyType::Image;
            return ImageObjectKey(key, false);
        case TSectionKind::CaptionButton: {
            constexpr std::array<std::string_view, 8> integers{"action",     "align",       "xcoord",    "ycoord",
                                                               "visibility", "visibility1", "combineop", "frame"};
            if (key == "buttonimage") return TKeyType::Image;
            return OneOf(key, integers) ? std::optional<TKeyType>(TKeyType::Integer) : std::nullopt;
        }
        case TSectionKind::MdiControls: return key == "image" ? std::optional<TKeyType>(TKeyType::Image) : std::nullopt;
        case TSectionKind::ColorSection:
            return key == "color" ? std::optional<TKeyType>(TKeyType::Color) : std::nullopt;
        case TSectionKind::NotRead:
        case TSectionKind::Unknown: return std::nullopt;
    }
    return std::nullopt;
}

const std::vector<std::string>& FixedSectionNames() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> out;
        for (const TFixedSection& s : kFixedSections)
            if (s.Kind != TSectionKind::NotRead) out.emplace_back(s.Name);
        return out;
    }();
    return names;
}

}  // namespace skin::source
