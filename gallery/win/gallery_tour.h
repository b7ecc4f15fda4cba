#pragma once
// When the environment variable SKINGALLERY_SCREENSHOT_DIR names a folder, the gallery opens
// every window in turn, saves a picture of each (BMP, frame included) there, writes whether the
// window answered SM_ISSKINNED to report.txt in the same folder, closes it, and ends. Used by
// scripts/gallery on a display without a user and by the gallery's Wine test.

#include <vector>

class TShowcaseForm;

// Starts the tour if the variable is set; returns whether it started.
bool StartGalleryTourIfRequested(const std::vector<TShowcaseForm*>& showcases);
