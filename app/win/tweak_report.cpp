#include "app/win/tweak_report.h"

#include "app/tweak_messages.h"
#include "framework/win/dialogs.h"

bool ReportApplied(const TweakOutcome& outcome, const std::string& success) {
    ShowMessage(ApplyMessage(outcome, success));
    return outcome.empty();
}
