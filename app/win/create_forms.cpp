#include "app/win/create_forms.h"

#include "app/win/main_window.h"
#include "app/win/control_panel_dialog.h"
#include "app/win/control_panel_menu_dialog.h"
#include "app/win/system_info_dialog.h"
#include "app/win/start_page_dialog.h"
#include "app/win/display_properties_dialog.h"
#include "app/win/drives_dialog.h"
#include "app/win/window_title_dialog.h"
#include "app/win/desktop_icons_dialog.h"
#include "app/win/shutdown_dialog.h"
#include "app/win/logon_notice_dialog.h"
#include "app/win/task_manager_dialog.h"

void CreateApplicationForms() {
    Application->CreateForm(Form1);
    Application->CreateForm(Form2);
    Application->CreateForm(Form3);
    Application->CreateForm(Form4);
    Application->CreateForm(Form5);
    Application->CreateForm(Form6);
    Application->CreateForm(Form7);
    Application->CreateForm(Form8);
    Application->CreateForm(Form9);
    Application->CreateForm(Form10);
    Application->CreateForm(Form11);
    Application->CreateForm(Form13);
}
