#include "app/win/system_info_dialog.h"

#include "app/tweaks.h"
#include "app/win/caption_overlay.h"
#include "app/win/form_parts.h"
#include "app/win/win_registry.h"

TForm13* Form13 = nullptr;

TForm13::TForm13(TComponent* owner) : TForm(owner) {
    SetName("Form13");
    SetUpDialog(*this, "Informacije o hardveru...", 398, 202);
    OnPaint = Bind(this, &TForm13::FormPaint);
    OnCreate = Bind(this, &TForm13::FormCreate);
    GroupBox1 =
        MakeGroupBox(this, this, "GroupBox1", 16, 16, 369, 129, "  Osnovne informacije o hardveru koji posedujete  ");
    GroupBox2 = MakeGroupBox(this, GroupBox1, "GroupBox2", 16, 32, 161, 89, "  Hardver  ");
    Label1 = MakeLabel(this, GroupBox2, "Label1", 16, 16, "Procesor:");
    Label2 = MakeLabel(this, GroupBox2, "Label2", 16, 32, "Naziv procesora...");
    Label3 = MakeLabel(this, GroupBox2, "Label3", 16, 52, "Tip procesora:");
    Label4 = MakeLabel(this, GroupBox2, "Label4", 16, 68, "Tip procesora...");
    GroupBox3 = MakeGroupBox(this, GroupBox1, "GroupBox3", 192, 32, 161, 89, "  Sistem  ");
    Label5 = MakeLabel(this, GroupBox3, "Label5", 16, 16, "Vlasnik OS-a:");
    Label7 = MakeLabel(this, GroupBox3, "Label7", 16, 32, "Info o vlasniku...");
    Label6 = MakeLabel(this, GroupBox3, "Label6", 16, 53, "Kompanija:");
    Label8 = MakeLabel(this, GroupBox3, "Label8", 16, 69, "Info o kompaniji...");
    SpeedButton1 =
        MakeSpeedButton(this, this, "SpeedButton1", 16, 152, 369, 41, "Nazad", Bind(this, &TForm13::SpeedButton1Click));
}

void TForm13::FormCreate(TObject*) {
    ReadSystemInformation(AppRegistry(), [this](InfoLabel label, const std::string& text) {
        switch (label) {
            case InfoLabel::ProcessorName: Label2->SetCaption(text); break;
            case InfoLabel::ProcessorVendor: Label4->SetCaption(text); break;
            case InfoLabel::Owner: Label7->SetCaption(text); break;
            case InfoLabel::Organization: Label8->SetCaption(text); break;
        }
    });
}

void TForm13::SpeedButton1Click(TObject*) { Close(); }

void TForm13::FormPaint(TObject*) { CaptionOverlay(*this); }
