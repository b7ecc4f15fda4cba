#include "app/win/control_panel_menu_dialog.h"

#include "app/catalogue.h"
#include "app/tweaks.h"
#include "app/win/caption_overlay.h"
#include "app/win/form_parts.h"
#include "app/win/tweak_report.h"
#include "app/win/win_registry.h"

TForm11* Form11 = nullptr;

TForm11::TForm11(TComponent* owner) : TForm(owner) {
    SetName("Form11");
    SetUpDialog(*this, "Sakri iz menija...", 300, 109);
    OnPaint = Bind(this, &TForm11::FormPaint);
    Label1 = MakeLabel(this, this, "Label1", 16, 24, "Ovom opcijom sakricete ikonu kontrolne table...");
    SpeedButton1 =
        MakeSpeedButton(this, this, "SpeedButton1", 8, 64, 129, 41, "Potvrdi", Bind(this, &TForm11::SpeedButton1Click));
    SpeedButton2 = MakeSpeedButton(this, this, "SpeedButton2", 160, 64, 129, 41, "Otkazi",
                                   Bind(this, &TForm11::SpeedButton2Click));
}

void TForm11::SpeedButton1Click(TObject*) {
    if (ReportApplied(SetNoControlPanel(AppRegistry(), 1), tweak_text::kControlPanelHidden)) Close();
}

void TForm11::SpeedButton2Click(TObject*) { Close(); }

void TForm11::FormPaint(TObject*) { CaptionOverlay(*this); }
