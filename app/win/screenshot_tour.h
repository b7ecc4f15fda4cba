#pragma once
// When the environment variable TWEAK_SCREENSHOT_DIR names a folder, the
// program shows the main window and then every dialog in turn, saves a
// picture of each (BMP, frame included) in that folder, and ends. Used by
// scripts/run on a display without a user.

// Starts the tour if the variable is set; returns whether it started.
bool StartScreenshotTourIfRequested();
