// Program entry of tweak_tour.exe: the utility with its screenshot tour, for
// scripts/run --screenshots and the tests.

#include <windows.h>

#include "app/tour/win/screenshot_tour.h"
#include "app/win/run_utility.h"

namespace {

void StartTour() { StartScreenshotTourIfRequested(); }

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return RunUtility(StartTour); }
