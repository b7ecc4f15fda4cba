#include "gallery/win/showcase_forms.h"

#include "gallery/win/form_layout.h"
#include "gallery/win/gallery_skin_data.h"
#include "gallery/win/menus_showcase.h"
#include "skin/manager/win/skin_manager.h"

namespace {

using gallery::kMargin;

constexpr const char* kPinDescription =
    "The pin caption button is the application's: this window answers SM_SYSBUTTONVISIBLE to show "
    "it and keeps itself on top when it is clicked (SM_SYSBUTTONCLICK). ";

}  // namespace

TShowcaseForm::TShowcaseForm(TComponent* owner, const std::string& caption, const std::string& description)
    : TForm(owner) {
    SetCaption(caption);
    SetPosition(poScreenCenter);
    SetClientSize(360, 150);
    SetColor(clBtnFace);
    Font()->SetName("MS Sans Serif");
    Font()->SetHeight(-11);
    Description = new TLabel(this);
    Description->SetName("Description");
    Description->SetParent(this);
    Description->SetWordWrap(true);
    Description->SetAutoSize(false);
    Description->SetBounds(kMargin, kMargin, 360 - 2 * kMargin, 150 - 2 * kMargin);
    Description->SetCaption(description);
}

TSizableForm::TSizableForm(TComponent* owner)
    : TShowcaseForm(owner, "Sizable window",
                    "A sizable window with minimise and maximise boxes. Drag an edge or a corner: "
                    "the skinned frame follows, its corners stay shaped.") {
    SetName("SizableForm");
    SetBorderStyle(bsSizeable);
    SetBorderIcons(biSystemMenu | biMinimize | biMaximize);
}

TBorderlessForm::TBorderlessForm(TComponent* owner)
    : TShowcaseForm(owner, "Borderless popup",
                    "A popup without border or caption (bsNone): nothing to drag or close it by "
                    "but its own button.") {
    SetName("BorderlessForm");
    SetBorderStyle(bsNone);
    SetBorderIcons(TBorderIcons{});
    auto* closeButton = new TButton(this);
    closeButton->SetName("CloseButton");
    closeButton->SetParent(this);
    closeButton->SetBounds(360 - kMargin - 75, 150 - kMargin - 25, 75, 25);
    closeButton->SetCaption("Close");
    closeButton->SetCancel(true);
    closeButton->OnClick = [this](TObject*) { Close(); };
}

TRightToLeftForm::TRightToLeftForm(TComponent* owner)
    : TShowcaseForm(owner, "Right-to-left window",
                    "Extended styles WS_EX_RIGHT, WS_EX_RTLREADING and WS_EX_LEFTSCROLLBAR: the "
                    "skinned caption reads from the right.") {
    SetName("RightToLeftForm");
    SetBorderStyle(bsSizeable);
    SetBorderIcons(biSystemMenu | biMinimize | biMaximize);
    // Its drop-downs hang from the right end of their buttons and their items are mirrored.
    SetMenu(CreateShowcaseMainMenu(this));
}

void TRightToLeftForm::CreateParams(TCreateParams& params) {
    TShowcaseForm::CreateParams(params);
    params.ExStyle |= WS_EX_RIGHT | WS_EX_RTLREADING | WS_EX_LEFTSCROLLBAR;
}

TToolWindowForm::TToolWindowForm(TComponent* owner)
    : TShowcaseForm(owner, "Tool window", "A tool window (bsToolWindow): small caption, close box only.") {
    SetName("ToolWindowForm");
    SetBorderStyle(bsToolWindow);
}

TPinnableForm::TPinnableForm(TComponent* owner)
    : TShowcaseForm(owner, "Pin", std::string(kPinDescription) + "Not pinned.") {
    SetName("PinnableForm");
    SetBorderStyle(bsSizeable);
    SetBorderIcons(biSystemMenu | biMinimize | biMaximize);
}

void TPinnableForm::WndProc(TMessage& message) {
    switch (message.Msg) {
        case skin::win::SM_SYSBUTTONVISIBLE:
            ++visibilityQuestions_;
            message.Result = 1;
            return;
        case skin::win::SM_SYSBUTTONCLICK:
            if (message.WParam == kPinAction) {
                ++pinClicks_;
                TogglePinned();
            }
            return;
        default: TShowcaseForm::WndProc(message);
    }
}

void TPinnableForm::TogglePinned() {
    pinned_ = !pinned_;
    SetWindowPos(Handle(), pinned_ ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    Description->SetCaption(std::string(kPinDescription) + (pinned_ ? "Pinned: stays on top." : "Not pinned."));
}

TUnskinnedForm::TUnskinnedForm(TComponent* owner)
    : TShowcaseForm(owner, "Tag 99: left to Windows",
                    "This form's Tag is 99, so the skin manager never gives it a form skin: the "
                    "frame is Windows' own.") {
    SetName("UnskinnedForm");
    SetTag(99);
}

TPrintPreviewForm::TPrintPreviewForm(TComponent* owner)
    : TShowcaseForm(owner, "Print preview",
                    "The window class TPrintPreviewForm contains \"preview\": without the xoPreview "
                    "option the skin manager leaves it unskinned.") {
    SetName("PrintPreviewForm");
}

TOwnSkinForm::TOwnSkinForm(TComponent* owner)
    : TShowcaseForm(owner, "A skin of its own",
                    "This form carries a second skin data component of kind sfOnlyThisForm: its "
                    "skin is used for this form only.") {
    SetName("OwnSkinForm");
    SetBorderIcons(biSystemMenu | biMinimize);
    CreateOwnFormSkinData(this);
}
