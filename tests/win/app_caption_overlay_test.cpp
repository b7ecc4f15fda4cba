// The shared paint handler: the caption drawn in bold over the window's title
// bar, and never onto another window that covers it.
#include <gtest/gtest.h>

#include "app/win/caption_overlay.h"
#include "framework/win/framework.h"
#include "win/support/message_pump.h"

namespace {

constexpr COLORREF kCoverGreen = RGB(0, 255, 0);

// Counts pixels of `color` in a rectangle of a DC.
int CountPixels(HDC dc, const RECT& r, COLORREF color) {
    int count = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            if (GetPixel(dc, x, y) == color) ++count;
    return count;
}

// Where the overlay text lands, in window coordinates.
RECT OverlayRect(TCustomForm& form) {
    TFont font;
    font.SetStyle(fsBold);
    font.SetSize(10);
    HDC dc = GetWindowDC(form.Handle());
    const HGDIOBJ old = SelectObject(dc, font.Handle());
    const std::wstring text = WidenText(form.Caption());
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(form.Handle(), dc);
    return RECT{kCaptionOverlayX, kCaptionOverlayY, kCaptionOverlayX + size.cx, kCaptionOverlayY + size.cy};
}

class CoverWindow {
public:
    explicit CoverWindow(const RECT& screenRect) {
        WNDCLASSW wc{};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"AppOverlayCover";
        wc.hbrBackground = brush_;
        RegisterClassW(&wc);
        window_ = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, L"AppOverlayCover", L"", WS_POPUP | WS_VISIBLE,
                                  screenRect.left, screenRect.top, screenRect.right - screenRect.left,
                                  screenRect.bottom - screenRect.top, nullptr, nullptr, wc.hInstance, nullptr);
        UpdateWindow(window_);
    }
    ~CoverWindow() {
        DestroyWindow(window_);
        UnregisterClassW(L"AppOverlayCover", GetModuleHandleW(nullptr));
        DeleteObject(brush_);
    }
    CoverWindow(const CoverWindow&) = delete;
    CoverWindow& operator=(const CoverWindow&) = delete;
    HWND get() const { return window_; }

private:
    HBRUSH brush_ = CreateSolidBrush(kCoverGreen);
    HWND window_ = nullptr;
};

class AppCaptionOverlay : public ::testing::Test {
protected:
    void SetUp() override {
        Application->Initialize();
        form = new TForm(Application);
        form->SetCaption("Ordovan - Brankel - Free Edition");
        form->SetBounds(100, 100, 400, 200);
        form->Show();
        testing_support::PumpMessagesUntil([this] { return IsWindowVisible(form->Handle()) != FALSE; });
        testing_support::PumpMessagesFor(100);
    }
    void TearDown() override { delete form; }
    TForm* form = nullptr;
};

TEST_F(AppCaptionOverlay, DrawsTheCaptionInTheTitleBarOfItsOwnWindow) {
    const RECT r = OverlayRect(*form);
    ASSERT_GT(r.right - r.left, 100);
    // Paint the title bar a known color first, so the text is easy to see.
    HDC dc = GetWindowDC(form->Handle());
    HBRUSH green = CreateSolidBrush(kCoverGreen);
    FillRect(dc, &r, green);
    DeleteObject(green);
    const int before = CountPixels(dc, r, kCoverGreen);
    CaptionOverlay(*form);
    const int after = CountPixels(dc, r, kCoverGreen);
    const COLORREF text = GetSysColor(COLOR_WINDOWTEXT);
    const int textPixels = CountPixels(dc, r, text);
    ReleaseDC(form->Handle(), dc);
    EXPECT_EQ(before, (r.right - r.left) * (r.bottom - r.top));
    EXPECT_LT(after, before);
    EXPECT_GT(textPixels, 50);  // bold glyphs of a 32-character caption
    EXPECT_EQ(textPixels + after, before) << "the text is drawn without background";
}

TEST_F(AppCaptionOverlay, LeavesAWindowThatCoversTheTitleBarUntouched) {
    RECT window{};
    GetWindowRect(form->Handle(), &window);
    const RECT overlay = OverlayRect(*form);
    const RECT cover{window.left, window.top, window.left + overlay.right + 20, window.top + overlay.bottom + 10};
    CoverWindow coverWindow(cover);
    testing_support::PumpMessagesFor(100);
    HDC screen = GetDC(nullptr);
    const int area = (cover.right - cover.left) * (cover.bottom - cover.top);
    ASSERT_EQ(CountPixels(screen, cover, kCoverGreen), area) << "the cover is on screen";
    CaptionOverlay(*form);
    GdiFlush();
    EXPECT_EQ(CountPixels(screen, cover, kCoverGreen), area);
    ReleaseDC(nullptr, screen);
}

}  // namespace
