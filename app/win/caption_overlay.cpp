#include "app/win/caption_overlay.h"

#include "framework/forms.h"
#include "framework/text.h"

namespace {

// Releases a window DC on every path.
class WindowDc {
public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetWindowDC(window)) {}
    ~WindowDc() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// Undoes a SelectObject when it goes out of scope.
class Selection {
public:
    Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~Selection() { SelectObject(dc_, previous_); }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

}  // namespace

void CaptionOverlay(TCustomForm& form) {
    if (!form.HandleAllocated()) return;
    TFont font;  // framework defaults: "MS Sans Serif", window-text colour
    font.SetStyle(fsBold);
    font.SetSize(10);
    WindowDc dc(form.Handle());
    if (!dc.get()) return;
    Selection selectFont(dc.get(), font.Handle());
    const int oldMode = SetBkMode(dc.get(), TRANSPARENT);
    const COLORREF oldColor = SetTextColor(dc.get(), ColorToRGB(font.Color()));
    const std::wstring text = WidenText(form.Caption());
    TextOutW(dc.get(), kCaptionOverlayX, kCaptionOverlayY, text.c_str(), static_cast<int>(text.size()));
    SetTextColor(dc.get(), oldColor);
    SetBkMode(dc.get(), oldMode);
}
