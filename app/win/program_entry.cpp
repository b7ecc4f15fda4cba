// Program entry of tweak.exe: creates the main window and the dialogs, in
// their fixed order, and runs until the main window closes.

#include "app/win/app_icon_win.h"
#include "app/win/create_forms.h"
#include "app/win/screenshot_tour.h"
#include "framework/win/application.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    Application->Initialize();
    Application->SetIcon(ApplicationIcon());
    CreateApplicationForms();
    StartScreenshotTourIfRequested();
    Application->Run();
    return 0;
}
