#include "win/support/skin_soak.h"

#include <fstream>
#include <iterator>
#include <utility>

#include "framework/win/application.h"
#include "framework/win/forms.h"
#include "framework/win/std_ctrls.h"
#include "skin/manager/win/skin_manager.h"
#include "win/support/message_pump.h"

namespace testing_support {

std::vector<std::uint8_t> StoredSkinStream(const std::string& skinName) {
    std::ifstream file(std::string(BUILT_SKINS_DIR) + "/" + skinName + ".skn", std::ios::binary);
    const std::vector<std::uint8_t> package((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    const auto length = static_cast<std::uint32_t>(package.size());
    std::vector<std::uint8_t> stored;
    for (int i = 0; i < 4; ++i) stored.push_back(static_cast<std::uint8_t>(length >> (8 * i)));
    stored.insert(stored.end(), package.begin(), package.end());
    return stored;
}

std::unique_ptr<skin::win::TSkinData> HeldSkinData(const std::string& skinName) {
    auto data = std::make_unique<skin::win::TSkinData>(nullptr);
    data->ReadSkinStream(StoredSkinStream(skinName));
    return data;
}

std::unique_ptr<skin::win::TSkinData> ActiveMainSkinData(const std::string& skinName) {
    Application->Initialize();
    auto data = std::make_unique<skin::win::TSkinData>(nullptr);
    data->SetLoading(true);
    data->SetSkinFormtype(skin::TSkinFormType::sfMainform);
    data->SetActive(true);
    data->ReadSkinStream(StoredSkinStream(skinName));
    data->Loaded();
    PumpMessagesUntil([] { return skin::win::SkinManager != nullptr && skin::win::SkinManager->Enabled; });
    return data;
}

void ReleaseMainSkinData(std::unique_ptr<skin::win::TSkinData> data) {
    data.reset();
    skin::win::FreeSkinManager();
    PumpPendingMessages();
}

HWND CreateFramedWindow(int width, int height) {
    HWND window = CreateWindowExW(0, L"STATIC", L"Framed window", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, width,
                                  height, nullptr, nullptr, nullptr, nullptr);
    PumpPendingMessages();
    return window;
}

std::unique_ptr<skin::win::TSkinForm> AttachFormSkin(skin::win::TSkinData& data, HWND window) {
    auto form = std::make_unique<skin::win::TSkinForm>(nullptr);
    form->Handle = window;
    form->Attach(&data);
    SendMessageW(window, skin::win::SM_SKINCONTROLS, 0, 1000);
    RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    PumpPendingMessages();
    return form;
}

void PaintFrames(HWND window, int count) {
    for (int i = 0; i < count; ++i) SendMessageW(window, WM_NCPAINT, 1, 0);
}

int CycleSkinnedDialogs(int cycles) {
    int skinned = 0;
    for (int i = 0; i < cycles; ++i) {
        auto* dialog = new TForm(nullptr);
        dialog->SetBorderStyle(bsDialog);
        dialog->SetCaption("Soak dialog");
        dialog->SetBounds(100, 100, 300, 180);
        auto* label = new TLabel(dialog);
        label->SetParent(dialog);
        label->SetCaption("Apply the change?");
        label->SetBounds(16, 16, 200, 20);
        const char* captions[] = {"OK", "Cancel"};
        for (int b = 0; b < 2; ++b) {
            auto* button = new TButton(dialog);
            button->SetParent(dialog);
            button->SetCaption(captions[b]);
            button->SetBounds(60 + b * 100, 100, 80, 26);
        }
        dialog->Show();
        PumpPendingMessages();
        if (skin::win::SkinManager != nullptr && skin::win::SkinManager->FindFormSkin(dialog->Handle()) != nullptr)
            ++skinned;
        dialog->Close();
        PumpPendingMessages();
        delete dialog;
        PumpPendingMessages();
    }
    return skinned;
}

}  // namespace testing_support
