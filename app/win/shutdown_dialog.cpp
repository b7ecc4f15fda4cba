#include "app/win/shutdown_dialog.h"

#include "app/catalogue.h"
#include "app/tweaks.h"
#include "app/win/caption_overlay.h"
#include "app/win/form_parts.h"
#include "app/win/tweak_report.h"
#include "app/win/win_registry.h"

TForm7* Form7 = nullptr;

TForm7::TForm7(TComponent* owner) : TForm(owner) {
    SetName("Form7");
    SetUpDialog(*this, "No ShutDown!", 317, 94);
    OnPaint = Bind(this, &TForm7::FormPaint);
    Label1 =
        MakeLabel(this, this, "Label1", 8, 16, "Ovim ce te zabraniti opciju za gasenje racunara iz Start menija !");
    SpeedButton1 =
        MakeSpeedButton(this, this, "SpeedButton1", 8, 48, 137, 33, "Potvrdi", Bind(this, &TForm7::SpeedButton1Click));
    SpeedButton2 = MakeSpeedButton(this, this, "SpeedButton2", 168, 48, 137, 33, "Odustani",
                                   Bind(this, &TForm7::SpeedButton2Click));
}

void TForm7::SpeedButton1Click(TObject*) {
    if (ReportApplied(ApplyHideShutdown(AppRegistry()), tweak_text::kShutdownDisabled)) Close();
}

void TForm7::SpeedButton2Click(TObject*) { Close(); }

void TForm7::FormPaint(TObject*) { CaptionOverlay(*this); }
