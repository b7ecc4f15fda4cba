#include "gallery/win/ranges_showcase.h"

#include "gallery/win/form_layout.h"

#include <string>

#include "framework/win/combo_box.h"
#include "framework/win/glyph_buttons.h"
#include "framework/win/list_view.h"
#include "framework/win/range_ctrls.h"
#include "framework/win/std_ctrls.h"
#include "framework/win/tab_ctrls.h"

namespace {

using gallery::Place;

// A combo box that reads from the right, with its button on the left.
class TRightToLeftComboBox : public TComboBox {
    T_CLASS(TRightToLeftComboBox, TComboBox)
public:
    using TComboBox::TComboBox;

protected:
    void CreateParams(TCreateParams& params) override {
        TComboBox::CreateParams(params);
        params.ExStyle |= WS_EX_RIGHT | WS_EX_RTLREADING | WS_EX_LEFTSCROLLBAR;
    }
};

TComboBox* AddCombo(TWinControl* parent, TComponent* owner, const char* name, int top, TComboBoxStyle style,
                    int height = 24) {
    auto* combo = Place<TComboBox>(parent, owner, name, 12, top, 150, height);
    combo->SetStyle(style);
    for (const char* item : {"Graphite", "Meadow", "Slate", "Sand"}) combo->Items()->Add(item);
    combo->SetItemIndex(0);
    return combo;
}

}  // namespace

TRangesForm::TRangesForm(TComponent* owner)
    : TShowcaseForm(owner, "Combo boxes, tabs and ranges",
                    "Combo boxes and edits, tabs on every side, a tab set, progress and track bars, "
                    "up-downs, a list view's header and custom check glyphs.") {
    SetName("RangesForm");
    SetBorderStyle(bsSizeable);
    SetBorderIcons(biSystemMenu | biMinimize | biMaximize);
    SetClientSize(720, 470);
    Description->SetBounds(12, 8, 696, 16);

    // Combo boxes and edits.
    DropDown = AddCombo(this, this, "DropDownCombo", 32, csDropDown);
    AddCombo(this, this, "DropDownListCombo", 62, csDropDownList);
    auto* disabled = AddCombo(this, this, "DisabledCombo", 92, csDropDownList);
    disabled->SetEnabled(false);
    auto* rtl = Place<TRightToLeftComboBox>(this, this, "RightToLeftCombo", 12, 122, 150, 24);
    for (const char* item : {"Desno", "Levo"}) rtl->Items()->Add(item);
    rtl->SetItemIndex(0);
    AddCombo(this, this, "SimpleCombo", 152, csSimple, 90);
    auto* edit = Place<TEdit>(this, this, "PlainEdit", 12, 250, 150, 22);
    edit->SetText("An edit field");
    auto* spin = Place<TSpinEdit>(this, this, "SpinEdit", 12, 280, 80, 22);
    spin->SetMaxValue(100);
    spin->SetValue(42);
    ArrowsBuddy = Place<TEdit>(this, this, "ArrowsBuddy", 100, 280, 40, 22);
    Arrows = Place<TUpDown>(this, this, "Arrows", 140, 280, 17, 22);
    Arrows->SetMax(50);
    Arrows->SetAssociate(ArrowsBuddy);
    Arrows->SetPosition(7);
    auto* horizontalArrows = Place<TUpDown>(this, this, "HorizontalArrows", 12, 310, 20, 40);
    horizontalArrows->SetOrientation(udHorizontal);  // turns the arrows' place too: 40 x 20
    auto* glyphs = Place<TGlyphCheckBox>(this, this, "GlyphCheckBox", 60, 310, 120, 20);
    glyphs->SetCaption("Custom glyphs");
    glyphs->SetChecked(true);
    AddCombo(this, this, "OwnerDrawnCombo", 338, csOwnerDrawFixed);
    auto* extended = Place<TComboBoxEx>(this, this, "ExtendedCombo", 12, 432, 150, 24);
    extended->SetStyle(csExDropDownList);
    for (const char* item : {"Extended", "Items"}) extended->ItemsEx()->AddItem(item, -1);
    extended->SetItemIndex(0);
    // More tabs than fit: the tab control shows its scroll arrows, skinned as well.
    auto* overflow = Place<TTabControl>(this, this, "OverflowTabs", 12, 370, 150, 56);
    for (const char* caption : {"Alpha", "Beta", "Gamma", "Delta", "Epsilon", "Zeta"}) overflow->Tabs()->Add(caption);
    overflow->SetTabIndex(0);

    // Tabs on every side.
    Pages = Place<TPageControl>(this, this, "PageControl", 176, 32, 260, 130);
    for (const char* caption : {"General", "Colours", "Advanced"}) {
        auto* sheet = new TTabSheet(this);
        sheet->SetPageControl(Pages);
        sheet->SetCaption(caption);
        auto* label = Place<TCheckBox>(sheet, this, (std::string("CheckOn") + caption).c_str(), 10, 10, 160, 20);
        label->SetCaption(std::string("Option on ") + caption);
    }
    Pages->SetActivePageIndex(0);
    const struct {
        const char* name;
        TTabPosition position;
        int left, top, width, height;
    } tabs[] = {{"BottomTabs", tpBottom, 448, 32, 260, 70},
                {"LeftTabs", tpLeft, 176, 172, 125, 100},
                {"RightTabs", tpRight, 311, 172, 125, 100}};
    for (const auto& t : tabs) {
        auto* control = Place<TTabControl>(this, this, t.name, t.left, t.top, t.width, t.height);
        control->SetTabPosition(t.position);
        for (const char* caption : {"One", "Two", "Three"}) control->Tabs()->Add(caption);
        control->SetTabIndex(1);
    }
    auto* tabSet = Place<TTabSet>(this, this, "TabSet", 448, 110, 260, 24);
    for (const char* caption : {"Sheet 1", "Sheet 2", "Sheet 3", "Sheet 4", "Sheet 5", "Sheet 6"})
        tabSet->Tabs()->Add(caption);
    tabSet->SetTabIndex(1);

    // Ranges.
    auto* progress = Place<TProgressBar>(this, this, "Progress", 448, 150, 260, 18);
    progress->SetPosition(60);
    auto* vertical = Place<TProgressBar>(this, this, "VerticalProgress", 448, 176, 18, 96);
    vertical->SetOrientation(pbVertical);
    vertical->SetPosition(40);
    Track = Place<TTrackBar>(this, this, "TrackBar", 476, 176, 232, 36);
    Track->SetMax(10);
    Track->SetPosition(3);
    auto* verticalTrack = Place<TTrackBar>(this, this, "VerticalTrackBar", 476, 216, 36, 96);
    verticalTrack->SetOrientation(trVertical);
    verticalTrack->SetMax(10);
    verticalTrack->SetPosition(6);

    // A list view in report view: its header is skinned with it.
    auto* list = Place<TListView>(this, this, "ListView", 176, 284, 532, 170);
    list->SetViewStyle(vsReport);
    list->SetRowSelect(true);
    for (const auto& [caption, width] : {std::pair{"Setting", 180}, std::pair{"Value", 120}, std::pair{"Where", 200}}) {
        TListColumn* column = list->Columns()->Add();
        column->SetCaption(caption);
        column->SetWidth(width);
    }
    for (int i = 1; i <= 30; ++i) {
        TListItem* item = list->Items()->Add();
        item->SetCaption("Setting " + std::to_string(i));
        item->SubItems()->Add(i % 2 == 0 ? "On" : "Off");
        item->SubItems()->Add("HKEY_CURRENT_USER");
    }
}
