// What skinrun.exe and the engine's DLL agree on to skin a program that never asked for it.
#pragma once

#include <windows.h>

namespace skin::api {

// The environment variable skinrun gives the program it starts: the full path of the skin file.
constexpr const wchar_t* kSkinRunSkinVariable = L"SKINRUN_SKIN";
// The DLL's export that skinrun sets as a thread CBT hook on the program's first thread.
constexpr const char* kSkinRunHookExport = "SkinRunHookProc";

// DllMain's part, for each thread the program starts: the hook that starts the engine on it at
// its first window. Nothing is done as a thread ends: by then the thread's own variables may be
// gone, and its windows, whose skins end with them, are gone already.
void HookNewThread(HINSTANCE dll);

}  // namespace skin::api
