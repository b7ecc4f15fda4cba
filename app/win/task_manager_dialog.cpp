#include "app/win/task_manager_dialog.h"

#include "app/catalogue.h"
#include "app/tweaks.h"
#include "app/win/caption_overlay.h"
#include "app/win/form_parts.h"
#include "app/win/tweak_report.h"
#include "app/win/win_registry.h"

TForm9* Form9 = nullptr;

TForm9::TForm9(TComponent* owner) : TForm(owner) {
    SetName("Form9");
    SetUpDialog(*this, "Iskljuci TaskManager!", 290, 160);
    OnPaint = Bind(this, &TForm9::FormPaint);
    GroupBox1 = MakeGroupBox(this, this, "GroupBox1", 8, 8, 273, 73, "  Upozorenje!!!  ");
    Label2 = MakeLabel(this, GroupBox1, "Label2", 8, 20, "Budite pazljivi prilikom koriscenja ove opcije jer ce vam");
    Label3 = MakeLabel(this, GroupBox1, "Label3", 8, 36, "onemoguiti TaskManager!!!");
    Label4 = MakeLabel(this, this, "Label4", 8, 88, "Da li ste sigurni da zelite da uporebite ovu opciju?");
    SpeedButton1 =
        MakeSpeedButton(this, this, "SpeedButton1", 8, 112, 129, 33, "Potvrdi", Bind(this, &TForm9::SpeedButton1Click));
    SpeedButton2 = MakeSpeedButton(this, this, "SpeedButton2", 152, 112, 129, 33, "Otkazi",
                                   Bind(this, &TForm9::SpeedButton2Click));
}

void TForm9::SpeedButton1Click(TObject*) {
    if (ReportApplied(SetTaskManagerPolicy(AppRegistry(), 0), tweak_text::kTaskManagerDisabled)) Close();
}

void TForm9::SpeedButton2Click(TObject*) { Close(); }

void TForm9::FormPaint(TObject*) { CaptionOverlay(*this); }
