#include "app/win/window_title_dialog.h"

#include "app/catalogue.h"
#include "app/tweaks.h"
#include "app/win/caption_overlay.h"
#include "app/win/form_parts.h"
#include "app/win/tweak_report.h"
#include "app/win/win_registry.h"

TForm5* Form5 = nullptr;

TForm5::TForm5(TComponent* owner) : TForm(owner) {
    SetName("Form5");
    SetUpDialog(*this, "Window Title...", 277, 121);
    OnPaint = Bind(this, &TForm5::FormPaint);
    Label1 = MakeLabel(this, this, "Label1", 8, 8, "Unesi sadrzaj koji zelis da se prikaze kao Title u IE-u");
    Edit1 = MakeEdit(this, this, "Edit1", 8, 32, 257, 21, "");
    SpeedButton1 =
        MakeSpeedButton(this, this, "SpeedButton1", 8, 72, 121, 33, "Potvrdi", Bind(this, &TForm5::SpeedButton1Click));
    SpeedButton2 =
        MakeSpeedButton(this, this, "SpeedButton2", 144, 72, 121, 33, "Otkazi", Bind(this, &TForm5::SpeedButton2Click));
}

void TForm5::SpeedButton1Click(TObject*) {
    if (ReportApplied(ApplyWindowTitle(AppRegistry(), Edit1->Text()), tweak_text::kTitleChanged)) Close();
}

void TForm5::SpeedButton2Click(TObject*) { Close(); }

void TForm5::FormPaint(TObject*) { CaptionOverlay(*this); }
