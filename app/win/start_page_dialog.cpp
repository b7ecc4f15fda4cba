#include "app/win/start_page_dialog.h"

#include "app/catalogue.h"
#include "app/tweaks.h"
#include "app/win/caption_overlay.h"
#include "app/win/form_parts.h"
#include "app/win/tweak_report.h"
#include "app/win/win_registry.h"

TForm2* Form2 = nullptr;

TForm2::TForm2(TComponent* owner) : TForm(owner) {
    SetName("Form2");
    SetUpDialog(*this, "IE start page ...", 311, 125);
    OnPaint = Bind(this, &TForm2::FormPaint);
    Label1 = MakeLabel(this, this, "Label1", 8, 16, "Unesi adresu koja zelis da bude pocetna u Internet Exploreru");
    Edit1 = MakeEdit(this, this, "Edit1", 8, 40, 289, 21, "about:blank");
    SpeedButton1 =
        MakeSpeedButton(this, this, "SpeedButton1", 8, 80, 137, 33, "Potvrdi", Bind(this, &TForm2::SpeedButton1Click));
    SpeedButton2 =
        MakeSpeedButton(this, this, "SpeedButton2", 160, 80, 137, 33, "Otkazi", Bind(this, &TForm2::SpeedButton2Click));
}

void TForm2::SpeedButton1Click(TObject*) {
    if (ReportApplied(ApplyStartPage(AppRegistry(), Edit1->Text()), tweak_text::kStartPageChanged)) Close();
}

void TForm2::SpeedButton2Click(TObject*) { Close(); }

void TForm2::FormPaint(TObject*) { CaptionOverlay(*this); }
