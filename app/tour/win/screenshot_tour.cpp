#include "app/tour/win/screenshot_tour.h"

#include <cstdio>
#include <memory>
#include <stdexcept>
#include <string>

#include "app/win/form_queries.h"
#include "app/win/main_window.h"
#include "tour/win/timer_steps.h"
#include "tour/win/window_capture.h"
#include "framework/win/framework.h"

namespace {

std::unique_ptr<TimerSteps> g_tour;

void Capture(const std::wstring& folder, HWND window, const std::string& name) {
    if (!CaptureWindowToBmp(window, folder + L"\\" + WidenText(name) + L".bmp"))
        throw std::runtime_error("could not save " + name);
}

// Selects node `index` the way a click does and shows its description.
void ClickNode(int index) {
    Form1->TreeView1->Items()->Item(index)->SetSelected(true);
    Form1->TreeView1Click(Form1->TreeView1);
}

}  // namespace

bool StartScreenshotTourIfRequested() {
    wchar_t buffer[MAX_PATH] = {};
    const DWORD length = GetEnvironmentVariableW(L"TWEAK_SCREENSHOT_DIR", buffer, MAX_PATH);
    if (length == 0 || length >= MAX_PATH || !Form1) return false;
    const std::wstring folder(buffer, length);
    g_tour = std::make_unique<TimerSteps>(40);
    TimerSteps& tour = *g_tour;
    tour.WaitUntil("main window shown", [] { return IsShown(Form1); })
        .Then("capture main window", [folder] { Capture(folder, Form1->Handle(), "main"); })
        .Then("click node 13", [] { ClickNode(13); })
        .Then("capture described node", [folder] { Capture(folder, Form1->Handle(), "main-node13"); });

    // Every action node's dialog, in tree order.
    for (int index = 0; index < kCatalogueSize; ++index) {
        TForm* dialog = TweakDialogForm(DialogForNode(index));
        if (!dialog) continue;
        const std::string name = dialog->ClassName();
        tour.Then("open " + name,
                  [index] {
                      ClickNode(index);
                      Form1->SpeedButton1->Click();  // blocks until the dialog closes
                  })
            .WaitUntil(name + " shown", [dialog] { return IsShown(dialog) && TopModalForm() == dialog; })
            .Then("capture " + name, [folder, dialog, name] { Capture(folder, dialog->Handle(), name); })
            .Then("close " + name, [dialog] { dialog->SetModalResult(mrCancel); })
            .WaitUntil(name + " closed", [dialog] { return !IsShown(dialog); });
    }

    tour.Then("open the information message", [] { Form1->Informacijeoprogramu1->Click(); })
        .WaitUntil("message shown", [] { return TopModalForm() && TopModalForm() != Form1 && IsShown(TopModalForm()); })
        .Then("capture message", [folder] { Capture(folder, TopModalForm()->Handle(), "TMessageForm"); })
        .Then("close message", [] { TopModalForm()->SetModalResult(mrOk); })
        .Then("end", [] { Form1->Close(); });
    tour.OnFailure = [](const std::string& failure) {
        OutputDebugStringA(("screenshot tour failed: " + failure).c_str());
        std::fputs(("screenshot tour failed: " + failure + "\n").c_str(), stderr);
        ExitProcess(3);
    };
    tour.Start(120000);
    return true;
}
