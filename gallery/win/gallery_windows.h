#pragma once
// Creates the gallery's windows in their fixed order: the main window first, then every
// showcase window (hidden), each with its button on the main window.

#include <vector>

class TShowcaseForm;

// The showcase windows, in the order of their buttons.
std::vector<TShowcaseForm*> CreateGalleryWindows();
