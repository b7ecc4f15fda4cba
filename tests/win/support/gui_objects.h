// Counting a process's live GDI objects and its windows, for leak checks.
#pragma once

#include <windows.h>

namespace testing_support {

// Live GDI objects of this process. Wine does not implement GetGuiResources (it returns 0), so
// where it reports nothing the handle table is probed: GetObjectType is non-zero exactly for
// live objects, and Wine accepts a handle with a zero high word.
int CountGdiObjects();

// The windows of this thread: top-level windows and all their descendants (not Wine's IME window).
int CountThreadWindows();

}  // namespace testing_support
