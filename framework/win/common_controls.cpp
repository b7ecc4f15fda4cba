#include "framework/win/internal.h"

#include <commctrl.h>

void framework_internal::InitCommonControlClasses(DWORD classes) {
    static DWORD registered = 0;
    if ((registered & classes) == classes) return;
    INITCOMMONCONTROLSEX init{};
    init.dwSize = sizeof(init);
    init.dwICC = classes;
    if (InitCommonControlsEx(&init)) registered |= classes;
}
