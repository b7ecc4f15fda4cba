// Working a skinned menu bar with keys as a person does, and reading back what it shows: keys
// through SendInput or typed on the X display, the open drop-down, a bar button's look.
#pragma once

#include <windows.h>

#include <atomic>
#include <string>

#include "skin/data/skin_objects_set.h"

namespace bar_keyboard {

// The drop-down shown now (read from its #32768 window, safe from a second thread while the
// window's thread is in the menu loop); null when none is open.
HMENU ShownDropDown();

// How a bar button looks: flat, raised (lit for the keyboard) or sunken (its drop-down open).
enum class Look { Flat, Raised, Sunken };
const char* Name(Look look);
// Read from the screen: the button's left and right edge columns in the skin's button highlight
// and shadow colours. `button` in window coordinates.
Look LookOf(HWND window, const skin::Rect& button, const skin::TSkinObjects& objects);

// Moves the mouse pointer of the display itself (xdotool where there is one, else SetCursorPos)
// and waits until Windows sees it there. A move through SendInput leaves the X pointer behind,
// and Wine puts the cursor back to it at the next pointer grab (a menu opening).
void MoveMouseOnDisplay(POINT screen);

// Posts Escape to every skinned form whose bar is lit for the keyboard, which leaves it.
void LeaveLitBars();

// While it lives, a timer of the calling (window) thread watches `done`: once it is set, a
// drop-down still open is ended and a lit bar is left, so a walk that missed a key never leaves
// the thread in a menu loop that nobody ends.
class LeaveMenusWhenDone {
public:
    explicit LeaveMenusWhenDone(const std::atomic<bool>& done);
    ~LeaveMenusWhenDone();
    LeaveMenusWhenDone(const LeaveMenusWhenDone&) = delete;
    LeaveMenusWhenDone& operator=(const LeaveMenusWhenDone&) = delete;

private:
    UINT_PTR timer_ = 0;
};

// Keys as a person presses them.
class Keyboard {
public:
    virtual ~Keyboard() = default;
    virtual void Tap(WORD key) = 0;
    // Alt held while `letter` is typed.
    virtual void AltWith(char letter) = 0;
};

// Through SendInput (call it from a thread other than the window's).
class SendInputKeyboard : public Keyboard {
public:
    void Tap(WORD key) override;
    void AltWith(char letter) override;
};

// Typed on the X display with xdotool. Wine does not pass a host program's exit code on, so
// whether a key arrived is for the caller to see.
class XDisplayKeyboard : public Keyboard {
public:
    static bool Available();
    void Tap(WORD key) override;
    void AltWith(char letter) override;
};

}  // namespace bar_keyboard
