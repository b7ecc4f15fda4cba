#include "app/tweak_messages.h"

#include "app/catalogue.h"

std::string ReasonText(const SettingFailure& failure) {
    switch (failure.reason) {
        case RegStatus::Ok: return "upisano";
        case RegStatus::NotFound:
            return std::string("kljuc ") + RegRootName(failure.root) + "\\" + failure.key + " ne postoji u registru";
        case RegStatus::AccessDenied: return "pristup je odbijen, potrebna su administratorska prava";
        case RegStatus::Failed: return "Windows je odbio upis";
    }
    return "Windows je odbio upis";
}

std::string SettingLine(const SettingFailure& failure) { return "\"" + failure.value + "\": " + ReasonText(failure); }

namespace {

std::string Lines(const TweakOutcome& outcome) {
    std::string text;
    for (const SettingFailure& failure : outcome) text += "\n" + SettingLine(failure);
    return text;
}

}  // namespace

std::string ApplyMessage(const TweakOutcome& outcome, const std::string& success) {
    if (outcome.empty()) return success;
    return tweak_text::kNotApplied + Lines(outcome);
}

std::string RestoreMessage(const TweakOutcome& outcome) {
    if (outcome.empty()) return tweak_text::kRestored;
    return tweak_text::kNotRestored + Lines(outcome);
}

std::optional<std::string> WriteAccessNote(const TweakOutcome& predicted) {
    if (predicted.empty()) return std::nullopt;
    const bool denied = predicted.front().reason == RegStatus::AccessDenied;
    return std::string(denied ? tweak_text::kNeedsAdministrator : tweak_text::kCannotWrite) + Lines(predicted);
}

std::string WriteAccessPanelNote(const TweakOutcome& predicted) {
    if (predicted.empty()) return {};
    return predicted.front().reason == RegStatus::AccessDenied ? tweak_text::kNeedsAdministrator
                                                               : tweak_text::kCannotWrite;
}

std::optional<std::string> RestartMessage(RestartResult result) {
    switch (result) {
        case RestartResult::Accepted: return std::nullopt;
        case RestartResult::PrivilegeNotHeld: return tweak_text::kRestartNoPrivilege;
        case RestartResult::Refused: return tweak_text::kRestartRefused;
    }
    return tweak_text::kRestartRefused;
}
