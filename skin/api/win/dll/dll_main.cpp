// The engine's DLL: the plain Win32 entry (skinengine.h) and skinrun's hook.

#include <windows.h>

#include "skin/api/win/dll/skinrun_hook.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE dll, DWORD reason, LPVOID) {
    switch (reason) {
        case DLL_THREAD_ATTACH: skin::api::HookNewThread(dll); break;
        default: break;
    }
    return TRUE;
}
