// Tab skins on real tab controls: the tab strip (current tab in the second frame, the others in
// the first) and the page border read back from the screen for tabs on each side in both skins;
// a skin without the border image; a real click switching tabs as on an unskinned twin; the
// scroll arrows of overflowing tabs left visible; detaching; no GDI growth over many repaints.

#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <atomic>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "form_skin_fixture.h"
#include "framework/strings.h"
#include "framework/win/framework.h"
#include "skin/controls/tab_geometry.h"
#include "skin/controls/win/skin_tab.h"
#include "skin/controls/win/skin_tab_set.h"
#include "skin/controls/win/skin_tab_sheet.h"
#include "skin/data/skin_image.h"
#include "skin/data/skin_reader.h"
#include "support/control_forms.h"
#include "support/gui_objects.h"
#include "support/message_pump.h"
#include "support/window_probe.h"
#include "skin/source/package_writer.h"

namespace {

using form_test::RgbOf;
using skin::controls::Rect;
using skin::controls::TabOrientation;
using skin::win::TSkinControl;
using skin::win::TSkinTab;
using testing_support::Redraw;
using testing_support::ShowSkinned;

constexpr DWORD kTop = 0, kBottom = TCS_BOTTOM, kLeft = TCS_VERTICAL | TCS_MULTILINE,
                kRight = TCS_VERTICAL | TCS_RIGHT | TCS_MULTILINE;

HWND AddTabs(HWND parent, DWORD style, int x, int y, int w, int h, int count) {
    const HWND tab = CreateWindowExW(0, WC_TABCONTROLW, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style, x, y, w,
                                     h, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(tab, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    const wchar_t* names[] = {L"Prvi", L"Drugi", L"Treci", L"Cetvrti", L"Peti", L"Sesti", L"Sedmi", L"Osmi"};
    for (int i = 0; i < count; ++i) {
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<wchar_t*>(names[i % 8]);
        SendMessageW(tab, TCM_INSERTITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    }
    return tab;
}

Rect PageOf(HWND tab, TabOrientation orientation) {
    const RECT w = form_test::WindowRectOf(tab);
    RECT r{0, 0, w.right - w.left, w.bottom - w.top};
    SendMessageW(tab, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&r));
    return skin::controls::TabPageRect({r.left, r.top, r.right, r.bottom}, orientation);
}

// Compares the unscaled corners of every tab's frame (selected: 2, others: 1) with the screen,
// drawing the expected strip with the portable primitives: lying down for left and right tabs
// and turned like the screen copy. Returns the number of mismatching corner pixels.
int StripMismatches(HWND tab, const skin::TDataSkinBorder& tabs, TabOrientation o, int selectedFrame = 2) {
    const RECT w = form_test::WindowRectOf(tab);
    const Rect control{0, 0, w.right - w.left, w.bottom - w.top};
    const Rect page = PageOf(tab, o);
    const Rect strip = skin::controls::TabStripRect(control, page, o);
    const auto size = skin::controls::TabStripBufferSize(strip, o);
    skin::Bitmap image = tabs.Map;
    if (o == TabOrientation::Bottom) skin::FlipVertical(image);
    const base::win::DibSection shot = form_test::ScreenPixels(tab);
    const int selected = static_cast<int>(SendMessageW(tab, TCM_GETCURSEL, 0, 0));
    const int count = static_cast<int>(SendMessageW(tab, TCM_GETITEMCOUNT, 0, 0));
    // The arrows of overflowing tabs keep their own look.
    RECT arrows{};
    if (const HWND a = FindWindowExW(tab, nullptr, UPDOWN_CLASSW, nullptr); a != nullptr && IsWindowVisible(a)) {
        arrows = form_test::WindowRectOf(a);
        OffsetRect(&arrows, -w.left, -w.top);
    }
    int mismatches = 0, compared = 0;
    for (int i = 0; i < count; ++i) {
        RECT r{};
        if (!SendMessageW(tab, TCM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r))) continue;
        const Rect b =
            skin::controls::TabItemInBuffer({r.left, r.top, r.right, r.bottom}, o, control, page, size.Width);
        skin::Bitmap expected(size.Width, size.Height, 0x01020304u);
        skin::DrawSkinObject(expected, b, image, false, tabs.Tile != 0, tabs.Trans != 0, tabs.FrameCount,
                             i == selected ? selectedFrame : 1, tabs.Margins);
        const int cw = tabs.Margins.Left, ch = std::max(tabs.Margins.Top, tabs.Margins.Bottom);
        const Rect corners[] = {{b.Left, b.Top, b.Left + cw, b.Top + ch},
                                {b.Right - cw, b.Top, b.Right, b.Top + ch},
                                {b.Left, b.Bottom - ch, b.Left + cw, b.Bottom},
                                {b.Right - cw, b.Bottom - ch, b.Right, b.Bottom}};
        for (const Rect& c : corners) {
            for (int y = c.Top; y < c.Bottom; ++y) {
                for (int x = c.Left; x < c.Right; ++x) {
                    if (!expected.Contains(x, y) || expected.At(x, y) == 0x01020304u) continue;
                    int sx = x, sy = y;  // turned as RotateLeft / RotateRight turn the buffer
                    if (o == TabOrientation::Left) sx = y, sy = size.Width - 1 - x;
                    if (o == TabOrientation::Right) sx = size.Height - 1 - y, sy = x;
                    sx += strip.Left;
                    sy += strip.Top;
                    if (!shot.Pixels().Contains(sx, sy) || PtInRect(&arrows, POINT{sx, sy})) continue;
                    ++compared;
                    if (RgbOf(shot.Pixels().At(sx, sy)) != RgbOf(expected.At(x, y))) ++mismatches;
                }
            }
        }
    }
    return compared > 50 ? mismatches : 1 << 20;
}

// Pixels of the page border's eight outer parts that differ from the screen.
int BorderMismatches(HWND tab, const skin::TDataSkinBorder& tabs, TabOrientation o) {
    skin::Bitmap border = tabs.Map2;
    if (o == TabOrientation::Bottom) skin::FlipVertical(border);
    if (o == TabOrientation::Left) skin::RotateLeft(border);
    if (o == TabOrientation::Right) skin::RotateRight(border);
    const base::win::DibSection shot = form_test::ScreenPixels(tab);
    skin::Bitmap expected(shot.Pixels().Width(), shot.Pixels().Height(), 0x01020304u);
    skin::DrawSkinBorder(expected, PageOf(tab, o), border, false, 1, 1, skin::Rect{4, 5, 4, 4});
    int mismatches = 0, compared = 0;
    for (int y = 0; y < expected.Height(); ++y) {
        for (int x = 0; x < expected.Width(); ++x) {
            if (expected.At(x, y) == 0x01020304u) continue;
            ++compared;
            if (RgbOf(shot.Pixels().At(x, y)) != RgbOf(expected.At(x, y))) ++mismatches;
        }
    }
    return compared > 100 ? mismatches : 1 << 20;
}

// The graphite skin with its [Tabs] section lacking the page border image.
std::unique_ptr<skin::win::TSkinData> SkinWithoutTabBorder() {
    std::ifstream file(std::string(BUILT_SKINS_DIR) + "/graphite.skn", std::ios::binary);
    const std::vector<std::uint8_t> package((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    skin::TSkinReader reader;
    if (!reader.Open(package)) return nullptr;
    std::vector<skin::source::TPackageMember> members;
    for (std::size_t i = 0; i < reader.Count(); ++i) {
        const auto bytes = reader.Member(i);
        skin::source::TPackageMember member{reader.Names()[i], {bytes.begin(), bytes.end()}};
        std::string text(member.Bytes.begin(), member.Bytes.end());
        if (const auto at = text.find("Border=tabborder.bmp"); at != std::string::npos) {
            text.replace(at, 20, "Bordxr=tabborder.bmp");
            member.Bytes.assign(text.begin(), text.end());
        }
        members.push_back(std::move(member));
    }
    const auto compressed = skin::source::WriteCompressedPackage(members);
    std::vector<std::uint8_t> stored(4);
    for (int i = 0; i < 4; ++i)
        stored[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(compressed.size() >> (8 * i));
    stored.insert(stored.end(), compressed.begin(), compressed.end());
    auto data = std::make_unique<skin::win::TSkinData>(nullptr);
    data->ReadSkinStream(stored);
    return data;
}

TSkinTab* TabSkinOf(HWND tab) { return dynamic_cast<TSkinTab*>(TSkinControl::FromWindow(tab)); }

TEST(ControlsTabs, TabsAndPageBorderOnEachSideInBothSkinsAndDetach) {
    Application->Initialize();
    for (const char* name : {"graphite", "meadow"}) {
        SCOPED_TRACE(name);
        form_test::MoveMouseTo({2, 2});
        auto skin = form_test::LoadSkin(name);
        const skin::TDataSkinBorder& tabs = *skin->Objects().Tabs;
        ASSERT_FALSE(tabs.Map2.Empty());
        form_test::TestWindow window(WS_OVERLAPPEDWINDOW, 0, 460, 330);
        const HWND w = window.Handle();
        const struct {
            DWORD style;
            TabOrientation orientation;
        } sides[] = {{kTop, TabOrientation::Top},
                     {kBottom, TabOrientation::Bottom},
                     {kLeft, TabOrientation::Left},
                     {kRight, TabOrientation::Right}};
        std::vector<HWND> controls;
        std::vector<LONG_PTR> procs;
        for (int i = 0; i < 4; ++i) {
            controls.push_back(AddTabs(w, sides[i].style, 10 + (i % 2) * 225, 10 + (i / 2) * 160, 215, 150, 3));
            SendMessageW(controls.back(), TCM_SETCURSEL, 1, 0);
            procs.push_back(GetWindowLongPtrW(controls.back(), GWLP_WNDPROC));
        }
        ShowWindow(w, SW_SHOW);
        auto form = form_test::AttachSkin(*skin, w);
        Redraw(w);
        for (int i = 0; i < 4; ++i) {
            SCOPED_TRACE(i);
            TSkinTab* s = TabSkinOf(controls[static_cast<std::size_t>(i)]);
            ASSERT_NE(s, nullptr);
            EXPECT_EQ(s->Orientation(), sides[i].orientation);
            EXPECT_EQ(StripMismatches(controls[static_cast<std::size_t>(i)], tabs, sides[i].orientation), 0);
            EXPECT_GT(StripMismatches(controls[static_cast<std::size_t>(i)], tabs, sides[i].orientation, 1), 0);
            EXPECT_EQ(BorderMismatches(controls[static_cast<std::size_t>(i)], tabs, sides[i].orientation), 0);
        }
        // The other side's images do not match: the flip and the turns are what is seen.
        EXPECT_GT(BorderMismatches(controls[0], tabs, TabOrientation::Left), 0);
        EXPECT_GT(StripMismatches(controls[1], tabs, TabOrientation::Top), 0);

        if (std::string(name) == "graphite") {
            const int objects = testing_support::CountGdiObjects();
            for (int i = 0; i < 500; ++i)
                for (HWND c : controls) {
                    InvalidateRect(c, nullptr, TRUE);
                    UpdateWindow(c);
                }
            testing_support::PumpPendingMessages();
            EXPECT_EQ(testing_support::CountGdiObjects(), objects);
        }
        form.reset();
        for (std::size_t i = 0; i < controls.size(); ++i) {
            EXPECT_EQ(GetWindowLongPtrW(controls[i], GWLP_WNDPROC), procs[i]) << i;
            EXPECT_EQ(TSkinControl::FromWindow(controls[i]), nullptr);
        }
    }
}

// Without the border image only the strip is skinned: the page looks as on an unskinned twin.
// A real click on the third tab selects it on both, and the skin then shows it as the current.
TEST(ControlsTabs, SkinWithoutBorderImageAndClickingATabAsOnAnUnskinnedTwin) {
    Application->Initialize();
    form_test::MoveMouseTo({2, 2});
    auto skin = SkinWithoutTabBorder();
    ASSERT_NE(skin, nullptr);
    ASSERT_NE(skin->Objects().Tabs, nullptr);
    ASSERT_TRUE(skin->Objects().Tabs->Map2.Empty());
    form_test::TestWindow window(WS_OVERLAPPEDWINDOW, 0, 460, 200);
    const HWND w = window.Handle();
    const HWND skinned = AddTabs(w, kTop, 10, 10, 215, 150, 3);
    ShowWindow(w, SW_SHOW);
    SetForegroundWindow(w);
    auto form = form_test::AttachSkin(*skin, w);
    const HWND twin = AddTabs(w, kTop, 235, 10, 215, 150, 3);
    ASSERT_NE(TabSkinOf(skinned), nullptr);
    ASSERT_EQ(TSkinControl::FromWindow(twin), nullptr);
    Redraw(w);
    EXPECT_EQ(StripMismatches(skinned, *skin->Objects().Tabs, TabOrientation::Top), 0);
    const Rect page = PageOf(skinned, TabOrientation::Top);
    const base::win::DibSection a = form_test::ScreenPixels(skinned), b = form_test::ScreenPixels(twin);
    int differ = 0;
    for (int y = page.Top + 1; y < a.Pixels().Height(); ++y)
        for (int x = 0; x < a.Pixels().Width(); ++x)
            differ += RgbOf(a.Pixels().At(x, y)) != RgbOf(b.Pixels().At(x, y)) ? 1 : 0;
    EXPECT_EQ(differ, 0);

    const auto thirdTab = [](HWND tab) {
        RECT r{};
        SendMessageW(tab, TCM_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&r));
        POINT p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        ClientToScreen(tab, &p);
        return p;
    };
    std::atomic<int> clicked{0};
    form_test::InputThread input([&] {
        for (HWND tab : {skinned, twin}) {
            form_test::MoveMouseTo(thirdTab(tab));
            form_test::MouseButton(true);
            form_test::MouseButton(false);
            form_test::WaitFor([&] { return SendMessageW(tab, TCM_GETCURSEL, 0, 0) == 2; });
            ++clicked;
        }
    });
    EXPECT_TRUE(testing_support::PumpMessagesUntil([&] { return clicked.load() == 2; }));
    input.Join();
    testing_support::PumpMessagesFor(100);
    EXPECT_EQ(SendMessageW(skinned, TCM_GETCURSEL, 0, 0), 2);
    EXPECT_EQ(SendMessageW(twin, TCM_GETCURSEL, 0, 0), 2);
    EXPECT_EQ(StripMismatches(skinned, *skin->Objects().Tabs, TabOrientation::Top), 0);
}

HWND g_seenArrows = nullptr;
HWND g_seenScroller = nullptr;
int g_arrowsCalls = 0;
TSkinControl* RecordArrows(skin::win::TSkinForm*, skin::win::TSkinData*, HWND arrows, TComponent*,
                           skin::win::TabArrowsPlace place) {
    (place == skin::win::TabArrowsPlace::TabControl ? g_seenArrows : g_seenScroller) = arrows;
    ++g_arrowsCalls;
    return nullptr;
}

// Tabs that overflow bring up the control's arrows: they are handed to the arrows' skin once and
// stay visible over the skinned strip.
TEST(ControlsTabs, OverflowingTabsKeepTheirScrollArrowsVisible) {
    Application->Initialize();
    skin::win::SetTabArrowsSkinner(&RecordArrows);
    g_seenArrows = nullptr;
    g_arrowsCalls = 0;
    auto skin = form_test::LoadSkin("meadow");
    form_test::TestWindow window(WS_OVERLAPPEDWINDOW, 0, 300, 200);
    const HWND w = window.Handle();
    const HWND tab = AddTabs(w, kTop, 10, 10, 160, 120, 8);
    ShowWindow(w, SW_SHOW);
    auto form = form_test::AttachSkin(*skin, w);
    Redraw(w);
    Redraw(w);
    TSkinTab* s = TabSkinOf(tab);
    ASSERT_NE(s, nullptr);
    const HWND arrows = FindWindowExW(tab, nullptr, UPDOWN_CLASSW, nullptr);
    ASSERT_NE(arrows, nullptr);
    ASSERT_TRUE(IsWindowVisible(arrows));
    EXPECT_EQ(s->ArrowsWindow(), arrows);
    EXPECT_EQ(g_seenArrows, arrows);
    EXPECT_EQ(g_arrowsCalls, 1);
    skin::win::SetTabArrowsSkinner(nullptr);

    // The arrows on the screen are what they paint themselves, not the strip, also when only
    // a part of the tab control away from them repaints (the skin paints the whole strip).
    const RECT firstTab{0, 0, 20, 20};
    InvalidateRect(tab, &firstTab, FALSE);
    UpdateWindow(tab);
    const base::win::DibSection own = form_test::PrintWindowPixels(arrows);
    const base::win::DibSection screen = form_test::ScreenPixels(arrows);
    int same = 0;
    for (int y = 0; y < own.Pixels().Height(); ++y)
        for (int x = 0; x < own.Pixels().Width(); ++x)
            same += RgbOf(own.Pixels().At(x, y)) == RgbOf(screen.Pixels().At(x, y)) ? 1 : 0;
    EXPECT_EQ(same, own.Pixels().Width() * own.Pixels().Height());
    // The strip is skinned around them: the first tab shows the skin's frame.
    EXPECT_EQ(StripMismatches(tab, *skin->Objects().Tabs, TabOrientation::Top), 0);
}

// A stand-in for the framework's tab set: its tabs and layout as published properties and its
// scroller as the first component it owns. It paints itself red, so what the skin leaves shows.
class TTestTabSet : public TCustomControl {
    T_CLASS_PUBLISHED(TTestTabSet, TCustomControl)
public:
    using TCustomControl::TCustomControl;
    TStringList* Tabs() { return &tabs_; }
    int TabIndex() const { return tabIndex_; }
    void SetTabIndex(int value) { tabIndex_ = value; }
    int StartMargin() const { return startMargin_; }
    void SetStartMargin(int value) { startMargin_ = value; }
    int EndMargin() const { return endMargin_; }
    void SetEndMargin(int value) { endMargin_ = value; }
    int FirstIndex() const { return firstIndex_; }
    void SetFirstIndex(int value) { firstIndex_ = value; }
    static TPropList Published() {
        return {
            propdef::Object<TTestTabSet, TStringList>("Tabs", &TTestTabSet::Tabs, nullptr),
            propdef::Integer<TTestTabSet>("TabIndex", &TTestTabSet::TabIndex, &TTestTabSet::SetTabIndex),
            propdef::Integer<TTestTabSet>("StartMargin", &TTestTabSet::StartMargin, &TTestTabSet::SetStartMargin),
            propdef::Integer<TTestTabSet>("EndMargin", &TTestTabSet::EndMargin, &TTestTabSet::SetEndMargin),
            propdef::Integer<TTestTabSet>("FirstIndex", &TTestTabSet::FirstIndex, &TTestTabSet::SetFirstIndex),
        };
    }

protected:
    void Paint() override {
        base::win::UniqueHBrush red(CreateSolidBrush(RGB(255, 0, 0)));
        const RECT all{0, 0, Width(), Height()};
        FillRect(Canvas()->Handle(), &all, red.Get());
    }

private:
    TStringList tabs_;
    int tabIndex_ = 0, startMargin_ = 5, endMargin_ = 5, firstIndex_ = 0;
};

// The tab set is painted whole by the skin: tabs hanging down (the image flipped) where they
// fit, the current one in the second frame, the scroller's room kept, a tab too wide for the
// room left out while a later narrow one is drawn.
TEST(ControlsTabs, TabSetDrawsTheTabsThatFitFromTheFlippedImage) {
    Application->Initialize();
    for (const bool scrollerShown : {false, true}) {
        SCOPED_TRACE(scrollerShown);
        auto skin = form_test::LoadSkin("graphite");
        const skin::TDataSkinBorder& tabs = *skin->Objects().Tabs;
        auto* form = new TForm(nullptr);
        form->SetBounds(100, 100, 420, 160);
        auto* tabSet = new TTestTabSet(form);
        auto* scroller = new TPanel(tabSet);  // the first component the tab set owns
        scroller->SetParent(form);
        scroller->SetBounds(300, 80, 30, 20);
        scroller->SetVisible(scrollerShown);
        tabSet->SetParent(form);
        tabSet->SetBounds(10, 10, 240, 24);
        for (const char* text : {"Prvi", "Drugi", "Naslov koji je mnogo predugacak za ovaj red", "Tri"})
            tabSet->Tabs()->Add(text);
        tabSet->SetTabIndex(1);
        skin::win::TSkinForm* formSkin = ShowSkinned(form, *skin);
        auto* s = new skin::win::TSkinTab31(tabSet);
        g_seenScroller = nullptr;
        skin::win::SetTabArrowsSkinner(&RecordArrows);
        s->InitSkin(formSkin, skin.get(), false);
        skin::win::SetTabArrowsSkinner(nullptr);
        ASSERT_TRUE(s->Inited());
        EXPECT_EQ(s->ScrollerControl(), scroller);
        EXPECT_EQ(g_seenScroller, scroller->Handle());  // handed to the arrows' skin as a tab-set scroller
        EXPECT_EQ(TSkinControl::FromWindow(tabSet->Handle()), s);
        Redraw(form->Handle());

        std::vector<int> widths;
        {
            HDC dc = GetDC(tabSet->Handle());
            base::win::ScopedSelectObject font(dc, tabSet->Font()->Handle());
            for (int i = 0; i < tabSet->Tabs()->Count(); ++i) {
                const std::string text = tabSet->Tabs()->Get(i);
                const std::wstring wide(text.begin(), text.end());
                SIZE size{};
                GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
                widths.push_back(size.cx);
            }
            ReleaseDC(tabSet->Handle(), dc);
        }
        const auto placed = skin::controls::FitTabSetTabs(widths, 0, 5, 240 - 5, scrollerShown);
        std::vector<int> indices;
        for (const auto& p : placed) indices.push_back(p.Index);
        EXPECT_EQ(indices, (std::vector<int>{0, 1, 3}));  // the long one is left out

        skin::Bitmap image = tabs.Map;
        skin::FlipVertical(image);
        skin::Bitmap expected(240, 24, 0x01020304u);
        for (const auto& p : placed)
            skin::DrawSkinObject(expected, {p.Left, 0, p.Right, 24}, image, false, tabs.Tile != 0, tabs.Trans != 0,
                                 tabs.FrameCount, p.Index == 1 ? 2 : 1, tabs.Margins);
        const base::win::DibSection shot = form_test::ScreenPixels(tabSet->Handle());
        const std::uint32_t face = skin::ColorToPixel(ColorToRGB(skin->Objects().ButtonFaceColor));
        int mismatches = 0, red = 0, faceAtEnd = 0;
        for (int y = 0; y < 24; ++y) {
            for (int x = 0; x < 240; ++x) {
                const std::uint32_t seen = RgbOf(shot.Pixels().At(x, y));
                red += seen == 0xFF0000u ? 1 : 0;
                if (x >= placed.back().Right) faceAtEnd += seen == RgbOf(face) ? 1 : 0;
                const bool corner = std::any_of(placed.begin(), placed.end(), [&](const auto& p) {
                    return (x < p.Left + tabs.Margins.Left || x >= p.Right - tabs.Margins.Right) && x >= p.Left &&
                           x < p.Right;
                });
                const bool clearOfText = y < 3 || y >= 24 - 5;
                if (corner && clearOfText && expected.At(x, y) != 0x01020304u && seen != RgbOf(expected.At(x, y)))
                    ++mismatches;
            }
        }
        EXPECT_EQ(mismatches, 0);
        EXPECT_EQ(red, 0);  // the set's own painting is covered
        EXPECT_EQ(faceAtEnd, (240 - placed.back().Right) * 24);
        delete form;
        testing_support::PumpPendingMessages();
    }
}

// A page is painted in the skin's face colour with its windowless controls on it; a page that
// shows its parent through it is left to paint itself.
TEST(ControlsTabs, TabSheetPaintsFaceColourAndItsGraphicControls) {
    Application->Initialize();
    auto skin = form_test::LoadSkin("meadow");
    auto* form = new TForm(nullptr);
    form->SetBounds(100, 100, 420, 200);
    auto* page = new TPanel(form);
    page->SetParent(form);
    page->SetBounds(10, 10, 180, 120);
    page->SetParentBackground(false);
    page->SetColor(clRed);
    page->SetCaption("WWWWWW");
    auto* label = new TLabel(form);
    label->SetParent(page);
    label->SetBounds(10, 10, 100, 20);
    label->SetCaption("WWWWWW");
    auto* seeThrough = new TPanel(form);
    seeThrough->SetParent(form);
    seeThrough->SetBounds(210, 10, 180, 120);
    seeThrough->SetParentBackground(true);
    seeThrough->SetCaption("WWWWWW");
    skin::win::TSkinForm* formSkin = ShowSkinned(form, *skin);
    auto* pageSkin = new skin::win::TSkinTabSheet(page);
    pageSkin->InitSkin(formSkin, skin.get(), false);
    auto* seeThroughSkin = new skin::win::TSkinTabSheet(seeThrough);
    seeThroughSkin->InitSkin(formSkin, skin.get(), false);
    ASSERT_TRUE(pageSkin->Inited());
    ASSERT_TRUE(seeThroughSkin->Inited());
    Redraw(form->Handle());

    const std::uint32_t face = RgbOf(skin::ColorToPixel(ColorToRGB(skin->Objects().ButtonFaceColor)));
    const std::uint32_t text = RgbOf(skin::ColorToPixel(ColorToRGB(label->Font()->Color())));
    // Pixels of `color` in the label's place, in the panel's middle (its caption) and elsewhere.
    struct Counts {
        int label = 0, middle = 0, elsewhere = 0;
    };
    const auto count = [&](HWND window, std::uint32_t color) {
        const base::win::DibSection shot = form_test::ScreenPixels(window);
        Counts n;
        for (int y = 0; y < shot.Pixels().Height(); ++y) {
            for (int x = 0; x < shot.Pixels().Width(); ++x) {
                if (RgbOf(shot.Pixels().At(x, y)) != color) continue;
                if (x >= 10 && x < 110 && y >= 10 && y < 30)
                    ++n.label;
                else if (y >= 50 && y < 70)
                    ++n.middle;
                else
                    ++n.elsewhere;
            }
        }
        return n;
    };
    EXPECT_EQ(count(page->Handle(), 0xFF0000u).elsewhere, 0);  // no red page (the label keeps its colour)
    EXPECT_EQ(count(page->Handle(), face).elsewhere, 180 * 100 - 100 * 20);
    EXPECT_GT(count(page->Handle(), text).label, 20);         // the label is painted on the page
    EXPECT_EQ(count(page->Handle(), text).middle, 0);         // the panel's own caption is not
    EXPECT_GT(count(seeThrough->Handle(), text).middle, 20);  // the see-through page paints itself
    delete form;
    testing_support::PumpPendingMessages();
}

// A framework control built on the system tab control, as a page control is.
class TTestPageControl : public TWinControl {
    T_CLASS(TTestPageControl, TWinControl)
public:
    using TWinControl::TWinControl;

protected:
    void CreateParams(TCreateParams& params) override {
        TWinControl::CreateParams(params);
        params.BaseClassName = WC_TABCONTROLW;
        params.Style |= TCS_BOTTOM | WS_TABSTOP;
    }
};

// The framework path: the skin hooks the control's message chain; the strip and border are
// drawn as on a bare window, the keyboard still moves the selection, and freeing the skin lets
// the control paint alone again.
TEST(ControlsTabs, FrameworkTabControlIsSkinnedThroughItsMessageChain) {
    Application->Initialize();
    form_test::MoveMouseTo({2, 2});
    auto skin = form_test::LoadSkin("meadow");
    const skin::TDataSkinBorder& tabs = *skin->Objects().Tabs;
    auto* form = new TForm(nullptr);
    form->SetBounds(100, 100, 300, 220);
    auto* pages = new TTestPageControl(form);
    pages->SetParent(form);
    pages->SetBounds(10, 10, 240, 150);
    for (int i = 0; i < 3; ++i) {
        const wchar_t* names[] = {L"Prvi", L"Drugi", L"Treci"};
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<wchar_t*>(names[i]);
        SendMessageW(pages->Handle(), TCM_INSERTITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    }
    SendMessageW(pages->Handle(), TCM_SETCURSEL, 1, 0);
    skin::win::TSkinForm* formSkin = ShowSkinned(form, *skin);
    auto* s = new TSkinTab(pages);
    s->InitSkin(formSkin, skin.get(), false);
    ASSERT_TRUE(s->Inited());
    EXPECT_EQ(s->Orientation(), TabOrientation::Bottom);
    Redraw(form->Handle());
    EXPECT_EQ(StripMismatches(pages->Handle(), tabs, TabOrientation::Bottom), 0);
    EXPECT_EQ(BorderMismatches(pages->Handle(), tabs, TabOrientation::Bottom), 0);

    pages->SetFocus();
    testing_support::PumpPendingMessages();
    std::atomic<bool> sent{false};
    form_test::InputThread input([&] {
        form_test::TapKey(VK_RIGHT);
        sent = true;
    });
    EXPECT_TRUE(testing_support::PumpMessagesUntil(
        [&] { return sent.load() && SendMessageW(pages->Handle(), TCM_GETCURSEL, 0, 0) == 2; }));
    input.Join();
    testing_support::PumpPendingMessages();
    EXPECT_EQ(StripMismatches(pages->Handle(), tabs, TabOrientation::Bottom), 0);

    delete s;
    Redraw(form->Handle());
    EXPECT_GT(BorderMismatches(pages->Handle(), tabs, TabOrientation::Bottom), 0);  // the control's own look
    delete form;
    testing_support::PumpPendingMessages();
}

}  // namespace
