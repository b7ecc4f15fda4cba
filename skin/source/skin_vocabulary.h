// The sections and keys a skin definition may use, as the engine's loader reads them: what
// kind of section a header names, which keys it reads there, and what each key holds.
// Section and key names compare case-insensitively.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace skin::source {

enum class TSectionKind {
    Personality,  // frame edges, caption text, menu bar
    Fonts,
    Colors,        // the named colors
    CustomColors,  // Color0 .. Color9
    TitlebarSkin,  // SkinName
    Buttons,       // push buttons, check and radio strips
    Progress,
    ImageObject,    // one image with margins and text colors (most control sections)
    ThumbObject,    // an image object with its own FrameCount key (scroll thumbs)
    GroupBox,       // an image object with the label alignment keys
    BorderObject,   // an image object with a second image (Tabs, UpDown.*, ComboButton)
    CaptionButton,  // any other section whose name begins with BUTTON
    MdiControls,
    ColorSection,  // sections whose name begins with COLOR (other than Colors)
    NotRead,       // BUTTON, BUTTON.RADIO, BUTTON.CHECKBOX: named but never read
    Unknown,
};

enum class TKeyType { Integer, Color, Image, Text };

struct TSectionInfo {
    TSectionKind Kind = TSectionKind::Unknown;
    // The spelling used in messages (e.g. "Trackbar.ThumbHorz"); the header itself for
    // caption buttons and color sections.
    std::string Name;
    // Frames of the section's main image ("Image" or "Bitmap"), 0 when it depends on keys.
    int Frames = 0;
    // The key of the second image of a BorderObject ("Border", "GlyphImage", "****").
    std::string SecondImageKey;
};

// Classifies a section by its name (the text between the brackets, already trimmed).
TSectionInfo ClassifySection(std::string_view name);

// The type of `key` in a section of that kind, or nothing when the engine does not read it.
std::optional<TKeyType> KeyTypeOf(const TSectionInfo& section, std::string_view key);

// Names of the sections whose name is fixed, in the order the loader reads them.
const std::vector<std::string>& FixedSectionNames();

// Lower-case copy (ASCII letters only).
std::string LowerAscii(std::string_view text);

}  // namespace skin::source
