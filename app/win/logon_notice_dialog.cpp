#include "app/win/logon_notice_dialog.h"

#include "app/catalogue.h"
#include "app/tweak_messages.h"
#include "app/tweaks.h"
#include "app/win/caption_overlay.h"
#include "app/win/form_parts.h"
#include "app/win/tweak_report.h"
#include "app/win/win_registry.h"

TForm8* Form8 = nullptr;

namespace {
constexpr int kLogonNoticeNode = 13;
}  // namespace

TForm8::TForm8(TComponent* owner) : TForm(owner) {
    SetName("Form8");
    SetUpDialog(*this, "LogOn obavestenje...", 306, 210);
    OnPaint = Bind(this, &TForm8::FormPaint);
    Label1 = MakeLabel(this, this, "Label1", 16, 16, "Naslov obavestenja:");
    Edit1 = MakeEdit(this, this, "Edit1", 16, 32, 273, 21, "");
    Label2 = MakeLabel(this, this, "Label2", 16, 64, "Tekst koji zelite da se prikaze:");
    Memo1 = MakeMemo(this, this, "Memo1", 16, 80, 273, 65);
    Edit1->SetTabOrder(0);
    Memo1->SetTabOrder(1);
    SpeedButton1 = MakeSpeedButton(this, this, "SpeedButton1", 16, 160, 129, 33, "Potvrdi",
                                   Bind(this, &TForm8::SpeedButton1Click));
    SpeedButton2 = MakeSpeedButton(this, this, "SpeedButton2", 160, 160, 129, 33, "Otkazi",
                                   Bind(this, &TForm8::SpeedButton2Click));
}

void TForm8::SpeedButton1Click(TObject*) {
    // The notice lives under HKLM: when it cannot be written, say so before writing anything.
    if (const auto note = WriteAccessNote(CheckWriteAccess(AppRegistry(), kLogonNoticeNode))) {
        ShowMessage(*note);
        return;
    }
    // Every memo line followed by CR LF, as the notice is stored.
    if (ReportApplied(ApplyLogonNotice(AppRegistry(), Memo1->Lines()->Text(), Edit1->Text()),
                      tweak_text::kLogonNoticeSet))
        Close();
}

void TForm8::SpeedButton2Click(TObject*) { Close(); }

void TForm8::FormPaint(TObject*) { CaptionOverlay(*this); }
