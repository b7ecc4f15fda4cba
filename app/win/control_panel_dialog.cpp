#include "app/win/control_panel_dialog.h"

#include "app/catalogue.h"
#include "app/tweaks.h"
#include "app/win/caption_overlay.h"
#include "app/win/form_parts.h"
#include "app/win/tweak_report.h"
#include "app/win/win_registry.h"

TForm10* Form10 = nullptr;

TForm10::TForm10(TComponent* owner) : TForm(owner) {
    SetName("Form10");
    SetUpDialog(*this, "NoControl Panell...", 335, 121);
    OnPaint = Bind(this, &TForm10::FormPaint);
    Label1 = MakeLabel(this, this, "Label1", 8, 16, "Budite pazljivi sa ovom opcijom !");
    Label2 = MakeLabel(this, this, "Label2", 8, 32, "Ova opcija zabranjuje koriscenje kontrolne table!");
    SpeedButton1 =
        MakeSpeedButton(this, this, "SpeedButton1", 8, 64, 145, 41, "Potvrdi", Bind(this, &TForm10::SpeedButton1Click));
    SpeedButton2 = MakeSpeedButton(this, this, "SpeedButton2", 176, 64, 145, 41, "Otkazi",
                                   Bind(this, &TForm10::SpeedButton2Click));
}

void TForm10::SpeedButton1Click(TObject*) {
    if (ReportApplied(SetNoControlPanel(AppRegistry(), 1), tweak_text::kControlPanelDisabled)) Close();
}

void TForm10::SpeedButton2Click(TObject*) { Close(); }

void TForm10::FormPaint(TObject*) { CaptionOverlay(*this); }
