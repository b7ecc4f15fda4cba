// A Windows RECT and the portable rectangle: the same four edges, right and bottom exclusive.
#pragma once

#include <windows.h>

#include "base/geometry.h"

namespace base::win {

inline Rect FromRECT(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }
inline RECT ToRECT(const Rect& r) { return {r.Left, r.Top, r.Right, r.Bottom}; }

}  // namespace base::win
