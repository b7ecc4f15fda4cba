#include "app/win/caption_overlay.h"

#include "framework/win/forms.h"
#include "framework/win/text.h"
#include "base/win/handles.h"
#include "skin/manager/win/skin_manager.h"

void CaptionOverlay(TCustomForm& form) {
    if (!form.HandleAllocated()) return;
    // A skinned caption already shows the window's text, in the skin's place and colours; a
    // second copy in another font on top of it would only garble it.
    if (SendMessageW(form.Handle(), skin::win::SM_ISSKINNED, 0, 0) == 1) return;
    TFont font;  // framework defaults: "MS Sans Serif", window-text color
    font.SetStyle(fsBold);
    font.SetSize(10);
    base::win::WindowDc dc(form.Handle(), base::win::WindowDc::Area::Window);
    if (!dc) return;
    base::win::ScopedSelectObject selectFont(dc.Get(), font.Handle());
    base::win::ScopedSaveDc saved(dc.Get());
    SetBkMode(dc.Get(), TRANSPARENT);
    SetTextColor(dc.Get(), ColorToRGB(font.Color()));
    const std::wstring text = WidenText(form.Caption());
    TextOutW(dc.Get(), kCaptionOverlayX, kCaptionOverlayY, text.c_str(), static_cast<int>(text.size()));
}
