#include "gallery/win/gallery_windows.h"

#include "framework/win/application.h"
#include "gallery/win/controls_showcase.h"
#include "gallery/win/gallery_form.h"
#include "gallery/win/mdi_showcase.h"
#include "gallery/win/menus_showcase.h"
#include "gallery/win/ranges_showcase.h"
#include "gallery/win/showcase_forms.h"

namespace {

template <class F>
TShowcaseForm* CreateShowcase() {
    F* form = nullptr;
    Application->CreateForm(form);
    GalleryForm->AddShowcase(form);
    return form;
}

}  // namespace

std::vector<TShowcaseForm*> CreateGalleryWindows() {
    Application->CreateForm(GalleryForm);
    std::vector<TShowcaseForm*> showcases{
        CreateShowcase<TSizableForm>(),      CreateShowcase<TBorderlessForm>(),  CreateShowcase<TRightToLeftForm>(),
        CreateShowcase<TToolWindowForm>(),   CreateShowcase<TPinnableForm>(),    CreateShowcase<TUnskinnedForm>(),
        CreateShowcase<TPrintPreviewForm>(), CreateShowcase<TOwnSkinForm>(),     CreateShowcase<TControlsForm>(),
        CreateShowcase<TRangesForm>(),       CreateShowcase<TMdiShowcaseForm>(), CreateShowcase<TMenusForm>(),
    };
    GalleryForm->AddSystemDialogButtons();
    return showcases;
}
