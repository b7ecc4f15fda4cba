#pragma once
// The utility's program: creates the main window and the dialogs, in their
// fixed order, and runs until the main window closes.

// `afterFormsCreated`, when given, runs once the windows exist and before the
// message loop starts (the test build starts its screenshot tour there).
int RunUtility(void (*afterFormsCreated)() = nullptr);
