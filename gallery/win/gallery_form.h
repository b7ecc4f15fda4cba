#pragma once
// The gallery's main window: the main skin data component and one button per window shown.

#include <vector>

#include "framework/win/framework.h"

class TGallerySkinMenu;
class TShowcaseForm;
namespace skin::win {
class TSkinData;
}

class TGalleryForm : public TForm {
    T_CLASS(TGalleryForm, TForm)
public:
    explicit TGalleryForm(TComponent* owner);

    // Adds a button that shows `form` (created elsewhere, hidden until then).
    void AddShowcase(TShowcaseForm* form);
    // Buttons for the system's own dialog boxes, after the showcase buttons.
    void AddSystemDialogButtons();

    skin::win::TSkinData* SkinData = nullptr;
    TGallerySkinMenu* SkinMenu = nullptr;
    TButton* MessageBoxButton = nullptr;
    TButton* ColourDialogButton = nullptr;
    TButton* ControlsDialogButton = nullptr;

private:
    TButton* AddButton(const std::string& caption, TNotifyEvent onClick);
    void MessageBoxButtonClick(TObject* sender);
    void ColourDialogButtonClick(TObject* sender);
    void ControlsDialogButtonClick(TObject* sender);

    std::vector<TButton*> buttons_;
    COLORREF colour_ = RGB(47, 111, 219);
};

extern TGalleryForm* GalleryForm;
