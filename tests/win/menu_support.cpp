#include "menu_support.h"

#include <stdexcept>

#include "skin/manager/win/skin_manager.h"
#include "form_skin_fixture.h"
#include "support/bar_keyboard.h"

namespace menu_test {

RunningSkin::RunningSkin(const std::string& name) : data_(form_test::LoadSkin(name)) {
    if (data_->SkinEmpty()) throw std::runtime_error("skin did not load: " + name);
    skin::win::TSkinManage* manager = skin::win::EnsureSkinManager();
    manager->AddSkinData(data_.get());
    manager->InstallHook();
    manager->Enabled = true;
    manager->State = 1;
}

RunningSkin::~RunningSkin() {
    if (skin::win::SkinManager != nullptr) skin::win::SkinManager->RemoveSkinData(data_.get());
    data_.reset();
    skin::win::FreeSkinManager();
}

HWND OpenMenuWindow() {
    HWND window = FindWindowW(L"#32768", nullptr);
    return window != nullptr && IsWindowVisible(window) ? window : nullptr;
}

namespace {

std::function<bool(HWND)>& Step() {
    static std::function<bool(HWND)> step;
    return step;
}

int& Ticks() {
    static int ticks = 0;
    return ticks;
}

// Escape in a drop-down opened from the keyboard goes back to the lit bar, as on the system's
// bar; a second Escape, once the drop-down is gone, leaves the bar too.
void CALLBACK LeaveLitBarTimer(HWND, UINT, UINT_PTR id, DWORD) {
    static int ticks = 0;
    if (OpenMenuWindow() != nullptr && ++ticks < 100) return;
    ticks = 0;
    KillTimer(nullptr, id);
    bar_keyboard::LeaveLitBars();
}

void CALLBACK MenuStepTimer(HWND, UINT, UINT_PTR id, DWORD) {
    HWND menu = OpenMenuWindow();
    if (menu == nullptr) {
        // No menu came: give up rather than tick into the next test.
        if (++Ticks() > 100) {
            KillTimer(nullptr, id);
            Step() = nullptr;
        }
        return;
    }
    UpdateWindow(menu);
    if (Step() && !Step()(menu)) return;
    KillTimer(nullptr, id);
    Step() = nullptr;
    PostMessageW(menu, WM_KEYDOWN, VK_ESCAPE, 0);
    SetTimer(nullptr, 0, 20, LeaveLitBarTimer);
}

}  // namespace

void WhileMenuOpen(std::function<bool(HWND menuWindow)> step, UINT interval) {
    Step() = std::move(step);
    Ticks() = 0;
    SetTimer(nullptr, 0, interval, MenuStepTimer);
}

base::win::DibSection ScreenOf(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    base::win::DibSection pixels(r.right - r.left, r.bottom - r.top);
    base::win::WindowDc screen(nullptr);
    BitBlt(pixels.Dc(), 0, 0, r.right - r.left, r.bottom - r.top, screen.Get(), r.left, r.top, SRCCOPY);
    GdiFlush();
    return pixels;
}

RECT ItemRectInWindow(HWND menuWindow, HMENU menu, UINT position) {
    RECT window{};
    GetWindowRect(menuWindow, &window);
    RECT item{};
    GetMenuItemRect(nullptr, menu, position, &item);
    OffsetRect(&item, -window.left, -window.top);
    return item;
}

std::uint32_t RgbAt(const base::Bitmap& picture, int x, int y) { return form_test::RgbOf(picture.At(x, y)); }

int CountColour(const base::Bitmap& picture, const RECT& r, COLORREF colour) {
    const std::uint32_t want = form_test::RgbOf(base::ColorToPixel(colour));
    int count = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) count += RgbAt(picture, x, y) == want ? 1 : 0;
    return count;
}

}  // namespace menu_test
