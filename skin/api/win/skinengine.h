/* skinengine.h: skin any Win32 program with the bitmap skin engine, from C or C++.
 *
 * Skinning is per GUI thread: the thread that calls SkinStart... has every window it creates
 * from then on (and every visible window it already has) drawn in the skin: frames and captions,
 * menu bars, drop-down and context menus, dialog boxes (the common dialogs too), message boxes
 * and the standard controls. Each GUI thread that wants a skin calls SkinStart... itself.
 *
 *     #include "skinengine.h"
 *     SkinStartResource(NULL, L"SKIN");   // before the first window; NULL: the program's module
 *     ...                                 // the program as it was
 *     SkinStop();                         // optional: every window is given back as it was
 *
 * Link the engine's DLL (skinengine.dll, import library libskinengine.dll.a) or, defining
 * SKINENGINE_STATIC, the static libraries. Every function returns at once; none throws.
 */
#ifndef SKINENGINE_H
#define SKINENGINE_H

#include <stddef.h>
#include <windows.h>

#if defined(SKINENGINE_STATIC)
#define SKINENGINE_API
#elif defined(SKINENGINE_BUILDING_DLL)
#define SKINENGINE_API __declspec(dllexport)
#else
#define SKINENGINE_API __declspec(dllimport)
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* What each call returns. */
enum SkinResult {
    SKIN_OK = 0,
    SKIN_NO_FILE = 1,      /* the skin file or the resource does not exist or cannot be read */
    SKIN_BAD_SKIN = 2,     /* the bytes are not a skin package, or the skin in it cannot be loaded */
    SKIN_NOT_STARTED = 3,  /* SkinSwitch... on a thread that has not started skinning */
    SKIN_BAD_ARGUMENT = 4, /* a null pointer or a size of 0 */
    SKIN_FAILED = 5        /* anything else (out of memory, no hook could be set) */
};

/* Starts skinning the calling thread with a skin package (.skn): a file, bytes in memory (copied),
 * or an RCDATA resource of `module` (NULL: the program's own module) holding the package, bare or
 * framed as a stored skin stream (a 4-byte little-endian length before it). On a thread already
 * skinned these switch to the new skin. On failure nothing changes. */
SKINENGINE_API int WINAPI SkinStartFile(const wchar_t* path);
SKINENGINE_API int WINAPI SkinStartMemory(const void* package, size_t size);
SKINENGINE_API int WINAPI SkinStartResource(HMODULE module, const wchar_t* name);

/* Puts another skin on every skinned window of the calling thread, at once. On failure the
 * windows keep the skin they have. */
SKINENGINE_API int WINAPI SkinSwitchFile(const wchar_t* path);
SKINENGINE_API int WINAPI SkinSwitchMemory(const void* package, size_t size);

/* Stops skinning the calling thread: every window is given back to Windows as it was (styles,
 * region, menu bar, colours, window procedures), and windows created later are left alone.
 * Does nothing on a thread that is not skinned. */
SKINENGINE_API void WINAPI SkinStop(void);

/* Whether the engine draws `window` (a top-level window, a dialog or a control) now. */
SKINENGINE_API BOOL WINAPI SkinIsWindowSkinned(HWND window);

/* A short English text for a SkinResult, for messages. Never NULL. */
SKINENGINE_API const wchar_t* WINAPI SkinResultText(int result);

#ifdef __cplusplus
}
#endif

#endif /* SKINENGINE_H */
