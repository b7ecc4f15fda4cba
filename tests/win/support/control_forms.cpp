#include "win/support/control_forms.h"

#include <string>

#include "framework/win/framework.h"
#include "skin/form/win/skin_form.h"
#include "skin/manager/win/skin_manager.h"
#include "win/support/message_pump.h"
#include "win/support/window_probe.h"

namespace testing_support {

namespace {

template <class T>
T* Place(TWinControl* parent, TForm* form, int left, int top, int width, int height, const std::string& caption = "") {
    auto* control = new T(form);
    control->SetParent(parent);
    control->SetBounds(left, top, width, height);
    if (!caption.empty()) control->SetCaption(caption);
    return control;
}

}  // namespace

TForm* CreateTwentyControlForm() {
    auto* form = new TForm(nullptr);
    form->SetCaption("Twenty controls");
    form->SetBounds(60, 60, 520, 360);
    for (int i = 0; i < 6; ++i) Place<TButton>(form, form, 400, 12 + i * 32, 90, 25, "Button " + std::to_string(i));
    auto* checks = Place<TGroupBox>(form, form, 12, 8, 180, 130, "Check boxes");
    for (int i = 0; i < 4; ++i) Place<TCheckBox>(checks, form, 10, 20 + i * 24, 150, 20, "Check " + std::to_string(i));
    auto* radios = Place<TGroupBox>(form, form, 204, 8, 180, 130, "Radio buttons");
    for (int i = 0; i < 4; ++i)
        Place<TRadioButton>(radios, form, 10, 20 + i * 24, 150, 20, "Radio " + std::to_string(i));
    for (int i = 0; i < 2; ++i) {
        auto* memo = Place<TMemo>(form, form, 12 + i * 190, 150, 180, 120);
        memo->SetScrollBars(ssVertical);
        std::string text;
        for (int line = 0; line < 40; ++line) text += "Line " + std::to_string(line) + "\r\n";
        memo->SetText(text);
    }
    Place<TScrollBar>(form, form, 12, 280, 370, 17);
    auto* vertical = Place<TScrollBar>(form, form, 400, 220, 17, 90);
    vertical->SetKind(sbVertical);
    vertical->SetBounds(400, 220, 17, 90);
    return form;
}

skin::win::TSkinForm* SkinFrameworkForm(skin::win::TSkinData& data, TForm* form) {
    auto* formSkin = new skin::win::TSkinForm(form);
    formSkin->Handle = form->Handle();
    formSkin->AttachForm(&data, form);
    SendMessageW(form->Handle(), skin::win::SM_SKINCONTROLS, 0, 1000);
    return formSkin;
}

skin::win::TSkinForm* ShowSkinned(TForm* form, skin::win::TSkinData& data, bool skinControls) {
    form->Show();
    SetForegroundWindow(form->Handle());
    PumpPendingMessages();
    auto* formSkin = new skin::win::TSkinForm(form);
    formSkin->Handle = form->Handle();
    formSkin->AttachForm(&data, form);
    if (skinControls) SendMessageW(form->Handle(), skin::win::SM_SKINCONTROLS, 0, 1000);
    Redraw(form->Handle());
    return formSkin;
}

int CycleSkinnedControlForms(skin::win::TSkinData& data, int cycles, TForm* (*make)()) {
    int skinned = 0;
    for (int i = 0; i < cycles; ++i) {
        TForm* form = make();
        form->Show();
        if (!SkinFrameworkForm(data, form)->ControlSkins().empty()) ++skinned;
        PumpPendingMessages();
        delete form;
        PumpPendingMessages();
    }
    return skinned;
}

}  // namespace testing_support
