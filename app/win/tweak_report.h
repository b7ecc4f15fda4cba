#pragma once
// How a confirming dialog tells the user what its tweak did.

#include <string>

#include "app/tweak_outcome.h"

// Shows the success text when every setting was written, otherwise which
// settings were left unchanged and why (never the success text). Returns
// whether everything was written.
bool ReportApplied(const TweakOutcome& outcome, const std::string& success);
