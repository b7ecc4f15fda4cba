#include "win/driver/app_session.h"

#include "app/win/main_window.h"
#include "app/win/create_forms.h"
#include "win/support/message_pump.h"

namespace ui_driver {

void StartApplicationOnce() {
    if (Form1) return;
    Application->Initialize();
    CreateApplicationForms();
    Form1->Show();
    testing_support::PumpMessagesUntil([] { return IsWindowVisible(Form1->Handle()) != FALSE; });
    testing_support::PumpPendingMessages();
}

bool QueueDrained() { return HIWORD(GetQueueStatus(QS_POSTMESSAGE | QS_SENDMESSAGE | QS_INPUT)) == 0; }

}  // namespace ui_driver
