#pragma once
// What the utility tells the user after a tweak: the success text when every
// setting was written, otherwise which settings were left as they were and why.

#include <optional>
#include <string>

#include "app/tweak_outcome.h"
#include "app/tweaks.h"

// The reason a setting was left unchanged, as one clause.
std::string ReasonText(const SettingFailure& failure);

// `"Window Title": <reason>` for one setting.
std::string SettingLine(const SettingFailure& failure);

// A confirming dialog's message: `success` when nothing failed.
std::string ApplyMessage(const TweakOutcome& outcome, const std::string& success);

// "Vrati na Default": the success text, or the settings it could not restore.
std::string RestoreMessage(const TweakOutcome& outcome);

// Shown before a write that would be refused (see CheckWriteAccess); nothing
// when `predicted` is empty.
std::optional<std::string> WriteAccessNote(const TweakOutcome& predicted);

// The one-line form of WriteAccessNote for the description panel; empty when
// nothing stands in the way.
std::string WriteAccessPanelNote(const TweakOutcome& predicted);

// What the restart button reports; nothing when the restart was accepted.
std::optional<std::string> RestartMessage(RestartResult result);
