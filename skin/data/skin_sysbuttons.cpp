// Caption buttons: one per "BUTTON..." section of the definition, then the
// three MDI buttons cut from the "MDICONTROLS" image.

#include <array>
#include <memory>
#include <string>

#include "skin/data/skin_image.h"
#include "skin/data/skin_loader.h"
#include "skin/data/skin_loader_parts.h"

namespace skin::loader {
namespace {

// Sections that begin with "BUTTON" but describe push buttons, check boxes
// and radio buttons rather than caption buttons.
bool IsCaptionButtonSection(const std::string& upperName) {
    if (!upperName.starts_with("BUTTON")) return false;
    return upperName != "BUTTON" && upperName != "BUTTONS" && upperName != "BUTTON.RADIO" &&
           upperName != "BUTTON.CHECKBOX";
}

// A section whose Action is -1 is a hidden button; it is kept only when its
// Visibility is 0.
bool KeepsButton(const TQuickIni& ini, const std::string& section) {
    if (ReadInt(ini, section, "Action", 0) != -1) return true;
    return ReadInt(ini, section, "Visibility", -1) == 0;
}

// Frame count of a button without a "frame" key: 6, or from the image shape
// (3 for images up to 3.8 times as wide as high, else 6); 6 for hidden
// buttons. Close-like actions 3 and 11 then lose their image.
void GuessFrameCount(TDataSkinSysButton& button) {
    button.FrameCount = 6;
    if (!button.Map.Empty()) {
        const double ratio = static_cast<double>(button.Map.Width()) / button.Map.Height();
        button.FrameCount = ratio <= 3.8 ? 3 : 6;
    }
    if (button.Action < 0) button.FrameCount = 6;
    if (button.Action == 3 || button.Action == 11) button.Map = Bitmap();
}

std::unique_ptr<TDataSkinSysButton> LoadCaptionButton(const TSkinReader& reader, const TQuickIni& ini,
                                                      const std::string& section, TColor buttonTextColor) {
    auto button = std::make_unique<TDataSkinSysButton>(UpperAscii(section));
    button->NormalColor2 = button->MouseOverColor2 = button->PressedColor2 = buttonTextColor;
    button->Action = ReadInt(ini, section, "Action", 0);
    button->Align = ReadInt(ini, section, "Align", 0);
    button->XCoord = ReadInt(ini, section, "Xcoord", 0);
    button->YCoord = ReadInt(ini, section, "Ycoord", 0);
    button->Visibility = ReadInt(ini, section, "Visibility", 0);
    button->Visibility1 = ReadInt(ini, section, "Visibility1", button->Action == -1 ? -1 : 0);
    button->CombineOp = ReadInt(ini, section, "CombineOp", -1);
    button->FrameCount = ReadInt(ini, section, "frame", 0);
    LoadImage(button->Map, reader, ReadText(ini, section, "ButtonImage"));
    if (button->FrameCount == 0) GuessFrameCount(*button);
    return button;
}

// The MDI buttons (minimise, restore, close of a maximised child): actions 7,
// 8, 9. Their image is cut from a strip of 12 equal frames, four states each.
void AppendMdiButtons(TSkinObjects& objects, const TSkinReader& reader, const TQuickIni& ini, TColor buttonTextColor) {
    constexpr std::array<const char*, 3> kNames = {"MDIMINIMIZE", "MDIRESTORE", "MDICLOSE"};
    const std::size_t first = objects.SysButtons.size();
    for (int i = 0; i < 3; ++i) {
        auto button = std::make_unique<TDataSkinSysButton>(kNames[static_cast<std::size_t>(i)]);
        button->NormalColor2 = button->MouseOverColor2 = button->PressedColor2 = buttonTextColor;
        button->Action = 7 + i;
        button->Align = 100;
        button->Visibility = 100;
        button->Visibility1 = 100;
        button->FrameCount = 4;
        objects.SysButtons.push_back(std::move(button));
    }

    Bitmap source;
    LoadImage(source, reader, ReadText(ini, "MDICONTROLS", "Image"));
    if (source.Empty()) return;
    const int w = source.Width() / 12;
    const int h = source.Height();
    for (int i = 0; i < 3; ++i) {
        TDataSkinSysButton& button = *objects.SysButtons[first + static_cast<std::size_t>(i)];
        button.Map = source.Crop(Rect{4 * i * w, 0, 4 * (i + 1) * w, h});
        button.XCoord = (w + 4) * (3 - i);
    }
}

}  // namespace

void LoadSysButtons(TSkinObjects& objects, const TSkinReader& reader, const TQuickIni& ini,
                    const std::vector<std::string>& sections) {
    std::vector<const std::string*> kept;
    for (const std::string& name : sections) {
        if (IsCaptionButtonSection(UpperAscii(name)) && KeepsButton(ini, name)) kept.push_back(&name);
    }
    objects.SysButtons.clear();
    objects.SysButtons.reserve(kept.size() + 3);
    for (const std::string* section : kept)
        objects.SysButtons.push_back(LoadCaptionButton(reader, ini, *section, objects.ButtonTextColor));
    AppendMdiButtons(objects, reader, ini, objects.ButtonTextColor);
}

}  // namespace skin::loader
