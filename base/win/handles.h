#pragma once

// Move-only owners for Windows handles (GDI objects, device contexts, menus, registry keys, kernel
// handles), and scoped guards for DC state.

#include <windows.h>

#include <utility>

namespace base::win {

// Owns one handle; `Free` releases it. Null handles are never freed.
template <typename Handle, void (*Free)(Handle)>
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) : handle_(handle) {}
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) Reset(std::exchange(other.handle_, nullptr));
        return *this;
    }
    ~UniqueHandle() { Reset(); }

    Handle Get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    // Gives up ownership without freeing.
    [[nodiscard]] Handle Release() { return std::exchange(handle_, nullptr); }
    void Reset(Handle handle = nullptr) {
        Handle old = std::exchange(handle_, handle);
        if (old != nullptr) Free(old);
    }

private:
    Handle handle_ = nullptr;
};

namespace detail {
template <typename Handle>
void DeleteGdiObject(Handle handle) {
    ::DeleteObject(handle);
}
inline void DeleteMemoryDc(HDC dc) { ::DeleteDC(dc); }
inline void DestroyMenuHandle(HMENU menu) { ::DestroyMenu(menu); }
inline void CloseRegistryKey(HKEY key) { ::RegCloseKey(key); }
inline void CloseKernelHandle(HANDLE handle) { ::CloseHandle(handle); }
inline void DestroyIconHandle(HICON icon) { ::DestroyIcon(icon); }
// A child window may already have gone with its parent.
inline void DestroyWindowHandle(HWND window) {
    if (::IsWindow(window)) ::DestroyWindow(window);
}
}  // namespace detail

using UniqueHBitmap = UniqueHandle<HBITMAP, detail::DeleteGdiObject<HBITMAP>>;
using UniqueHRgn = UniqueHandle<HRGN, detail::DeleteGdiObject<HRGN>>;
using UniqueHBrush = UniqueHandle<HBRUSH, detail::DeleteGdiObject<HBRUSH>>;
using UniqueHPen = UniqueHandle<HPEN, detail::DeleteGdiObject<HPEN>>;
using UniqueHFont = UniqueHandle<HFONT, detail::DeleteGdiObject<HFONT>>;
// A DC from CreateCompatibleDC / CreateDC, freed with DeleteDC.
using UniqueMemoryDc = UniqueHandle<HDC, detail::DeleteMemoryDc>;
using UniqueHMenu = UniqueHandle<HMENU, detail::DestroyMenuHandle>;
// An icon from CreateIconIndirect / CopyImage (not a shared one from LoadIcon).
using UniqueHIcon = UniqueHandle<HICON, detail::DestroyIconHandle>;
// A key from RegOpenKeyEx / RegCreateKeyEx (never one of the predefined roots).
using UniqueHKey = UniqueHandle<HKEY, detail::CloseRegistryKey>;
// A window made with CreateWindowEx that belongs to no framework control.
using UniqueHWnd = UniqueHandle<HWND, detail::DestroyWindowHandle>;
// A kernel object handle (token, process, event), closed with CloseHandle.
using UniqueKernelHandle = UniqueHandle<HANDLE, detail::CloseKernelHandle>;

// A DC obtained with GetDC / GetWindowDC / GetDCEx, released with ReleaseDC on the same window.
class WindowDc {
public:
    enum class Area { Client, Window };

    WindowDc() = default;
    // GetDC (client area) or GetWindowDC (whole window). hwnd may be null for the screen.
    explicit WindowDc(HWND hwnd, Area area = Area::Client)
        : hwnd_(hwnd), dc_(area == Area::Client ? ::GetDC(hwnd) : ::GetWindowDC(hwnd)) {}
    // Takes over a DC the caller got from GetDCEx(hwnd, ...).
    static WindowDc Adopt(HWND hwnd, HDC dc) {
        WindowDc result;
        result.hwnd_ = hwnd;
        result.dc_ = dc;
        return result;
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    WindowDc(WindowDc&& other) noexcept
        : hwnd_(std::exchange(other.hwnd_, nullptr)), dc_(std::exchange(other.dc_, nullptr)) {}
    WindowDc& operator=(WindowDc&& other) noexcept {
        if (this != &other) {
            Reset();
            hwnd_ = std::exchange(other.hwnd_, nullptr);
            dc_ = std::exchange(other.dc_, nullptr);
        }
        return *this;
    }
    ~WindowDc() { Reset(); }

    HDC Get() const { return dc_; }
    HWND Window() const { return hwnd_; }
    explicit operator bool() const { return dc_ != nullptr; }
    void Reset() {
        if (dc_ != nullptr) ::ReleaseDC(hwnd_, dc_);
        dc_ = nullptr;
        hwnd_ = nullptr;
    }

private:
    HWND hwnd_ = nullptr;
    HDC dc_ = nullptr;
};

// Selects an object into a DC and selects the previous one back when it ends.
class ScopedSelectObject {
public:
    ScopedSelectObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(object ? ::SelectObject(dc, object) : nullptr) {}
    ScopedSelectObject(const ScopedSelectObject&) = delete;
    ScopedSelectObject& operator=(const ScopedSelectObject&) = delete;
    ~ScopedSelectObject() {
        if (previous_ != nullptr && previous_ != HGDI_ERROR) ::SelectObject(dc_, previous_);
    }
    // False when the selection failed.
    bool Ok() const { return previous_ != nullptr && previous_ != HGDI_ERROR; }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// SaveDC now, RestoreDC when it ends.
class ScopedSaveDc {
public:
    explicit ScopedSaveDc(HDC dc) : dc_(dc), saved_(::SaveDC(dc)) {}
    ScopedSaveDc(const ScopedSaveDc&) = delete;
    ScopedSaveDc& operator=(const ScopedSaveDc&) = delete;
    ~ScopedSaveDc() {
        if (saved_ != 0) ::RestoreDC(dc_, saved_);
    }
    bool Ok() const { return saved_ != 0; }

private:
    HDC dc_;
    int saved_;
};

// Sets a DC's stretch mode and puts the previous mode back when it ends.
class ScopedStretchMode {
public:
    ScopedStretchMode(HDC dc, int mode) : dc_(dc), previous_(::SetStretchBltMode(dc, mode)) {}
    ScopedStretchMode(const ScopedStretchMode&) = delete;
    ScopedStretchMode& operator=(const ScopedStretchMode&) = delete;
    ~ScopedStretchMode() {
        if (previous_ != 0) ::SetStretchBltMode(dc_, previous_);
    }

private:
    HDC dc_;
    int previous_;
};

// Sets a DC's text and background colors and restores both when it ends.
class ScopedDcColors {
public:
    ScopedDcColors(HDC dc, COLORREF text, COLORREF background)
        : dc_(dc), text_(::SetTextColor(dc, text)), background_(::SetBkColor(dc, background)) {}
    ScopedDcColors(const ScopedDcColors&) = delete;
    ScopedDcColors& operator=(const ScopedDcColors&) = delete;
    ~ScopedDcColors() {
        if (text_ != CLR_INVALID) ::SetTextColor(dc_, text_);
        if (background_ != CLR_INVALID) ::SetBkColor(dc_, background_);
    }

private:
    HDC dc_;
    COLORREF text_;
    COLORREF background_;
};

}  // namespace base::win
