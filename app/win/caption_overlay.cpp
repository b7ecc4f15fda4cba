#include "app/win/caption_overlay.h"

#include "framework/forms.h"
#include "framework/text.h"
#include "skin/data/win/gdi_handles.h"

void CaptionOverlay(TCustomForm& form) {
    if (!form.HandleAllocated()) return;
    TFont font;  // framework defaults: "MS Sans Serif", window-text colour
    font.SetStyle(fsBold);
    font.SetSize(10);
    skin::win::WindowDc dc(form.Handle(), skin::win::WindowDc::Area::Window);
    if (!dc) return;
    skin::win::ScopedSelectObject selectFont(dc.Get(), font.Handle());
    skin::win::ScopedSaveDc saved(dc.Get());
    SetBkMode(dc.Get(), TRANSPARENT);
    SetTextColor(dc.Get(), ColorToRGB(font.Color()));
    const std::wstring text = WidenText(form.Caption());
    TextOutW(dc.Get(), kCaptionOverlayX, kCaptionOverlayY, text.c_str(), static_cast<int>(text.size()));
}
