#include "app/win/desktop_icons_dialog.h"

#include "app/catalogue.h"
#include "app/tweaks.h"
#include "app/win/caption_overlay.h"
#include "app/win/form_parts.h"
#include "app/win/tweak_report.h"
#include "app/win/win_registry.h"

TForm6* Form6 = nullptr;

TForm6::TForm6(TComponent* owner) : TForm(owner) {
    SetName("Form6");
    SetUpDialog(*this, "Skrivanje radne povrsine", 287, 92);
    OnPaint = Bind(this, &TForm6::FormPaint);
    Label1 = MakeLabel(this, this, "Label1", 8, 16, "Ovim cete sakriti sve ikone sa radne povrsine...");
    SpeedButton1 =
        MakeSpeedButton(this, this, "SpeedButton1", 8, 48, 121, 33, "Potvrdi", Bind(this, &TForm6::SpeedButton1Click));
    SpeedButton2 = MakeSpeedButton(this, this, "SpeedButton2", 152, 48, 121, 33, "Odustani",
                                   Bind(this, &TForm6::SpeedButton2Click));
}

void TForm6::SpeedButton1Click(TObject*) {
    if (ReportApplied(ApplyHideDesktop(AppRegistry()), tweak_text::kDesktopHidden)) Close();
}

void TForm6::SpeedButton2Click(TObject*) { Close(); }

void TForm6::FormPaint(TObject*) { CaptionOverlay(*this); }
