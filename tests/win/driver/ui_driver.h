// Driving framework windows the way a user does: finding windows, clicking
// controls and tree nodes, typing, pressing keys, and dismissing the message
// dialogs. Input is posted to the windows, so a click that opens a modal
// window returns at once; use TimerSteps (tour/win/timer_steps.h) to act
// inside modal loops.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "app/win/form_queries.h"
#include "framework/win/framework.h"

namespace ui_driver {

// Visible top-level windows of this thread with that window class (and
// caption, when given), in Z order.
std::vector<HWND> FindThreadWindows(const std::wstring& className, const std::string* caption = nullptr);
HWND FindThreadWindow(const std::wstring& className);

// A left click at a client point of `window`: move, button down, button up.
void ClickAt(HWND window, POINT client);
// A click in the middle of a control; windowless controls are clicked through
// their parent window.
void Click(TControl* control);
// A click on a tree node's text (the node must be visible, i.e. its parent expanded).
void ClickTreeNode(TTreeView* tree, TTreeNode* node);
// A click on the tree's empty area below the last visible node.
void ClickTreeBackground(TTreeView* tree);

// Key down and up of a virtual key, posted to the window.
void PressKey(HWND window, WORD virtualKey);
// Replaces the control's text as typed: focus, select all, delete, then one
// WM_CHAR per character; "\r\n" becomes one Enter.
void TypeText(TWinControl* control, const std::string& text);

// Posts a menu command to a form, as choosing the item does.
void ChooseMenuItem(TCustomForm* form, TMenuItem* item);
// Asks a window to close through its system menu's Close command.
void CloseBySystemMenu(HWND window);

// The information message dialog (class "TMessageForm") on screen, or null.
TCustomForm* MessageForm();
// The text it shows ("" without one).
std::string MessageText();
// Clicks the OK button of the information message dialog; false without one.
bool PressMessageOk();

// A standard Windows dialog box (class "#32770", e.g. a message box) on this thread, or null.
HWND SystemDialog();
// All static texts of a dialog box, joined with "\n".
std::string DialogText(HWND dialog);
// Presses its OK button; false when there is none.
bool PressDialogOk(HWND dialog);

// Window text of any window as single-byte text.
std::string WindowText(HWND window);

// Ends every modal loop still open: message boxes, the message dialog, modal
// forms. For failed runs, so the test regains control.
void EndAllModalLoops();

}  // namespace ui_driver
