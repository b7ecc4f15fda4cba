#pragma once
// Questions about the application's windows that the screenshot tour and the UI tests ask.

#include "framework/win/forms.h"

// True when the form's window exists, is visible and is not minimised.
bool IsShown(const TCustomForm* form);

// The shown modal framework form created last (a dialog or the message dialog), or null.
TCustomForm* TopModalForm();
