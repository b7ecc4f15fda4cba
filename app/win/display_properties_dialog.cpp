#include "app/win/display_properties_dialog.h"

#include "app/catalogue.h"
#include "app/tweaks.h"
#include "app/win/caption_overlay.h"
#include "app/win/form_parts.h"
#include "app/win/tweak_report.h"
#include "app/win/win_registry.h"

TForm3* Form3 = nullptr;

TForm3::TForm3(TComponent* owner) : TForm(owner) {
    SetName("Form3");
    SetUpDialog(*this, "NoDisplay properties...", 332, 114);
    OnPaint = Bind(this, &TForm3::FormPaint);
    Label1 = MakeLabel(this, this, "Label1", 16, 16, "Pomocu ove opcije sprecicete druge da menjaju Background");
    Label2 = MakeLabel(this, this, "Label2", 16, 32, "i Display Properties uopste vaseg racunara...");
    SpeedButton1 =
        MakeSpeedButton(this, this, "SpeedButton1", 8, 64, 145, 41, "Primeni", Bind(this, &TForm3::SpeedButton1Click));
    SpeedButton2 =
        MakeSpeedButton(this, this, "SpeedButton2", 176, 64, 145, 41, "Otkazi", Bind(this, &TForm3::SpeedButton2Click));
}

void TForm3::SpeedButton1Click(TObject*) {
    if (ReportApplied(SetNoDispCPL(AppRegistry(), 1), tweak_text::kDisplayRestricted)) Close();
}

void TForm3::SpeedButton2Click(TObject*) { Close(); }

void TForm3::FormPaint(TObject*) { CaptionOverlay(*this); }
