#include "app/win/run_utility.h"

#include "app/win/app_icon_win.h"
#include "app/win/create_forms.h"
#include "framework/win/application.h"

int RunUtility(void (*afterFormsCreated)()) {
    Application->Initialize();
    Application->SetIcon(ApplicationIcon());
    CreateApplicationForms();
    if (afterFormsCreated) afterFormsCreated();
    Application->Run();
    return 0;
}
