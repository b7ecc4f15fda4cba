// Program entry of skingallery.exe: the main window and the showcase windows, then the message
// loop until the main window closes.

#include "framework/win/application.h"
#include "gallery/win/gallery_tour.h"
#include "gallery/win/gallery_windows.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    Application->Initialize();
    Application->SetTitle("skingallery");
    const auto showcases = CreateGalleryWindows();
    StartGalleryTourIfRequested(showcases);
    Application->Run();
    return 0;
}
