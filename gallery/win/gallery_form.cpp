#include "gallery/win/gallery_form.h"

#include "gallery/win/form_layout.h"
#include "gallery/win/gallery_skin_data.h"
#include "gallery/win/showcase_forms.h"
#include "gallery/win/skin_menu.h"
#include "gallery/win/system_dialogs.h"

TGalleryForm* GalleryForm = nullptr;

namespace {

using gallery::kMargin;

constexpr int kButtonWidth = 236;
constexpr int kButtonHeight = 25;
constexpr int kButtonGap = 6;
constexpr int kIntroHeight = 30;

}  // namespace

TGalleryForm::TGalleryForm(TComponent* owner) : TForm(owner) {
    SetName("GalleryForm");
    SetCaption("Skin gallery");
    SetBorderStyle(bsSingle);
    SetBorderIcons(biSystemMenu | biMinimize);
    SetPosition(poScreenCenter);
    SetColor(clBtnFace);
    Font()->SetName("MS Sans Serif");
    Font()->SetHeight(-11);
    SetClientSize(2 * kMargin + kButtonWidth, 2 * kMargin + kIntroHeight);
    auto* intro = new TLabel(this);
    intro->SetName("Intro");
    intro->SetParent(this);
    intro->SetWordWrap(true);
    intro->SetAutoSize(false);
    intro->SetBounds(kMargin, kMargin, kButtonWidth, kIntroHeight);
    intro->SetCaption("Windows the utility never shows, each drawn by the skin engine.");
    SkinData = CreateGallerySkinData(this);
    SkinMenu = new TGallerySkinMenu(this, SkinData);
    const std::string watched = GalleryEnvironmentPath(kGalleryWatchVariable);
    if (!watched.empty()) SkinMenu->WatchFolder(watched);
}

TButton* TGalleryForm::AddButton(const std::string& caption, TNotifyEvent onClick) {
    auto* button = new TButton(this);
    button->SetParent(this);
    const int top = kMargin + kIntroHeight + static_cast<int>(buttons_.size()) * (kButtonHeight + kButtonGap);
    button->SetBounds(kMargin, top, kButtonWidth, kButtonHeight);
    button->SetCaption(caption);
    button->SetTabOrder(static_cast<int>(buttons_.size()));
    button->OnClick = std::move(onClick);
    buttons_.push_back(button);
    SetClientSize(2 * kMargin + kButtonWidth, top + kButtonHeight + kMargin);
    return button;
}

void TGalleryForm::AddShowcase(TShowcaseForm* form) {
    AddButton(form->Caption(), [form](TObject*) { form->Show(); });
}

void TGalleryForm::AddSystemDialogButtons() {
    MessageBoxButton = AddButton("Message box", Bind(this, &TGalleryForm::MessageBoxButtonClick));
    ColourDialogButton = AddButton("Colour dialog", Bind(this, &TGalleryForm::ColourDialogButtonClick));
    ControlsDialogButton = AddButton("Dialog box controls", Bind(this, &TGalleryForm::ControlsDialogButtonClick));
}

void TGalleryForm::MessageBoxButtonClick(TObject*) { ShowInformationMessageBox(Handle()); }

void TGalleryForm::ColourDialogButtonClick(TObject*) { ShowColourDialog(Handle(), colour_); }

void TGalleryForm::ControlsDialogButtonClick(TObject*) { ShowControlsDialog(Handle()); }
