// Button, check-box and radio-button skins on real windows: the skin's frames read back from the
// screen for each state, real mouse and keyboard input (hover, press, release inside and outside,
// space, a click on a radio button), framework buttons, and detaching.

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <vector>

#include "base/win/handles.h"
#include "form_skin_fixture.h"
#include "framework/win/framework.h"
#include "skin/controls/button_rules.h"
#include "skin/controls/check_glyph.h"
#include "skin/controls/win/skin_button.h"
#include "skin/controls/win/skin_check_box.h"
#include "skin/manager/win/skin_manager.h"
#include "support/control_forms.h"
#include "support/gui_objects.h"
#include "support/message_pump.h"
#include "support/window_probe.h"

namespace {

using form_test::InputThread;
using form_test::MouseButton;
using form_test::MoveMouseTo;
using form_test::RgbOf;
using form_test::WaitFor;
using skin::controls::CheckGlyphFrame;
using skin::controls::CheckValue;
using skin::win::TSkinControl;
using testing_support::PumpMessagesFor;
using testing_support::PumpMessagesUntil;
using testing_support::Redraw;
using testing_support::ShowSkinned;

constexpr std::uint32_t kMagenta = 0x00FF00FF;

// Pixels of `map`'s frame `frame` (of `count`) inside `area` (frame coordinates) against the
// screen at `at` + area's corner; see-through pixels are skipped.
bool ScreenShows(const skin::Bitmap& screen, POINT at, const skin::Bitmap& map, int count, int frame,
                 const RECT& area) {
    const int width = map.Width() / count;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            const std::uint32_t expected = RgbOf(map.Row(y)[(frame - 1) * width + x]);
            const int sx = at.x + x - area.left, sy = at.y + y - area.top;
            if (expected == kMagenta) continue;
            if (!screen.Contains(sx, sy) || RgbOf(screen.Row(sy)[sx]) != expected) return false;
        }
    }
    return true;
}

// The button shows frame `frame` of the skin's button image in its top-left and bottom-right
// corners (the parts the image keeps unscaled).
bool ButtonShows(HWND button, const skin::TDataSkinButton& b, int frame) {
    const base::win::DibSection shot = form_test::ScreenPixels(button);
    const skin::Bitmap& screen = shot.Pixels();
    const int fw = b.Map.Width() / 5, fh = b.Map.Height();
    const RECT topLeft{0, 0, b.Margins.Left, b.Margins.Top};
    const RECT bottomRight{fw - b.Margins.Right, fh - b.Margins.Bottom, fw, fh};
    return ScreenShows(screen, {0, 0}, b.Map, 5, frame, topLeft) &&
           ScreenShows(screen, {screen.Width() - b.Margins.Right, screen.Height() - b.Margins.Bottom}, b.Map, 5, frame,
                       bottomRight);
}

// A bare check box or radio button shows glyph frame `frame` where the skin puts it.
bool GlyphShows(HWND box, const skin::TDataSkinButton& b, bool radio, int frame) {
    const skin::Bitmap& map = radio ? b.RadioMap : b.CheckMap;
    const int count = radio ? b.RadioFrameCount : b.CheckFrameCount;
    const int width = map.Width() / count, height = map.Height();
    const base::win::DibSection shot = form_test::ScreenPixels(box);
    const int x = radio && width < 15 ? (14 - width) / 2 : 0;
    const int y = (shot.Pixels().Height() - height) / 2;
    return ScreenShows(shot.Pixels(), {x, y}, map, count, frame, RECT{0, 0, width, height});
}

POINT CentreOf(HWND window) {
    const RECT r = form_test::WindowRectOf(window);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

HWND ButtonChild(HWND parent, const wchar_t* text, DWORD style, int id, int x, int y, int w, int h) {
    return CreateWindowExW(0, L"BUTTON", text, WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, x, y, w, h, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
}

// A bare window with push buttons (normal, default, disabled), check boxes and radio buttons.
struct BareButtons {
    explicit BareButtons(skin::win::TSkinData& skin) : window(WS_OVERLAPPEDWINDOW, 0, 360, 150) {
        const HWND w = window.Handle();
        push = ButtonChild(w, L"Uredu", BS_PUSHBUTTON, 101, 10, 10, 90, 28);
        def = ButtonChild(w, L"Primeni", BS_DEFPUSHBUTTON, 102, 110, 10, 90, 28);
        off = ButtonChild(w, L"Otkazi", BS_PUSHBUTTON | WS_DISABLED, 103, 210, 10, 90, 28);
        check = ButtonChild(w, L"Jedan", BS_AUTOCHECKBOX, 201, 10, 50, 150, 22);
        third = ButtonChild(w, L"Dva", BS_AUTO3STATE, 202, 10, 80, 150, 22);
        checkOff = ButtonChild(w, L"Tri", BS_AUTOCHECKBOX | WS_DISABLED, 203, 10, 110, 150, 22);
        radio = ButtonChild(w, L"Prvi", BS_AUTORADIOBUTTON | WS_GROUP, 301, 180, 50, 150, 22);
        radio2 = ButtonChild(w, L"Drugi", BS_AUTORADIOBUTTON, 302, 180, 80, 150, 22);
        radioOff = ButtonChild(w, L"Treci", BS_AUTORADIOBUTTON | WS_DISABLED, 303, 180, 110, 150, 22);
        for (HWND child : All()) procs.push_back(GetWindowLongPtrW(child, GWLP_WNDPROC));
        form = form_test::AttachSkin(skin, w);
    }
    std::vector<HWND> All() const { return {push, def, off, check, third, checkOff, radio, radio2, radioOff}; }
    int Clicks(int id) const {
        int n = 0;
        for (const MSG& m : window.Messages())
            if (m.message == WM_COMMAND && m.wParam == MAKEWPARAM(id, BN_CLICKED)) ++n;
        return n;
    }
    form_test::TestWindow window;
    HWND push, def, off, check, third, checkOff, radio, radio2, radioOff;
    std::vector<LONG_PTR> procs;
    std::unique_ptr<skin::win::TSkinForm> form;
};

// Sends each step's input from a second thread and waits, pumping messages, until the step's
// condition holds before the next step is sent.
using InputStep = std::pair<std::function<void()>, std::function<bool()>>;
void Drive(const std::vector<InputStep>& steps) {
    std::atomic<int> go{0};
    InputThread input([&] {
        for (int i = 0; i < static_cast<int>(steps.size()); ++i) {
            if (!WaitFor([&] { return go.load() > i; })) return;
            steps[static_cast<std::size_t>(i)].first();
        }
    });
    for (int i = 0; i < static_cast<int>(steps.size()); ++i) {
        go = i + 1;
        if (!PumpMessagesUntil(steps[static_cast<std::size_t>(i)].second)) {
            ADD_FAILURE() << "step " << i << " did not come true";
            go = static_cast<int>(steps.size());
            return;
        }
    }
}

TEST(ControlsButtons, BareButtonsShowTheSkinFramesAndDetachGivesTheProceduresBack) {
    for (const char* name : {"graphite", "meadow"}) {
        SCOPED_TRACE(name);
        MoveMouseTo({2, 2});
        auto skin = form_test::LoadSkin(name);
        const skin::TDataSkinButton& b = *skin->Objects().Buttons;
        BareButtons w(*skin);
        for (HWND push : {w.push, w.def, w.off})
            EXPECT_NE(dynamic_cast<skin::win::TSkinButton*>(TSkinControl::FromWindow(push)), nullptr);
        for (HWND box : {w.check, w.third, w.checkOff}) {
            auto* s = dynamic_cast<skin::win::TSkinCheckBox*>(TSkinControl::FromWindow(box));
            ASSERT_NE(s, nullptr);
            EXPECT_EQ(s->PaintMode(), 0);
        }
        for (HWND radio : {w.radio, w.radio2, w.radioOff})
            EXPECT_NE(dynamic_cast<skin::win::TSkinRadioButton*>(TSkinControl::FromWindow(radio)), nullptr);

        SendMessageW(w.check, BM_SETCHECK, BST_CHECKED, 0);
        SendMessageW(w.third, BM_SETCHECK, BST_INDETERMINATE, 0);
        SendMessageW(w.checkOff, BM_SETCHECK, BST_CHECKED, 0);
        SendMessageW(w.radio2, BM_SETCHECK, BST_CHECKED, 0);
        Redraw(w.window.Handle());

        EXPECT_TRUE(ButtonShows(w.push, b, 1));
        EXPECT_TRUE(ButtonShows(w.def, b, 5));
        EXPECT_TRUE(ButtonShows(w.off, b, 3));
        EXPECT_FALSE(ButtonShows(w.def, b, 1));  // the frames tell apart where compared
        const int nc = b.CheckFrameCount, nr = b.RadioFrameCount;
        EXPECT_TRUE(GlyphShows(w.check, b, false, CheckGlyphFrame(nc, CheckValue::Checked, false, false)));
        EXPECT_TRUE(GlyphShows(w.third, b, false, CheckGlyphFrame(nc, CheckValue::Indeterminate, false, false)));
        EXPECT_TRUE(GlyphShows(w.checkOff, b, false, CheckGlyphFrame(nc, CheckValue::Checked, true, false)));
        EXPECT_TRUE(GlyphShows(w.radio, b, true, CheckGlyphFrame(nr, CheckValue::Unchecked, false, true)));
        EXPECT_TRUE(GlyphShows(w.radio2, b, true, CheckGlyphFrame(nr, CheckValue::Checked, false, true)));
        EXPECT_TRUE(GlyphShows(w.radioOff, b, true, CheckGlyphFrame(nr, CheckValue::Unchecked, true, true)));
        SendMessageW(w.check, BM_SETCHECK, BST_UNCHECKED, 0);
        testing_support::PumpPendingMessages();
        EXPECT_TRUE(GlyphShows(w.check, b, false, CheckGlyphFrame(nc, CheckValue::Unchecked, false, false)));

        const int objects = testing_support::CountGdiObjects();
        for (int i = 0; i < 5; ++i) Redraw(w.window.Handle());
        EXPECT_EQ(testing_support::CountGdiObjects(), objects);  // no paint keeps a GDI object

        SetFocus(w.push);  // focused shows the hot frame
        testing_support::PumpPendingMessages();
        EXPECT_TRUE(ButtonShows(w.push, b, 4));

        w.form.reset();
        const auto all = w.All();
        for (std::size_t i = 0; i < all.size(); ++i) {
            EXPECT_EQ(GetWindowLongPtrW(all[i], GWLP_WNDPROC), w.procs[i]) << i;
            EXPECT_EQ(TSkinControl::FromWindow(all[i]), nullptr);
        }
    }
}

// Real input: hover, press, release inside (one click), press and drag off, back on, off and
// release (no click); space toggles a check box and clicks a button once; a click checks a radio.
TEST(ControlsButtons, RealInputOnBareButtonsCheckBoxesAndRadios) {
    for (const char* name : {"graphite", "meadow"}) {
        SCOPED_TRACE(name);
        MoveMouseTo({2, 2});
        auto skin = form_test::LoadSkin(name);
        const skin::TDataSkinButton& b = *skin->Objects().Buttons;
        BareButtons w(*skin);
        auto* s = dynamic_cast<skin::win::TSkinButton*>(TSkinControl::FromWindow(w.push));
        ASSERT_NE(s, nullptr);
        const POINT centre = CentreOf(w.push);
        const POINT off{centre.x, centre.y + 60};  // on the window, below the buttons
        const auto pressed = [&] { return (s->State() & TSkinControl::kPressed) != 0; };
        const auto shows = [&](int frame) { return ButtonShows(w.push, b, frame); };
        const auto checked = [](HWND box) { return SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED; };
        const auto glyph = [&](HWND box, bool radio) {
            const int count = radio ? b.RadioFrameCount : b.CheckFrameCount;
            return GlyphShows(box, b, radio, CheckGlyphFrame(count, CheckValue::Checked, false, radio));
        };
        const auto down = [] { MouseButton(true); };
        const auto up = [] { MouseButton(false); };
        const auto space = [] { form_test::TapKey(VK_SPACE); };
        const auto nothing = [] {};
        Drive({
            {[&] { MoveMouseTo(centre); },
             [&] { return (s->State() & TSkinControl::kHot) != 0 && w.form->HoverButton == s && shows(4); }},
            {down, [&] { return pressed() && shows(2) && GetCapture() == w.push; }},
            {up, [&] { return w.Clicks(101) == 1 && shows(4); }},
            {down, pressed},
            {[&] { MoveMouseTo(off); }, [&] { return !pressed() && !shows(2); }},
            {[&] { MoveMouseTo(centre); }, [&] { return pressed() && shows(2); }},
            {[&] { MoveMouseTo(off); }, [&] { return !pressed(); }},
            {up, [&] { return !s->Tracking() && GetCapture() == nullptr && !shows(2); }},
            {nothing, [&] { return SetFocus(w.check), GetFocus() == w.check; }},  // focus moves on this thread
            {space, [&] { return checked(w.check) && glyph(w.check, false); }},
            {nothing, [&] { return SetFocus(w.push), GetFocus() == w.push; }},
            {space, [&] { return w.Clicks(101) == 2; }},
            {[&] { MoveMouseTo(CentreOf(w.radio)); }, [] { return true; }},
            {down, [] { return true; }},
            {up, [&] { return checked(w.radio) && !checked(w.radio2) && glyph(w.radio, true); }},
        });
        PumpMessagesFor(100);
        EXPECT_EQ(w.Clicks(101), 2);
    }
}

// Framework buttons: a TButton and a TSpeedButton click when released inside only; the speed
// button shows hot and pressed on its parent; a speed button's glyph sits beside its caption and
// turns grey when disabled.
TEST(ControlsButtons, FrameworkButtonAndSpeedButtons) {
    Application->Initialize();
    MoveMouseTo({2, 2});
    auto skin = form_test::LoadSkin("graphite");
    const skin::TDataSkinButton& b = *skin->Objects().Buttons;
    auto* form = new TForm(nullptr);
    form->SetBounds(100, 100, 300, 160);
    auto* button = new TButton(form);
    button->SetParent(form);
    button->SetBounds(10, 10, 90, 28);
    button->SetCaption("Uredu");
    auto* speed = new TSpeedButton(form);
    speed->SetParent(form);
    speed->SetBounds(120, 10, 90, 28);
    speed->SetCaption("Brzo");
    auto* glyphed = new TSpeedButton(form);
    glyphed->SetParent(form);
    glyphed->SetBounds(20, 50, 120, 28);
    glyphed->SetCaption("Slika");
    // Two 16 x 16 glyph frames: red, and (30, 60, 90) for disabled; olive marks see-through.
    TBitmap glyph;
    glyph.SetSize(32, 16);
    {
        base::win::UniqueHBrush red(CreateSolidBrush(RGB(255, 0, 0)));
        base::win::UniqueHBrush blue(CreateSolidBrush(RGB(30, 60, 90)));
        const RECT first{0, 0, 16, 16}, second{16, 0, 32, 16};
        FillRect(glyph.Canvas()->Handle(), &first, red.Get());
        FillRect(glyph.Canvas()->Handle(), &second, blue.Get());
        SetPixel(glyph.Canvas()->Handle(), 0, 15, RGB(128, 128, 0));
        SetPixel(glyph.Canvas()->Handle(), 16, 15, RGB(128, 128, 0));
    }
    glyphed->SetGlyph(&glyph);
    glyphed->SetNumGlyphs(2);
    glyphed->SetMargin(4);
    int buttonClicks = 0, speedClicks = 0;
    button->OnClick = [&](TObject*) { ++buttonClicks; };
    speed->OnClick = [&](TObject*) { ++speedClicks; };
    skin::win::TSkinForm* formSkin = ShowSkinned(form, *skin, true);

    skin::win::TSkinButton* buttonSkin = nullptr;
    skin::win::TSkinSpeedButton* speedSkin = nullptr;
    for (TSkinControl* s : formSkin->ControlSkins()) {
        if (s->Control() == button) buttonSkin = dynamic_cast<skin::win::TSkinButton*>(s);
        if (s->GraphicControl() == speed) speedSkin = dynamic_cast<skin::win::TSkinSpeedButton*>(s);
    }
    ASSERT_NE(buttonSkin, nullptr);
    ASSERT_NE(speedSkin, nullptr);
    // The form's first control takes the focus: the focused look is the hot frame.
    EXPECT_TRUE(ButtonShows(button->Handle(), b, GetFocus() == button->Handle() ? 4 : 1));
    // Speed buttons are drawn on the form: read its client area.
    const auto formPixels = [&] {
        const base::win::DibSection shot = form_test::ScreenPixels(form->Handle());
        return skin::Bitmap(shot.Pixels());
    };
    const POINT client = form_test::ClientOffset(form->Handle());
    const auto speedShows = [&](int frame) {
        return ScreenShows(formPixels(), {client.x + 120, client.y + 10}, b.Map, 5, frame,
                           RECT{0, 0, b.Margins.Left, b.Margins.Top});
    };
    const auto glyphPixel = [&](int x, int y) {  // glyph at margin 4, (28 - 16 + 1) / 2 = 6 down
        return RgbOf(formPixels().Row(client.y + 50 + 6 + y)[client.x + 20 + 4 + x]);
    };
    EXPECT_TRUE(speedShows(1));
    EXPECT_EQ(glyphPixel(8, 8), 0xFF0000u);
    EXPECT_EQ(glyphPixel(15, 0), 0xFF0000u);
    EXPECT_NE(glyphPixel(0, 15), 0x808000u);  // see-through
    EXPECT_NE(glyphPixel(16 + 8, 8), 0xFF0000u);
    glyphed->SetEnabled(false);
    Redraw(form->Handle());
    EXPECT_EQ(glyphPixel(8, 8), 0x3C3C3Cu);  // (30 + 60 + 90) / 3 = 60
    EXPECT_NE(glyphPixel(0, 15), 0x808000u);
    const int objects = testing_support::CountGdiObjects();
    for (int i = 0; i < 5; ++i) Redraw(form->Handle());
    EXPECT_EQ(testing_support::CountGdiObjects(), objects);

    POINT origin{0, 0};
    ClientToScreen(form->Handle(), &origin);
    const POINT onButton{origin.x + 55, origin.y + 24}, onSpeed{origin.x + 165, origin.y + 24};
    const POINT away{origin.x + 200, origin.y + 110};
    const auto buttonPressed = [&] { return (buttonSkin->State() & TSkinControl::kPressed) != 0; };
    const auto speedPressed = [&] { return (speedSkin->State() & TSkinControl::kPressed) != 0; };
    const auto down = [] { MouseButton(true); };
    const auto up = [] { MouseButton(false); };
    const auto moveTo = [](POINT p) { return [p] { MoveMouseTo(p); }; };
    Drive({
        {moveTo(onButton), [&] { return true; }},
        {down, buttonPressed},
        {up, [&] { return buttonClicks == 1; }},
        {down, buttonPressed},
        {moveTo(away), [&] { return !buttonPressed(); }},
        {up, [&] { return !buttonSkin->Tracking(); }},
        {moveTo(onSpeed), [&] { return (speedSkin->State() & TSkinControl::kHot) != 0 && speedShows(4); }},
        {down, [&] { return speedPressed() && speedShows(2); }},
        {up, [&] { return speedClicks == 1; }},
        {down, speedPressed},
        {moveTo(away), [&] { return !speedPressed(); }},
        {up, [&] { return GetCapture() == nullptr; }},
    });
    PumpMessagesFor(100);
    EXPECT_EQ(buttonClicks, 1);
    EXPECT_EQ(speedClicks, 1);
    EXPECT_FALSE(speed->Pressed());
    delete form;
    testing_support::PumpPendingMessages();
}

// A framework control that is a check box window: the skin paints all of it (parent's image,
// glyph, caption), the caption in the shadow colour when disabled.
class TestCheckBox : public TButton {
public:
    using TButton::TButton;

protected:
    void CreateParams(TCreateParams& params) override {
        TButton::CreateParams(params);
        params.Style = (params.Style & ~0xFu) | BS_AUTOCHECKBOX;
    }
};

TEST(ControlsButtons, FrameworkCheckBoxIsPaintedWholeBySkin) {
    Application->Initialize();
    auto skin = form_test::LoadSkin("meadow");
    const skin::TDataSkinButton& b = *skin->Objects().Buttons;
    auto* form = new TForm(nullptr);
    form->SetBounds(100, 100, 300, 120);
    auto* box = new TestCheckBox(form);
    box->SetParent(form);
    box->SetBounds(10, 10, 150, 22);
    box->SetCaption("WWWW");
    skin::win::TSkinForm* formSkin = ShowSkinned(form, *skin, false);
    auto* boxSkin = new skin::win::TSkinCheckBox(box);
    boxSkin->InitSkin(formSkin, skin.get(), false);
    EXPECT_EQ(boxSkin->PaintMode(), 1);
    SendMessageW(box->Handle(), BM_SETCHECK, BST_CHECKED, 0);
    Redraw(form->Handle());
    const auto glyphShows = [&](bool disabled) {
        return GlyphShows(box->Handle(), b, false,
                          CheckGlyphFrame(b.CheckFrameCount, CheckValue::Checked, disabled, false));
    };
    const auto captionPixels = [&](COLORREF color) {  // right of the 18-pixel glyph column
        const base::win::DibSection shot = form_test::ScreenPixels(box->Handle());
        const std::uint32_t rgb = (GetRValue(color) << 16) | (GetGValue(color) << 8) | GetBValue(color);
        int n = 0;
        for (int y = 0; y < shot.Pixels().Height(); ++y)
            for (int x = 18; x < shot.Pixels().Width(); ++x) n += RgbOf(shot.Pixels().Row(y)[x]) == rgb ? 1 : 0;
        return n;
    };
    EXPECT_TRUE(glyphShows(false));
    EXPECT_GT(captionPixels(ColorToRGB(box->Font()->Color())), 10);
    box->SetEnabled(false);
    Redraw(form->Handle());
    EXPECT_TRUE(glyphShows(true));
    EXPECT_GT(captionPixels(ColorToRGB(skin->Objects().ButtonShadowColor)), 10);
    delete form;
    testing_support::PumpPendingMessages();
}

}  // namespace
