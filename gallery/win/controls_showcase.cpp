#include "gallery/win/controls_showcase.h"

#include "gallery/win/form_layout.h"

#include <string>

#include "framework/win/buttons.h"
#include "framework/win/comctrls.h"
#include "framework/win/ext_ctrls.h"
#include "framework/win/std_ctrls.h"

namespace {

using gallery::Place;

// A 16x16 glyph in `numGlyphs` frames (normal, disabled): a filled square on magenta.
std::unique_ptr<TBitmap> MakeGlyph(TColor colour, int numGlyphs) {
    auto glyph = std::make_unique<TBitmap>();
    glyph->SetSize(16 * numGlyphs, 16);
    TCanvas* canvas = glyph->Canvas();
    canvas->Brush()->SetColor(TColor(0xFF00FF));
    canvas->FillRect(RECT{0, 0, 16 * numGlyphs, 16});
    for (int frame = 0; frame < numGlyphs; ++frame) {
        canvas->Brush()->SetColor(frame == 0 ? colour : TColor(0x808080));
        canvas->Pen()->SetColor(TColor(0x202020));
        canvas->Rectangle(frame * 16 + 3, 3, frame * 16 + 13, 13);
    }
    glyph->SetTransparentColor(TColor(0xFF00FF));
    return glyph;
}

}  // namespace

TControlsForm::TControlsForm(TComponent* owner)
    : TShowcaseForm(owner, "Controls",
                    "Every control kind the control skins draw, in its states. Hover, press, toggle and "
                    "scroll: the skin follows.") {
    SetName("ControlsForm");
    SetBorderStyle(bsSizeable);
    SetBorderIcons(biSystemMenu | biMinimize | biMaximize);
    SetClientSize(700, 470);
    Description->SetBounds(12, 34, 676, 16);

    ToolBar = Place<TToolBar>(this, this, "ToolBar", 0, 0, 700, 26);
    for (const char* caption : {"New", "Open", "Save"}) {
        auto* button = new TToolButton(ToolBar);
        button->SetCaption(caption);
    }
    ToolBar->SetShowCaptions(true);

    // Buttons.
    auto* buttons = Place<TGroupBox>(this, this, "ButtonsGroup", 12, 56, 330, 150, "Buttons");
    PlainButton = Place<TButton>(buttons, this, "PlainButton", 10, 20, 90, 25, "Normal");
    PlainButton->OnClick = [this](TObject*) { ++Clicks; };
    DefaultButton = Place<TButton>(buttons, this, "DefaultButton", 110, 20, 90, 25, "Default");
    DefaultButton->SetDefault(true);
    auto* disabled = Place<TButton>(buttons, this, "DisabledButton", 210, 20, 90, 25, "Disabled");
    disabled->SetEnabled(false);
    Place<TButton>(buttons, this, "TwoLineButton", 10, 52, 90, 36, "Two||lines");
    auto* glyphButton = Place<TBitBtn>(buttons, this, "GlyphButton", 110, 52, 90, 36, "Glyph");
    glyphButton->SetGlyph(MakeGlyph(TColor(0x00A000), 2).get());
    glyphButton->SetNumGlyphs(2);
    auto* topGlyph = Place<TBitBtn>(buttons, this, "TopGlyphButton", 210, 52, 90, 36, "Top");
    topGlyph->SetGlyph(MakeGlyph(TColor(0x0000C0), 1).get());
    topGlyph->SetLayout(blGlyphTop);
    topGlyph->SetEnabled(false);
    SpeedButton = Place<TSpeedButton>(buttons, this, "SpeedButton", 10, 100, 70, 30, "Speed");
    auto* flat = Place<TSpeedButton>(buttons, this, "FlatSpeedButton", 88, 100, 70, 30, "Flat");
    flat->SetFlat(true);
    auto* down = Place<TSpeedButton>(buttons, this, "DownSpeedButton", 166, 100, 70, 30, "Down");
    down->SetGroupIndex(1);
    down->SetDown(true);
    auto* glyphSpeed = Place<TSpeedButton>(buttons, this, "GlyphSpeedButton", 244, 100, 76, 30, "Off");
    glyphSpeed->SetGlyph(MakeGlyph(TColor(0xC08000), 2).get());
    glyphSpeed->SetNumGlyphs(2);
    glyphSpeed->SetEnabled(false);

    // Check boxes and radio buttons.
    auto* checks = Place<TGroupBox>(this, this, "ChecksGroup", 354, 56, 334, 150, "Check boxes and radio buttons");
    PlainCheckBox = Place<TCheckBox>(checks, this, "PlainCheckBox", 10, 20, 140, 20, "Unchecked");
    auto* checked = Place<TCheckBox>(checks, this, "CheckedCheckBox", 10, 42, 140, 20, "Checked");
    checked->SetChecked(true);
    auto* grayed = Place<TCheckBox>(checks, this, "GrayedCheckBox", 10, 64, 140, 20, "Grayed");
    grayed->SetAllowGrayed(true);
    grayed->SetState(cbGrayed);
    auto* disabledCheck = Place<TCheckBox>(checks, this, "DisabledCheckBox", 10, 86, 140, 20, "Disabled, checked");
    disabledCheck->SetChecked(true);
    disabledCheck->SetEnabled(false);
    auto* leftText = Place<TCheckBox>(checks, this, "LeftTextCheckBox", 10, 108, 140, 20, "Text on the left");
    leftText->SetAlignment(taLeftJustify);
    auto* radios = Place<TPanel>(checks, this, "RadioPanel", 170, 16, 156, 120);
    radios->SetBevelOuter(bvNone);
    FirstRadio = Place<TRadioButton>(radios, this, "FirstRadio", 4, 4, 140, 20, "First choice");
    FirstRadio->SetChecked(true);
    SecondRadio = Place<TRadioButton>(radios, this, "SecondRadio", 4, 26, 140, 20, "Second choice");
    auto* disabledRadio = Place<TRadioButton>(radios, this, "DisabledRadio", 4, 48, 140, 20, "Disabled");
    disabledRadio->SetEnabled(false);
    auto* leftRadio = Place<TRadioButton>(radios, this, "LeftTextRadio", 4, 70, 140, 20, "Text on the left");
    leftRadio->SetAlignment(taLeftJustify);

    // Containers.
    auto* group = Place<TRadioGroup>(this, this, "RadioGroup", 12, 214, 160, 96, "Radio group");
    for (const char* item : {"Small", "Medium", "Large"}) group->Items()->Add(item);
    group->SetItemIndex(1);
    Place<TPanel>(this, this, "RaisedPanel", 184, 218, 150, 40, "Raised panel");
    auto* lowered = Place<TPanel>(this, this, "LoweredPanel", 184, 266, 150, 40, "Lowered panel");
    lowered->SetBevelOuter(bvLowered);

    // Scrolling.
    HorizontalBar = Place<TScrollBar>(this, this, "HorizontalBar", 354, 218, 200, 17);
    HorizontalBar->SetParams(30, 0, 100);
    HorizontalBar->SetPageSize(10);
    auto* vertical = Place<TScrollBar>(this, this, "VerticalBar", 566, 218, 17, 170);
    vertical->SetKind(sbVertical);
    vertical->SetBounds(566, 218, 17, 170);
    vertical->SetParams(10, 0, 50);
    List = Place<TListBox>(this, this, "List", 354, 244, 200, 144);
    for (int i = 1; i <= 40; ++i) List->Items()->Add("List item " + std::to_string(i));
    LongMemo = Place<TMemo>(this, this, "LongMemo", 12, 318, 322, 100);
    LongMemo->SetScrollBars(ssBoth);
    LongMemo->SetWordWrap(false);
    std::string text;
    for (int i = 1; i <= 200; ++i) text += "Line " + std::to_string(i) + " of a long memo that scrolls both ways\r\n";
    LongMemo->SetText(text);
    auto* plainEdit = Place<TMemo>(this, this, "FlatMemo", 596, 218, 92, 170);
    plainEdit->SetBorderStyle(bsNone);
    plainEdit->SetText("A memo without a border");

    StatusBar = Place<TStatusBar>(this, this, "StatusBar", 0, 448, 700, 22);
    for (const auto& [text, width] : {std::pair{"Ready", 120}, std::pair{"\tCentred", 160}, std::pair{"Last", 100}}) {
        TStatusPanel* panel = StatusBar->Panels()->Add();
        panel->SetText(text);
        panel->SetWidth(width);
    }
    StatusBar->Panels()->Items(2)->SetBevel(pbRaised);
}
