// What skinrun.exe and the engine's DLL agree on to skin a program that never asked for it.
#pragma once

#include <windows.h>

namespace skin::api {

// The environment variable skinrun gives the program it starts: the full path of the skin file.
constexpr const wchar_t* kSkinRunSkinVariable = L"SKINRUN_SKIN";
// The DLL's export that skinrun sets as a thread CBT hook on the program's first thread.
constexpr const char* kSkinRunHookExport = "SkinRunHookProc";

// DllMain's part, for each thread the program starts and ends: a new thread gets the hook that
// starts the engine on it at its first window; an ending thread's skinning ends with it.
void HookNewThread(HINSTANCE dll);
void EndThread();

}  // namespace skin::api
