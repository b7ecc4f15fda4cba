#pragma once
// TSkinPopMenu: the skin of one menu window ("#32768"). It takes over the window's procedure,
// paints the menu's 3-pixel frame and the background under its items from the skin's menu
// background image, and gives that background to the item painting so item backgrounds match.

#include <windows.h>

#include "skin/data/pixels.h"

namespace skin::win {

class TSkinData;

// Width of the skinned frame around a menu's items, whatever the skin and system metrics.
constexpr int kMenuFrameWidth = 3;

class TSkinPopMenu {
public:
    TSkinPopMenu() = default;
    ~TSkinPopMenu();
    TSkinPopMenu(const TSkinPopMenu&) = delete;
    TSkinPopMenu& operator=(const TSkinPopMenu&) = delete;

    void AttachMenuWindow(HWND window, TSkinData* skinData, HMENU menu);
    // Gives the window its own procedure back; safe to call more than once.
    void DetachMenuWindow();
    bool Attached() const { return attached_; }
    // The skin's objects were replaced: the prepared background goes and the open menu window
    // is painted again with the new ones.
    void SkinReloaded();

    HWND MenuWindow = nullptr;
    TSkinData* SkinData = nullptr;
    HMENU MenuHandle = nullptr;
    WNDPROC OldWndProc = nullptr;
    // The menu background at the size of the whole window (empty until the first paint).
    skin::Bitmap BackgroundBitmap;
    // Where the menu's client area starts inside the window (item rectangles are client-relative).
    POINT ClientOrigin{0, 0};

    LRESULT PopupWndProc(UINT msg, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK StubWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

private:
    bool HasMenuBackground() const;
    // Rebuilds BackgroundBitmap at the window's size; false when the window cannot be read.
    bool PrepareBackground();
    LRESULT Default(UINT msg, WPARAM wParam, LPARAM lParam);
    void PaintMenuFrame();
    void PaintAroundItems();
    LRESULT PrintBackground(WPARAM wParam, LPARAM lParam);
    void EraseBackground(HDC dc);

    bool attached_ = false;
};

}  // namespace skin::win
