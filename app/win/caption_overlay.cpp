#include "app/win/caption_overlay.h"

#include "framework/win/forms.h"
#include "framework/win/text.h"
#include "base/win/handles.h"

void CaptionOverlay(TCustomForm& form) {
    if (!form.HandleAllocated()) return;
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
