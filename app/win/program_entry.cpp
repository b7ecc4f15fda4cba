// Program entry of tweak.exe, the utility as it ships.

#include <windows.h>

#include "app/win/run_utility.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return RunUtility(); }
