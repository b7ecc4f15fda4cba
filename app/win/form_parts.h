#pragma once
// Building blocks shared by the application's windows: the common dialog
// frame and the labelled controls the dialogs are made of.

#include <string>

#include "framework/win/framework.h"

// Dialog frame, centred on the screen, button-face background, "MS Sans
// Serif" 8 pt in the window-text color, client area `width` x `height`.
void SetUpDialog(TForm& form, const std::string& caption, int width, int height);

// The main window's frame: single fixed border, system menu only.
void SetUpMainWindow(TForm& form, const std::string& caption, int width, int height);

TLabel* MakeLabel(TComponent* owner, TWinControl* parent, const char* name, int left, int top, const std::string& text);
TEdit* MakeEdit(TComponent* owner, TWinControl* parent, const char* name, int left, int top, int width, int height,
                const std::string& text);
TMemo* MakeMemo(TComponent* owner, TWinControl* parent, const char* name, int left, int top, int width, int height);
TGroupBox* MakeGroupBox(TComponent* owner, TWinControl* parent, const char* name, int left, int top, int width,
                        int height, const std::string& caption);
// A speed button without glyph and with a hand cursor.
TSpeedButton* MakeSpeedButton(TComponent* owner, TWinControl* parent, const char* name, int left, int top, int width,
                              int height, const std::string& caption, TNotifyEvent onClick);
