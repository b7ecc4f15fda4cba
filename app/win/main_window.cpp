#include "app/win/main_window.h"

#include "app/setting_state.h"
#include "app/tweak_messages.h"
#include "app/tweaks.h"
#include "app/win/control_panel_dialog.h"
#include "app/win/control_panel_menu_dialog.h"
#include "app/win/system_info_dialog.h"
#include "app/win/start_page_dialog.h"
#include "app/win/display_properties_dialog.h"
#include "app/win/drives_dialog.h"
#include "app/win/window_title_dialog.h"
#include "app/win/desktop_icons_dialog.h"
#include "app/win/shutdown_dialog.h"
#include "app/win/logon_notice_dialog.h"
#include "app/win/task_manager_dialog.h"
#include "app/win/button_glyphs.h"
#include "app/win/caption_overlay.h"
#include "app/win/form_parts.h"
#include "app/win/main_skin_data.h"
#include "app/win/win_power.h"
#include "app/win/win_registry.h"

TForm1* Form1 = nullptr;

namespace {

TSpeedButton* MakeMainButton(TForm1* form, const char* name, int left, int top, const std::string& caption,
                             ButtonGlyph glyph, TNotifyEvent onClick) {
    auto* button = new TSpeedButton(form);
    button->SetName(name);
    button->SetParent(form);
    button->SetBounds(left, top, 145, 57);
    button->SetCaption(caption);
    const auto bitmap = MakeButtonGlyph(glyph);
    button->SetGlyph(bitmap.get());
    button->OnClick = std::move(onClick);
    return button;
}

TMenuItem* MakeMenuItem(TComponent* owner, TMenuItem* parent, const char* name, const std::string& caption) {
    auto* item = new TMenuItem(owner);
    item->SetName(name);
    item->SetCaption(caption);
    parent->Add(item);
    return item;
}

}  // namespace

TForm1::TForm1(TComponent* owner) : TForm(owner) {
    SetName("Form1");
    SetUpMainWindow(*this, "Ordovan - Brankel - Free Edition", 484, 295);
    OnPaint = Bind(this, &TForm1::FormPaint);

    TreeView1 = new TTreeView(this);
    TreeView1->SetName("TreeView1");
    TreeView1->SetParent(this);
    TreeView1->SetBounds(8, 16, 161, 265);
    TreeView1->SetReadOnly(true);
    TreeView1->SetAutoExpand(true);
    TreeView1->SetIndent(19);
    TreeView1->SetCursor(crHandPoint);
    TreeView1->SetShowHint(false);
    TTreeNode* category = nullptr;
    for (const CatalogueNode& node : Catalogue()) {
        if (node.level == 0)
            category = TreeView1->Items()->AddChild(nullptr, node.title);
        else
            TreeView1->Items()->AddChild(category, node.title);
    }
    TreeView1->OnClick = Bind(this, &TForm1::TreeView1Click);

    GroupBox1 = MakeGroupBox(this, this, "GroupBox1", 177, 12, 296, 133, "  Internet Explorer podesavanja   ");
    Memo1 = MakeMemo(this, GroupBox1, "Memo1", 8, 24, 281, 97);
    Memo1->SetReadOnly(true);
    Memo1->SetColor(clBtnFace);
    Memo1->Lines()->Add("Ovde mozete da nadjete podesavanja vezana za Internet ");
    Memo1->Lines()->Add("Explorer i prilagodite isti svojim potrebama");
    TreeView1->SetTabOrder(0);
    GroupBox1->SetTabOrder(1);

    SpeedButton1 = MakeMainButton(this, "SpeedButton1", 176, 160, "Tweak", ButtonGlyph::Tweak,
                                  Bind(this, &TForm1::SpeedButton1Click));
    SpeedButton1->SetLayout(blGlyphTop);
    SpeedButton1->SetCursor(crHandPoint);
    SpeedButton2 = MakeMainButton(this, "SpeedButton2", 328, 160, "Vrati na Default", ButtonGlyph::Restore,
                                  Bind(this, &TForm1::SpeedButton2Click));
    SpeedButton3 = MakeMainButton(this, "SpeedButton3", 176, 224, "Restartuj kompjuter", ButtonGlyph::Restart,
                                  Bind(this, &TForm1::SpeedButton3Click));
    SpeedButton4 = MakeMainButton(this, "SpeedButton4", 328, 224, "Zatvori", ButtonGlyph::Close,
                                  Bind(this, &TForm1::SpeedButton4Click));

    MainMenu1 = new TMainMenu(this);
    MainMenu1->SetName("MainMenu1");
    Akcija1 = MakeMenuItem(this, MainMenu1->Items(), "Akcija1", "Akcija");
    Izlaz1 = MakeMenuItem(this, Akcija1, "Izlaz1", "Izlaz");
    Izlaz1->OnClick = Bind(this, &TForm1::Izlaz1Click);
    Pomoc1 = MakeMenuItem(this, MainMenu1->Items(), "Pomoc1", "Pomoc");
    Informacijeoprogramu1 = MakeMenuItem(this, Pomoc1, "Informacijeoprogramu1", "Informacije o programu");
    Informacijeoprogramu1->OnClick = Bind(this, &TForm1::Informacijeoprogramu1Click);
    N1 = MakeMenuItem(this, Pomoc1, "N1", "-");
    SetMenu(MainMenu1);
    // The menu bar takes room from the window, not from the client area.
    SetClientSize(484, 295);

    SkinData1 = CreateMainSkinData(this);
}

void TForm1::TreeView1Click(TObject*) {
    TTreeNodes* items = TreeView1->Items();
    for (int i = 0; i < items->Count() && i < kCatalogueSize; ++i) {
        if (!items->Item(i)->Selected()) continue;
        ShowNode(i);
        return;
    }
}

void TForm1::ShowNode(int index) {
    const std::optional<CatalogueNode> node = CatalogueAt(index);
    if (!node) return;
    shownNode_ = index;
    GroupBox1->SetCaption(node->groupCaption);
    const std::string note = WriteAccessPanelNote(CheckWriteAccess(AppRegistry(), index));
    Memo1->SetText(DescribeNode(AppRegistry(), index, note));
}

void TForm1::SpeedButton1Click(TObject*) {
    const TTreeNode* selected = TreeView1->Selected();
    if (!selected) return;
    if (TForm* dialog = TweakDialogForm(DialogForNode(selected->AbsoluteIndex()))) {
        dialog->ShowModal();
        if (shownNode_ >= 0) ShowNode(shownNode_);  // the state may have changed
    }
}

void TForm1::SpeedButton2Click(TObject*) {
    RestoreDefaults(AppRegistry(), ShowMessage);
    if (shownNode_ >= 0) ShowNode(shownNode_);
}

void TForm1::SpeedButton3Click(TObject*) {
    ShowMessage(tweak_text::kRestartNotice);
    WinPowerControl power;
    if (const auto failure = RestartMessage(RestartWindows(power, kEwxReboot))) ShowMessage(*failure);
}

void TForm1::SpeedButton4Click(TObject*) { Close(); }

void TForm1::Izlaz1Click(TObject*) { Close(); }

void TForm1::Informacijeoprogramu1Click(TObject*) { ShowMessage(tweak_text::kAbout); }

void TForm1::FormPaint(TObject*) { CaptionOverlay(*this); }

TForm* TweakDialogForm(TweakDialog dialog) {
    switch (dialog) {
        case TweakDialog::None: return nullptr;
        case TweakDialog::Form2: return Form2;
        case TweakDialog::Form3: return Form3;
        case TweakDialog::Form4: return Form4;
        case TweakDialog::Form5: return Form5;
        case TweakDialog::Form6: return Form6;
        case TweakDialog::Form7: return Form7;
        case TweakDialog::Form8: return Form8;
        case TweakDialog::Form9: return Form9;
        case TweakDialog::Form10: return Form10;
        case TweakDialog::Form11: return Form11;
        case TweakDialog::Form13: return Form13;
    }
    return nullptr;
}
