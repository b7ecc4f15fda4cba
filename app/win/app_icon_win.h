#pragma once
// The utility's icon as a Windows icon.

#include <windows.h>

#include "base/win/handles.h"

// An icon of `size` x `size` pixels with the picture of DrawAppIcon; null when GDI refuses.
base::win::UniqueHIcon MakeAppIcon(int size);

// The icon every window of the utility shows. Made once and never destroyed: windows freed
// during the program's static destruction may still show it.
HICON ApplicationIcon();
