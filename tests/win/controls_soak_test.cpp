// The gallery's control page opened and closed under the skin, and its controls repainted three
// thousand times: no GDI object and no window is left behind. (The benchmarks' soak runs the
// page a thousand times; here thirty keep the suite quick: one object lost per page or per
// paint shows all the same.)

#include <gtest/gtest.h>

#include <vector>

#include "framework/win/framework.h"
#include "gallery/win/controls_showcase.h"
#include "skin/controls/win/skin_control.h"
#include "skin/form/win/skin_form.h"
#include "support/control_forms.h"
#include "support/gui_objects.h"
#include "support/message_pump.h"
#include "support/skin_soak.h"

namespace {

TEST(ControlsSoak, ControlPageCyclesAndRepaintsLeaveNoObjectsBehind) {
    Application->Initialize();
    auto data = testing_support::HeldSkinData("graphite");
    auto make = []() -> TForm* { return new TControlsForm(nullptr); };
    // The first rounds fill caches that live as long as the process.
    EXPECT_EQ(testing_support::CycleSkinnedControlForms(*data, 2, make), 2);
    const int gdi = testing_support::CountGdiObjects();
    const int windows = testing_support::CountThreadWindows();
    EXPECT_EQ(testing_support::CycleSkinnedControlForms(*data, 30, make), 30);
    EXPECT_EQ(testing_support::CountGdiObjects(), gdi);
    EXPECT_EQ(testing_support::CountThreadWindows(), windows);

    auto* form = new TControlsForm(nullptr);
    form->Show();
    skin::win::TSkinForm* formSkin = testing_support::SkinFrameworkForm(*data, form);
    testing_support::PumpPendingMessages();
    std::vector<HWND> skinned;
    for (const skin::win::TSkinControl* skin : formSkin->ControlSkins())
        if (skin->Handle() != nullptr) skinned.push_back(skin->Handle());
    ASSERT_GE(skinned.size(), 10u);
    RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    const int gdiBefore = testing_support::CountGdiObjects();
    for (int i = 0; i < 3000; ++i)
        RedrawWindow(skinned[static_cast<std::size_t>(i) % skinned.size()], nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    testing_support::PumpPendingMessages();
    EXPECT_EQ(testing_support::CountGdiObjects(), gdiBefore);
    delete form;
    testing_support::PumpPendingMessages();
}

}  // namespace
