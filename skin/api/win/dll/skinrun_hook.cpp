// Inside a program started by skinrun: the thread CBT hook that skinrun sets with this DLL's
// module on the program's first thread makes Windows load the DLL into the program; its first
// call starts the engine on that thread, with the skin skinrun named. Threads the program starts
// later get the same hook from DllMain, so their windows are skinned too.

#include <string>

#include "skin/api/win/dll/skinrun_hook.h"
#include "skin/api/win/skinengine.h"

namespace {

// The skin skinrun named, or empty when this process was not started by skinrun.
const std::wstring& SkinRunSkin() {
    static const std::wstring path = [] {
        wchar_t buffer[MAX_PATH * 2]{};
        const DWORD length = GetEnvironmentVariableW(skin::api::kSkinRunSkinVariable, buffer, MAX_PATH * 2);
        return length > 0 && length < MAX_PATH * 2 ? std::wstring(buffer, length) : std::wstring();
    }();
    return path;
}

thread_local bool t_started = false;

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK SkinRunHookProc(int code, WPARAM wParam, LPARAM lParam) {
    if (!t_started && !SkinRunSkin().empty()) {
        t_started = true;  // before starting: the engine's own windows reach this hook too
        SkinStartFile(SkinRunSkin().c_str());
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

namespace skin::api {

void HookNewThread(HINSTANCE dll) {
    // The hook goes with the thread; so does its skinning, with its windows.
    if (!SkinRunSkin().empty()) SetWindowsHookExW(WH_CBT, &SkinRunHookProc, dll, GetCurrentThreadId());
}

}  // namespace skin::api
