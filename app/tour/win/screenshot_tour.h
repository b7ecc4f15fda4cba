#pragma once
// When the environment variable TWEAK_SCREENSHOT_DIR names a folder, the
// program shows the main window and then every dialog in turn, saves a
// picture of each (BMP, frame included) in that folder, and ends. Used by
// scripts/run on a display without a user. Only the test build of the utility,
// tweak_tour.exe, contains it; the shipping tweak.exe does not.

// Starts the tour if the variable is set; returns whether it started.
bool StartScreenshotTourIfRequested();
