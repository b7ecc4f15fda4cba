#include "app/setting_state.h"

#include <algorithm>
#include <optional>

#include "app/catalogue.h"
#include "app/registry.h"
#include "app/tweaks.h"

namespace {

std::optional<RegValue> Read(RegistryBackend& registry, RegRoot root, const char* key, const char* name) {
    const auto open = registry.OpenKey(root, TrimKeyPath(key), kKeyRead);
    if (!open) return std::nullopt;
    return open->QueryValue(name);
}

std::string TextOf(const RegValue& value) {
    const auto end = std::find(value.data.begin(), value.data.end(), std::uint8_t{0});
    return std::string(value.data.begin(), end);
}

// A policy: a DWORD or a text number; zero is off, anything else on.
SettingState PolicyState(const std::optional<RegValue>& value) {
    if (!value) return SettingState::Default;
    if (value->type == kRegDword) {
        const bool any = std::any_of(value->data.begin(), value->data.end(), [](std::uint8_t b) { return b != 0; });
        return any ? SettingState::On : SettingState::Off;
    }
    const std::string text = TextOf(*value);
    return text.empty() || text == "0" ? SettingState::Off : SettingState::On;
}

SettingState Policy(RegistryBackend& registry, const char* key, const char* name) {
    return PolicyState(Read(registry, RegRoot::CurrentUser, key, name));
}

// A text setting whose default is the text `standard` (or no value at all).
SettingState TextState(const std::optional<RegValue>& value, const std::string& standard) {
    if (!value || TextOf(*value) == standard) return SettingState::Default;
    return SettingState::On;
}

}  // namespace

SettingState ReadSettingState(RegistryBackend& registry, int index) {
    using namespace tweak_keys;
    switch (DialogForNode(index)) {
        case TweakDialog::Form5:
            return TextState(Read(registry, RegRoot::CurrentUser, kIeMain, "Window Title"),
                             "Microsoft Internet Explorer");
        case TweakDialog::Form2: return TextState(Read(registry, RegRoot::CurrentUser, kIeMain, "Start page"), "");
        case TweakDialog::Form9: return Policy(registry, kSystemPolicy, "DisableTaskMgr");
        case TweakDialog::Form3: return Policy(registry, kSystemPolicy, "NoDispCPL");
        case TweakDialog::Form10:
        case TweakDialog::Form11: return Policy(registry, kExplorerPolicy, "NoControlPanel");
        case TweakDialog::Form6: return Policy(registry, kExplorerPolicy, "NoDesktop");
        case TweakDialog::Form4: return Policy(registry, kExplorerPolicy, "NoDrives");
        case TweakDialog::Form7: return Policy(registry, kExplorerPolicy, "NoClose");
        case TweakDialog::Form8: {
            // In force when Windows has a notice to show; an emptied notice is no notice.
            const auto text = Read(registry, RegRoot::LocalMachine, kWinlogon, "LegalNoticeText");
            const auto caption = Read(registry, RegRoot::LocalMachine, kWinlogon, "LegalNoticeCaption");
            const bool shown = (text && !TextOf(*text).empty()) || (caption && !TextOf(*caption).empty());
            return shown ? SettingState::On : SettingState::Default;
        }
        case TweakDialog::Form13:
        case TweakDialog::None: return SettingState::None;
    }
    return SettingState::None;
}

std::string StateLine(SettingState state) {
    switch (state) {
        case SettingState::None: return {};
        case SettingState::Default: return "Trenutno stanje: podrazumevano (nije podeseno)";
        case SettingState::On: return "Trenutno stanje: ukljuceno";
        case SettingState::Off: return "Trenutno stanje: iskljuceno";
    }
    return {};
}

std::string DescribeNode(RegistryBackend& registry, int index, const std::string& note) {
    const std::optional<CatalogueNode> node = CatalogueAt(index);
    if (!node) return {};
    std::string text = node->description;
    const std::string state = StateLine(ReadSettingState(registry, index));
    if (!state.empty()) text += "\r\n" + state;
    if (!note.empty()) text += "\r\n" + note;
    return text;
}
