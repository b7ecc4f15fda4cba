#include "gallery/win/gallery_tour.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

#include "framework/win/framework.h"
#include "gallery/win/gallery_form.h"
#include "gallery/win/mdi_showcase.h"
#include "gallery/win/menus_showcase.h"
#include "gallery/win/showcase_forms.h"
#include "gallery/win/skin_folder_watcher.h"
#include "gallery/win/skin_menu.h"
#include "gallery/win/skin_problems_form.h"
#include "gallery/win/system_dialogs.h"
#include "skin/form/win/skin_form.h"
#include "skin/manager/win/skin_manager.h"
#include "tour/win/timer_steps.h"
#include "tour/win/window_capture.h"

namespace {

std::unique_ptr<TimerSteps> g_tour;

// Lines of report.txt, one per window: "<name> skinned=<answer to SM_ISSKINNED>".
class TourReport {
public:
    explicit TourReport(std::wstring path) : path_(std::move(path)) {
        if (FILE* file = _wfopen(path_.c_str(), L"w")) std::fclose(file);
    }
    void Add(const std::string& line) const {
        FILE* file = _wfopen(path_.c_str(), L"a");
        if (!file) throw std::runtime_error("could not write the report");
        std::fputs((line + "\n").c_str(), file);
        std::fclose(file);
    }

private:
    std::wstring path_;
};

// The window is up and has been activated: the skin manager's hook has decided on it, and its
// posted SM_SKINCONTROLS comes before the timer tick that runs the next step.
bool ShownAndActive(HWND window) {
    return window && IsWindowVisible(window) && !IsIconic(window) && GetActiveWindow() == window;
}

void CaptureAndReport(const std::wstring& folder, const TourReport& report, HWND window, const std::string& name) {
    if (!CaptureWindowToBmp(window, folder + L"\\" + WidenText(name) + L".bmp"))
        throw std::runtime_error("could not save " + name);
    const LRESULT skinned = SendMessageW(window, skin::win::SM_ISSKINNED, 0, 0);
    report.Add(name + " skinned=" + std::to_string(skinned));
}

// Opens a system dialog box from the gallery's button, captures it and closes it with `command`.
void AddDialogBoxVisit(TimerSteps& tour, const std::wstring& folder, std::shared_ptr<TourReport> report,
                       TButton* button, const std::string& name, WPARAM command) {
    tour.Then("open " + name, [button] { button->Click(); })  // blocks until the dialog closes
        .WaitUntil(name + " shown", [] { return ShownAndActive(FindShownDialogBox()); })
        .Then("capture " + name,
              [folder, report, name] { CaptureAndReport(folder, *report, FindShownDialogBox(), name); })
        .Then("close " + name, [command] { PostMessageW(FindShownDialogBox(), WM_COMMAND, command, 0); })
        .WaitUntil(name + " closed", [] { return FindShownDialogBox() == nullptr; });
}

// The MDI frame shown again with its documents tiled, then with one maximized (its buttons in the
// frame's menu bar).
void AddMdiVisit(TimerSteps& tour, const std::wstring& folder, std::shared_ptr<TourReport> report,
                 TMdiShowcaseForm* form) {
    const std::string name = form->Name();
    tour.Then("report " + name + "'s documents",
              [report, form, name] {
                  int skinned = 0;
                  for (TForm* document : form->Documents) {
                      if (document != nullptr && SendMessageW(document->Handle(), skin::win::SM_ISSKINNED, 0, 0) == 1)
                          ++skinned;
                  }
                  report->Add(name + "Documents skinned=" + std::to_string(skinned));
              })
        .Then("tile " + name, [form] { form->Tile(); })
        .Then("capture " + name + " tiled",
              [folder, report, form, name] { CaptureAndReport(folder, *report, form->Handle(), name + "Tiled"); })
        .Then("maximize a document of " + name, [form] { form->MaximizeDocument(1); })
        .WaitUntil(name + "'s document maximized",
                   [form] { return form->Documents[1] != nullptr && IsZoomed(form->Documents[1]->Handle()); })
        .Then("capture " + name + " maximized",
              [folder, report, form, name] { CaptureAndReport(folder, *report, form->Handle(), name + "Maximized"); })
        .Then("restore " + name + "'s documents", [form] { form->RestoreDocuments(); });
}

HWND ShownMenuWindow() {
    HWND menu = FindWindowW(L"#32768", nullptr);
    return menu != nullptr && IsWindowVisible(menu) ? menu : nullptr;
}

// The form with its open menu (and submenus) as the screen shows them.
void CaptureOpenMenu(const std::wstring& folder, const TourReport& report, HWND form, const std::string& name) {
    RECT area{};
    GetWindowRect(form, &area);
    LRESULT skinned = 0;
    for (HWND menu = FindWindowExW(nullptr, nullptr, L"#32768", nullptr); menu != nullptr;
         menu = FindWindowExW(nullptr, menu, L"#32768", nullptr)) {
        if (!IsWindowVisible(menu)) continue;
        UpdateWindow(menu);
        RECT r{};
        GetWindowRect(menu, &r);
        UnionRect(&area, &area, &r);
        skinned = SendMessageW(menu, skin::win::SM_ISSKINNED, 0, 0);
    }
    area.left = std::max(area.left, 0L);
    area.top = std::max(area.top, 0L);
    if (!CaptureScreenToBmp(area, folder + L"\\" + WidenText(name) + L".bmp"))
        throw std::runtime_error("could not save " + name);
    report.Add(name + " skinned=" + std::to_string(skinned));
}

// Opens one of a form's menus (the step blocks while a modal menu runs; the tour goes on
// from inside its loop), captures it open and closes it with Escape.
// The form's menu bar is lit for the keyboard (Escape in a bar's drop-down goes back to it).
bool BarLit(const TForm* form) {
    const skin::win::TSkinForm* skin =
        skin::win::SkinManager != nullptr ? skin::win::SkinManager->FindFormSkin(form->Handle()) : nullptr;
    return skin != nullptr && skin->MenuBarKeyboard();
}

void AddMenuVisit(TimerSteps& tour, const std::wstring& folder, std::shared_ptr<TourReport> report, TForm* form,
                  const std::string& name, std::function<void()> open) {
    tour.Then("open " + name, std::move(open))
        .WaitUntil(name + " shown", [] { return ShownMenuWindow() != nullptr; })
        .Then("capture " + name,
              [folder, report, form, name] { CaptureOpenMenu(folder, *report, form->Handle(), name); })
        .Then("close " + name, [] { PostMessageW(ShownMenuWindow(), WM_KEYDOWN, VK_ESCAPE, 0); })
        .WaitUntil(name + " closed", [] { return ShownMenuWindow() == nullptr; })
        .Then("leave " + name + "'s bar",
              [form] {
                  if (BarLit(form)) PostMessageW(form->Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
              })
        .WaitUntil(name + "'s bar left", [form] { return !BarLit(form); });
}

}  // namespace

bool StartGalleryTourIfRequested(const std::vector<TShowcaseForm*>& showcases) {
    wchar_t buffer[MAX_PATH] = {};
    const DWORD length = GetEnvironmentVariableW(L"SKINGALLERY_SCREENSHOT_DIR", buffer, MAX_PATH);
    if (length == 0 || length >= MAX_PATH || !GalleryForm) return false;
    const std::wstring folder(buffer, length);
    auto report = std::make_shared<TourReport>(folder + L"\\report.txt");
    g_tour = std::make_unique<TimerSteps>(40);
    TimerSteps& tour = *g_tour;
    tour.WaitUntil("gallery shown", [] { return ShownAndActive(GalleryForm->Handle()); })
        .Then("capture gallery",
              [folder, report] { CaptureAndReport(folder, *report, GalleryForm->Handle(), GalleryForm->Name()); });
    AddMenuVisit(tour, folder, report, GalleryForm, "GalleryForm-SkinMenu",
                 [] { TMenusForm::OpenFirstDropDown(GalleryForm->Handle()); });
    // Watching a broken skin folder, the problems window is up from the start.
    if (const TSkinFolderWatcher* watcher = GalleryForm->SkinMenu->Watcher(); watcher && watcher->Refused() > 0) {
        TSkinProblemsForm* problems = watcher->Problems();
        tour.Then("bring the problems forward", [problems] { SetForegroundWindow(problems->Handle()); })
            .WaitUntil("problems shown", [problems] { return ShownAndActive(problems->Handle()); })
            .Then("capture problems", [folder, report, problems] {
                CaptureAndReport(folder, *report, problems->Handle(), problems->Name());
            });
    }

    for (TShowcaseForm* form : showcases) {
        const std::string name = form->Name();
        tour.Then("open " + name, [form] { form->Show(); })
            .WaitUntil(name + " shown", [form] { return ShownAndActive(form->Handle()); })
            .Then("capture " + name,
                  [folder, report, form, name] { CaptureAndReport(folder, *report, form->Handle(), name); });
        if (auto* mdi = dynamic_cast<TMdiShowcaseForm*>(form)) AddMdiVisit(tour, folder, report, mdi);
        if (auto* menus = dynamic_cast<TMenusForm*>(form)) {
            AddMenuVisit(tour, folder, report, menus, "MenusForm-MainMenu", [menus] { menus->OpenMainDropDown(); });
            AddMenuVisit(tour, folder, report, menus, "MenusForm-ContextMenu", [menus] { menus->ShowContextMenu(); });
            AddMenuVisit(tour, folder, report, menus, "MenusForm-WindowsMenu", [menus] { menus->ShowWindowsMenu(); });
        }
        if (auto* rightToLeft = dynamic_cast<TRightToLeftForm*>(form)) {
            AddMenuVisit(tour, folder, report, rightToLeft, "RightToLeftForm-MainMenu",
                         [rightToLeft] { TMenusForm::OpenFirstDropDown(rightToLeft->Handle()); });
        }
        if (auto* pinnable = dynamic_cast<TPinnableForm*>(form)) {
            tour.Then("report " + name + "'s questions", [report, pinnable, name] {
                report->Add(name + " visibility-questions=" + std::to_string(pinnable->VisibilityQuestions()));
            });
        }
        tour.Then("close " + name, [form] { form->Close(); }).WaitUntil(name + " closed", [form] {
            return !IsWindowVisible(form->Handle());
        });
    }

    AddDialogBoxVisit(tour, folder, report, GalleryForm->MessageBoxButton, "MessageBox", IDOK);
    AddDialogBoxVisit(tour, folder, report, GalleryForm->ColourDialogButton, "ColourDialog", IDCANCEL);
    AddDialogBoxVisit(tour, folder, report, GalleryForm->ControlsDialogButton, "ControlsDialog", IDCANCEL);
    tour.Then("end", [] { GalleryForm->Close(); });
    tour.OnFailure = [](const std::string& failure) {
        std::fputs(("gallery tour failed: " + failure + "\n").c_str(), stderr);
        ExitProcess(3);
    };
    tour.Start(120000);
    return true;
}
