// The popup menu skin: frame and background of a menu window.
//
// The system draws a menu window in different ways: some versions paint a 3-pixel non-client
// frame and print the window (WM_PRINT) for their opening animation; others (Wine among them) give
// the window no non-client area, paint frame and items in WM_PAINT and never print it. So the
// skin paints in each of those places, and after the window's own WM_PAINT repaints everything
// that is not an item (frame and the margins), which is where the system painted its own colour.

#include "skin/manager/win/skin_pop_menu.h"

#include <algorithm>
#include <exception>

#include "base/win/handles.h"
#include "skin/data/skin_image.h"
#include "skin/data/win/skin_data.h"
#include "skin/data/win/skin_image_dc.h"
#include "skin/manager/win/skin_manager.h"

namespace skin::win {

namespace {

constexpr wchar_t kPopupSkinProperty[] = L"TweakSkinPopMenu";
constexpr UINT kGetMenuHandle = 0x01E1;  // MN_GETHMENU

bool SameImage(const Bitmap& a, const Bitmap& b) {
    if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
    for (int y = 0; y < a.Height(); ++y)
        if (!std::equal(a.Row(y), a.Row(y) + a.Width(), b.Row(y))) return false;
    return true;
}

}  // namespace

TSkinPopMenu::~TSkinPopMenu() { DetachMenuWindow(); }

void TSkinPopMenu::AttachMenuWindow(HWND window, TSkinData* skinData, HMENU menu) {
    MenuWindow = window;
    SkinData = skinData;
    MenuHandle = menu;
    if (window == nullptr || attached_) return;
    SetPropW(window, kPopupSkinProperty, this);
    OldWndProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TSkinPopMenu::StubWndProc)));
    attached_ = OldWndProc != nullptr;
    if (!attached_) RemovePropW(window, kPopupSkinProperty);
}

void TSkinPopMenu::DetachMenuWindow() {
    if (!attached_) return;
    attached_ = false;
    if (IsWindow(MenuWindow)) {
        SetWindowLongPtrW(MenuWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(OldWndProc));
        RemovePropW(MenuWindow, kPopupSkinProperty);
    }
    BackgroundBitmap = {};
}

LRESULT CALLBACK TSkinPopMenu::StubWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* self = static_cast<TSkinPopMenu*>(GetPropW(hwnd, kPopupSkinProperty));
    if (self == nullptr || !self->attached_) return DefWindowProcW(hwnd, msg, wParam, lParam);
    return self->PopupWndProc(msg, wParam, lParam);
}

LRESULT TSkinPopMenu::Default(UINT msg, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcW(OldWndProc, MenuWindow, msg, wParam, lParam);
}

bool TSkinPopMenu::HasMenuBackground() const {
    if (SkinData == nullptr || SkinData->SkinEmpty()) return false;
    const TDataSkinObject* image = SkinData->Objects().MenuBackground.get();
    return image != nullptr && !image->Map.Empty();
}

bool TSkinPopMenu::PrepareBackground() {
    RECT window{};
    if (!GetWindowRect(MenuWindow, &window)) return false;
    POINT origin{0, 0};
    ClientToScreen(MenuWindow, &origin);
    ClientOrigin = {origin.x - window.left, origin.y - window.top};
    const skin::Rect r{0, 0, window.right - window.left, window.bottom - window.top};
    if (BackgroundBitmap.Width() == r.Width() && BackgroundBitmap.Height() == r.Height()) return true;
    const TDataSkinObject& image = *SkinData->Objects().MenuBackground;
    // Menus open again and again at the same size: the last background built is kept, one a
    // thread (made once, never destroyed, as the thread's other menu state).
    struct LastBackground {
        Bitmap Source;
        Rect Margins;
        int Tile = 0;
        Bitmap Built;
    };
    thread_local auto* kept = new LastBackground;
    LastBackground& last = *kept;
    if (!SameImage(last.Source, image.Map) || last.Margins != image.Margins || last.Tile != image.Tile ||
        last.Built.Width() != r.Width() || last.Built.Height() != r.Height()) {
        last.Built = BuildSkinImage(r, image.Map, image.Margins, false, image.Tile != 0, 1, 1);
        last.Source = image.Map;
        last.Margins = image.Margins;
        last.Tile = image.Tile;
    }
    BackgroundBitmap = last.Built;
    return !BackgroundBitmap.Empty();
}

LRESULT TSkinPopMenu::PopupWndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == SM_ISSKINNED) return 1;
    if (msg == WM_DESTROY) {
        // Let go of the window whether or not skinning is on: nothing may call into it later.
        const WNDPROC previous = OldWndProc;
        const HWND window = MenuWindow;
        DetachMenuWindow();
        return CallWindowProcW(previous, window, msg, wParam, lParam);
    }
    if (SkinManager == nullptr || !SkinManager->Enabled) return Default(msg, wParam, lParam);
    try {
        switch (msg) {
            case WM_NCPAINT:
                if (!HasMenuBackground()) return Default(msg, wParam, lParam);
                // Without a non-client area the frame is painted after WM_PAINT instead.
                if (PrepareBackground() && (ClientOrigin.x != 0 || ClientOrigin.y != 0)) PaintMenuFrame();
                return 0;
            case WM_ERASEBKGND:
                if (!HasMenuBackground()) return Default(msg, wParam, lParam);
                // A menu window that paints its items with their background in WM_PAINT needs
                // none here; one with a non-client frame gets its client background now.
                if (ClientOrigin.x != 0 || ClientOrigin.y != 0 || BackgroundBitmap.Empty())
                    EraseBackground(reinterpret_cast<HDC>(wParam));
                return 1;
            case WM_PAINT: {
                if (!HasMenuBackground()) return Default(msg, wParam, lParam);
                // Ready before the items are drawn: they take their background from it.
                PrepareBackground();
                const LRESULT result = Default(msg, wParam, lParam);
                PaintAroundItems();
                return result;
            }
            case WM_PRINT: return PrintBackground(wParam, lParam);
            default: break;
        }
    } catch (const std::exception&) {
        // Out of memory or GDI objects: the menu keeps the system's own drawing.
    }
    return Default(msg, wParam, lParam);
}

void TSkinPopMenu::SkinReloaded() {
    BackgroundBitmap = {};
    if (!attached_ || MenuWindow == nullptr || !IsWindow(MenuWindow)) return;
    RedrawWindow(MenuWindow, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void TSkinPopMenu::PaintMenuFrame() {
    base::win::WindowDc dc(MenuWindow, base::win::WindowDc::Area::Window);
    if (!dc || !PrepareBackground()) return;
    const int w = BackgroundBitmap.Width();
    const int h = BackgroundBitmap.Height();
    const int f = kMenuFrameWidth;
    DrawBitmapRect(dc.Get(), 0, 0, BackgroundBitmap, {0, 0, w, f});
    DrawBitmapRect(dc.Get(), 0, h - f, BackgroundBitmap, {0, h - f, w, h});
    DrawBitmapRect(dc.Get(), 0, f, BackgroundBitmap, {0, f, f, h});
    DrawBitmapRect(dc.Get(), w - f, f, BackgroundBitmap, {w - f, f, w, h});
}

void TSkinPopMenu::EraseBackground(HDC dc) {
    if (dc == nullptr || !PrepareBackground()) return;
    RECT client{};
    GetClientRect(MenuWindow, &client);
    DrawBitmapRect(dc, 0, 0, BackgroundBitmap,
                   {ClientOrigin.x, ClientOrigin.y, ClientOrigin.x + client.right, ClientOrigin.y + client.bottom});
}

void TSkinPopMenu::PaintAroundItems() {
    if (!PrepareBackground()) return;
    if (MenuHandle == nullptr) MenuHandle = reinterpret_cast<HMENU>(Default(kGetMenuHandle, 0, 0));
    // The items fill the window up to the frame; below the last one (a menu lower than its
    // items, or one without items) the background shows as well.
    PaintMenuFrame();
    RECT window{};
    RECT last{};
    const int count = MenuHandle != nullptr ? GetMenuItemCount(MenuHandle) : 0;
    if (!GetWindowRect(MenuWindow, &window)) return;
    const int h = BackgroundBitmap.Height() - kMenuFrameWidth;
    int bottom = kMenuFrameWidth;
    if (count > 0 && GetMenuItemRect(nullptr, MenuHandle, static_cast<UINT>(count - 1), &last))
        bottom = last.bottom - window.top;
    if (bottom >= h) return;
    base::win::WindowDc dc(MenuWindow, base::win::WindowDc::Area::Window);
    if (dc) DrawBitmapRect(dc.Get(), 0, bottom, BackgroundBitmap, {0, bottom, BackgroundBitmap.Width(), h});
}

LRESULT TSkinPopMenu::PrintBackground(WPARAM wParam, LPARAM lParam) {
    const auto dc = reinterpret_cast<HDC>(wParam);
    if (!HasMenuBackground() || dc == nullptr || !PrepareBackground()) return Default(WM_PRINT, wParam, lParam);
    const int w = BackgroundBitmap.Width();
    const int h = BackgroundBitmap.Height();
    // The caller's clip region and background mode come back with the saved state.
    const base::win::ScopedSaveDc save(dc);
    DrawBitmap(dc, 0, 0, BackgroundBitmap);
    SetBkMode(dc, TRANSPARENT);
    IntersectClipRect(dc, kMenuFrameWidth, kMenuFrameWidth, w - kMenuFrameWidth, h - kMenuFrameWidth);
    return Default(WM_PRINT, wParam, lParam);
}

}  // namespace skin::win
