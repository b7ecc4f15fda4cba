#pragma once
// Creates the application's windows in their fixed order, main window first.

void CreateApplicationForms();
