#include "tour/win/window_capture.h"

#include "base/bmp_io.h"
#include "base/win/dib_section.h"
#include "base/win/handles.h"

#include <cstdint>
#include <exception>
#include <fstream>
#include <vector>

namespace {

// Copies `width` x `height` pixels from `source` at (x, y) into a 24-bit BMP file.
bool SaveDcArea(HDC source, int x, int y, int width, int height, const std::wstring& path) {
    if (width <= 0 || height <= 0 || source == nullptr) return false;
    std::vector<std::uint8_t> file;
    try {
        base::win::DibSection copy(width, height, source);
        if (!BitBlt(copy.Dc(), 0, 0, width, height, source, x, y, SRCCOPY)) return false;
        GdiFlush();
        file = base::WriteBmp24(copy.Pixels());
    } catch (const std::exception&) {
        return false;
    }
    std::ofstream out(path.c_str(), std::ios::binary);
    out.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
    return static_cast<bool>(out);
}

}  // namespace

bool CaptureWindowToBmp(HWND window, const std::wstring& path) {
    if (!IsWindow(window)) return false;
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    GdiFlush();
    RECT rect{};
    GetWindowRect(window, &rect);
    // Read through the window's own DC: it holds what the window and its
    // children painted, whether or not the display has caught up yet.
    base::win::WindowDc source(window, base::win::WindowDc::Area::Window);
    return SaveDcArea(source.Get(), 0, 0, rect.right - rect.left, rect.bottom - rect.top, path);
}

bool CaptureScreenToBmp(const RECT& area, const std::wstring& path) {
    base::win::WindowDc screen(nullptr);
    return SaveDcArea(screen.Get(), area.left, area.top, area.right - area.left, area.bottom - area.top, path);
}
