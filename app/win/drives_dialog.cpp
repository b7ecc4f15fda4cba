#include "app/win/drives_dialog.h"

#include "app/catalogue.h"
#include "app/tweaks.h"
#include "app/win/caption_overlay.h"
#include "app/win/form_parts.h"
#include "app/win/tweak_report.h"
#include "app/win/win_registry.h"

TForm4* Form4 = nullptr;

TForm4::TForm4(TComponent* owner) : TForm(owner) {
    SetName("Form4");
    SetUpDialog(*this, "Drive restrikcija...", 316, 93);
    OnPaint = Bind(this, &TForm4::FormPaint);
    Label1 = MakeLabel(this, this, "Label1", 8, 16, "Ovim ce te sakriti sve medijume koji se nalaze na vasem kompu!");
    SpeedButton1 =
        MakeSpeedButton(this, this, "SpeedButton1", 8, 48, 137, 33, "Potvrdi", Bind(this, &TForm4::SpeedButton1Click));
    SpeedButton2 =
        MakeSpeedButton(this, this, "SpeedButton2", 168, 48, 137, 33, "Otkazi", Bind(this, &TForm4::SpeedButton2Click));
}

void TForm4::SpeedButton1Click(TObject*) {
    if (ReportApplied(SetNoDrives(AppRegistry(), 1), tweak_text::kDrivesHidden)) Close();
}

void TForm4::SpeedButton2Click(TObject*) { Close(); }

void TForm4::FormPaint(TObject*) { CaptionOverlay(*this); }
