#include "tour/win/window_capture.h"

#include "base/bmp_io.h"
#include "base/win/dib_section.h"
#include "base/win/handles.h"

#include <cstdint>
#include <exception>
#include <fstream>
#include <vector>

bool CaptureWindowToBmp(HWND window, const std::wstring& path) {
    if (!IsWindow(window)) return false;
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    GdiFlush();
    RECT rect{};
    GetWindowRect(window, &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0) return false;

    // Read through the window's own DC: it holds what the window and its
    // children painted, whether or not the display has caught up yet.
    base::win::WindowDc source(window, base::win::WindowDc::Area::Window);
    if (!source) return false;
    std::vector<std::uint8_t> file;
    try {
        base::win::DibSection copy(width, height, source.Get());
        if (!BitBlt(copy.Dc(), 0, 0, width, height, source.Get(), 0, 0, SRCCOPY)) return false;
        file = base::WriteBmp24(copy.Pixels());
    } catch (const std::exception&) {
        return false;
    }
    std::ofstream out(path.c_str(), std::ios::binary);
    out.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
    return static_cast<bool>(out);
}

bool CaptureScreenToBmp(const RECT& area, const std::wstring& path) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width <= 0 || height <= 0) return false;
    base::win::WindowDc screen(nullptr);
    if (!screen) return false;
    std::vector<std::uint8_t> file;
    try {
        base::win::DibSection copy(width, height, screen.Get());
        if (!BitBlt(copy.Dc(), 0, 0, width, height, screen.Get(), area.left, area.top, SRCCOPY)) return false;
        GdiFlush();
        file = base::WriteBmp24(copy.Pixels());
    } catch (const std::exception&) {
        return false;
    }
    std::ofstream out(path.c_str(), std::ios::binary);
    out.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
    return static_cast<bool>(out);
}
