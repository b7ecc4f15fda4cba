#pragma once
// TWScrollbar: a small window of our own laid exactly over one visible scroll bar, painting the
// skin's scroll-bar images in its place. A press on it is handed to the real scroll bar, so the
// system keeps doing the scrolling, tracking and auto-repeat while the overlay shows the state.
// It is a sibling of the host (a child of the host's parent), just above the host in z-order.

#include <windows.h>

#include "skin/controls/scroll_bar_geometry.h"

class TWinControl;

namespace skin::win {

class TSkinData;
class TSkinControl;

class TWScrollbar {
public:
    // Which bar of the host the overlay covers.
    enum Kind : int { kHostHorizontal = 0, kHostVertical = 1, kControl = 2 };

    // Creates the (hidden) overlay window in the host's parent.
    TWScrollbar(HWND host, TWinControl* hostControl, TSkinControl* skin, TSkinData* skinData, Kind kind, bool vertical);
    ~TWScrollbar();
    TWScrollbar(const TWScrollbar&) = delete;
    TWScrollbar& operator=(const TWScrollbar&) = delete;

    // Follows the host's bar: hidden when the bar cannot be read, the host is hidden or the bar
    // is invisible; else laid over the bar just above the host and shown.
    void UpdateBar(HWND host);
    void Hide();
    // Paints the overlay again now, when it is shown and what it would show differs from its last
    // paint (the host repaints its overlays with each of its own paints, most of them unchanged).
    void Repaint();
    // Marks the overlay for its next paint (no paint now); a skin change marks it, as the look
    // compared by Repaint does not hold the skin's pictures.
    void Invalidate();
    void SetScrollCode(int code) { lastCode_ = code; }

    HWND Handle() const { return window_; }
    HWND Host() const { return host_; }
    Kind BarKind() const { return kind_; }
    bool Shown() const { return shown_; }
    bool Tracking() const { return tracking_; }
    // The bar in the host's client coordinates.
    const RECT& BarRect() const { return barRect_; }
    // The thumb the overlay draws, along its axis from the bar's first pixel.
    skin::controls::ThumbSpan Thumb() const;

private:
    friend LRESULT CALLBACK ScrollOverlayProc(HWND, UINT, WPARAM, LPARAM);
    LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    // Makes the overlay window if it is not made yet; false when the host has no parent.
    bool MakeWindow();
    void Press();
    void Release();
    void Paint(HDC dc);
    void PaintBar(HDC dc, int width, int height);
    // What a paint now would show: the bar's place and state, the pressed part and the thumb.
    struct Look {
        RECT Screen{};
        DWORD State = 0;
        bool Enabled = false;
        bool Tracking = false;
        int Code = -1;
        int ThumbStart = 0;
        int ThumbEnd = 0;
        bool operator==(const Look& other) const;
    };
    Look CurrentLook();
    Look painted_{};
    bool paintedOnce_ = false;
    // The bar's rectangle on the screen and its state bits; false when it cannot be read.
    bool ReadBar(RECT& screen, DWORD& state);
    // Cursor position along the axis from the bar's first pixel.
    int CursorOnBar() const;

    HWND window_ = nullptr;
    HWND host_ = nullptr;
    TWinControl* hostControl_ = nullptr;
    TSkinControl* skin_ = nullptr;
    TSkinData* skinData_ = nullptr;
    Kind kind_ = kControl;
    bool vertical_ = true;
    int arrow_ = 0;        // A: the system's arrow button length
    int trackLength_ = 0;  // L: the bar's length
    int thumbStart_ = 0;
    int thumbEnd_ = 0;
    POINT barOrigin_{};  // the bar's top-left corner on the screen
    POINT pressPos_{};
    int pressThumb_ = 0;
    RECT barRect_{};
    RECT placed_{};  // where the overlay was last put, in its parent's client coordinates
    int lastCode_ = -1;
    bool shown_ = false;
    bool tracking_ = false;
};

}  // namespace skin::win
