// The leak counters that the soak tests rely on must see a leak of a single object.
#include "win/support/gui_objects.h"

#include <gtest/gtest.h>

#include <vector>

#include "base/win/handles.h"

using testing_support::CountGdiObjects;
using testing_support::CountThreadWindows;

TEST(GuiObjectCount, SeesEveryLeakedRegionAndNothingWhenOwnersFreeThem) {
    const int before = CountGdiObjects();
    {
        std::vector<base::win::UniqueHRgn> owned;
        for (int i = 0; i < 10; ++i) owned.emplace_back(CreateRectRgn(0, 0, 10 + i, 10));
        EXPECT_EQ(CountGdiObjects(), before + 10);
    }
    EXPECT_EQ(CountGdiObjects(), before);

    HRGN leaked = CreateRectRgn(0, 0, 1, 1);  // one deliberate leak is seen...
    EXPECT_EQ(CountGdiObjects(), before + 1);
    DeleteObject(leaked);  // ...and its release too
    EXPECT_EQ(CountGdiObjects(), before);
}

TEST(GuiObjectCount, CountsThreadWindowsWithTheirChildren) {
    const int before = CountThreadWindows();
    HWND top = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    HWND child = CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 5, 5, top, nullptr, nullptr, nullptr);
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(CountThreadWindows(), before + 2);
    DestroyWindow(top);
    EXPECT_EQ(CountThreadWindows(), before);
}
