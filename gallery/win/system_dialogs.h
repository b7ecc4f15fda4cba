#pragma once
// Windows' own dialog boxes (class "#32770"), shown from the gallery: the skin manager skins
// dialog boxes of any module.

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

// A real MessageBoxW with an information icon and OK; returns its answer.
int ShowInformationMessageBox(HWND owner);

// The common colour dialog (ChooseColorW), opened on `colour`; true and the new colour on OK.
bool ShowColourDialog(HWND owner, COLORREF& colour);

// The gallery's own dialog box template of Windows controls (buttons, check boxes, radio
// buttons, a group box, scroll bars); returns the id of the button that closed it.
INT_PTR ShowControlsDialog(HWND owner);

// The visible dialog box ("#32770") of this thread that was created last, or null.
HWND FindShownDialogBox();
