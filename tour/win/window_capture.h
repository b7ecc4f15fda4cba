#pragma once
// Saving what a window shows on the screen, frame included, as a BMP file.

#include <string>

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

// Paints the window (frame, client area, children) now, then copies the
// whole window into a 24-bit BMP at `path`. False on failure.
bool CaptureWindowToBmp(HWND window, const std::wstring& path);

// Copies what the screen shows in `area` into a 24-bit BMP at `path` (windows that overlap, such
// as an open menu over its form). False on failure.
bool CaptureScreenToBmp(const RECT& area, const std::wstring& path);
