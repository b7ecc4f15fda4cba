// Scroll-bar overlays under Wine: the overlay lies exactly over the real bar and above its host,
// shows the skin's images, and real clicks, drags, wheel turns and keys on it end where the same
// input on an unskinned twin ends; hiding, detaching and many attach cycles leave nothing behind.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <atomic>
#include <functional>
#include <string>
#include <vector>

#include "base/win/dib_section.h"
#include "base/win/handles.h"
#include "form_skin_fixture.h"
#include "framework/win/framework.h"
#include "skin/controls/scroll_bar_geometry.h"
#include "skin/controls/win/control_attachment.h"
#include "skin/controls/win/skin_scroll_bars.h"
#include "skin/data/win/skin_image_dc.h"
#include "skin/manager/win/skin_manager.h"
#include "support/gui_objects.h"
#include "support/message_pump.h"
#include "support/parent_window.h"

namespace {

using skin::controls::ThumbSpan;
using skin::win::TSkinScControl;
using skin::win::TSkinScrollbar;
using skin::win::TWScrollbar;

// A dialog-like parent that moves its scroll bar controls as their notifications ask.
LRESULT CALLBACK ScrollParentProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_VSCROLL && lParam != 0) {
        const auto bar = reinterpret_cast<HWND>(lParam);
        SCROLLINFO si{};
        si.cbSize = sizeof(si);
        si.fMask = SIF_ALL;
        GetScrollInfo(bar, SB_CTL, &si);
        int pos = si.nPos;
        switch (LOWORD(wParam)) {
            case SB_LINEUP: pos -= 1; break;
            case SB_LINEDOWN: pos += 1; break;
            case SB_PAGEUP: pos -= static_cast<int>(si.nPage); break;
            case SB_PAGEDOWN: pos += static_cast<int>(si.nPage); break;
            case SB_THUMBTRACK:
            case SB_THUMBPOSITION: pos = si.nTrackPos; break;
            default: break;
        }
        SetScrollPos(bar, SB_CTL, pos, TRUE);
        return 0;
    }
    return DefWindowProcW(window, msg, wParam, lParam);
}

const testing_support::ParentKind kScrollParent{L"ScrollBarTestParent", L"Klizac", 300, 320, &ScrollParentProc};

HWND CreateBar(HWND parent) {
    const HWND bar = CreateWindowExW(0, L"SCROLLBAR", L"", WS_CHILD | WS_VISIBLE | SBS_VERT, 20, 20, 17, 240, parent,
                                     nullptr, GetModuleHandleW(nullptr), nullptr);
    SCROLLINFO si{sizeof(si), SIF_ALL, 0, 99, 10, 0, 0};
    SetScrollInfo(bar, SB_CTL, &si, TRUE);
    return bar;
}

SCROLLBARINFO BarInfo(HWND window, LONG object) {
    SCROLLBARINFO info{};
    info.cbSize = sizeof(info);
    GetScrollBarInfo(window, object, &info);
    return info;
}

// Runs `script` on an input thread while this thread pumps, then lets the results settle.
void RunInput(const std::function<void()>& script) {
    std::atomic<bool> done{false};
    form_test::InputThread input([&] {
        script();
        done = true;
    });
    testing_support::PumpMessagesUntil([&] { return done.load(); }, 15000);
    input.Join();
    testing_support::PumpMessagesFor(100);
}

void Click(POINT p) {
    form_test::MoveMouseTo(p);
    Sleep(30);
    form_test::MouseButton(true);
    Sleep(40);
    form_test::MouseButton(false);
    Sleep(80);
}

void Drag(POINT from, int dy) {
    form_test::MoveMouseTo(from);
    Sleep(30);
    form_test::MouseButton(true);
    Sleep(40);
    for (int step = 1; step <= 5; ++step) {
        form_test::MoveMouseTo(POINT{from.x, from.y + dy * step / 5});
        Sleep(30);
    }
    form_test::MouseButton(false);
    Sleep(80);
}

// Down arrow three times, the track below the thumb once, the thumb dragged down 30 pixels; the
// points come from the real bar (`object` of `window`), which the overlay covers exactly.
std::vector<int> ScrollByMouse(HWND window, LONG object, const std::function<int()>& position) {
    std::vector<int> seen;
    SCROLLBARINFO info = BarInfo(window, object);
    const RECT& bar = info.rcScrollBar;
    const int x = (bar.left + bar.right) / 2;
    const int arrow = GetSystemMetrics(SM_CYVSCROLL);
    RunInput([&] {
        for (int i = 0; i < 3; ++i) Click(POINT{x, bar.bottom - arrow / 2});
    });
    seen.push_back(position());
    RunInput([&] { Click(POINT{x, bar.bottom - arrow - 4}); });
    seen.push_back(position());
    info = BarInfo(window, object);
    const int thumbMiddle = bar.top + (info.xyThumbTop + info.xyThumbBottom) / 2;
    RunInput([&] { Drag(POINT{x, thumbMiddle}, 30); });
    seen.push_back(position());
    return seen;
}

// Holds the down arrow for 700 ms; how far that moved.
int HoldDownArrow(HWND window, LONG object, const std::function<int()>& position) {
    const RECT bar = BarInfo(window, object).rcScrollBar;
    const int before = position();
    RunInput([&] {
        form_test::MoveMouseTo(POINT{(bar.left + bar.right) / 2, bar.bottom - 4});
        Sleep(30);
        form_test::MouseButton(true);
        Sleep(700);
        form_test::MouseButton(false);
        Sleep(80);
    });
    return position() - before;
}

int ControlPosition(HWND bar) { return GetScrollPos(bar, SB_CTL); }

skin::Bitmap RgbPixels(base::win::DibSection& dib) {
    skin::Bitmap pixels = dib.Pixels();
    for (int y = 0; y < pixels.Height(); ++y)
        for (int x = 0; x < pixels.Width(); ++x) pixels.At(x, y) = form_test::RgbOf(pixels.At(x, y));
    return pixels;
}

// The bar as the skin should show it: face colour, track, both arrows, the thumb, drawn as thick
// as the skin's arrow images and stretched to the bar's thickness.
skin::Bitmap ExpectedScrollBar(const skin::win::TSkinData& data, int thickness, int length, const ThumbSpan& thumb) {
    const auto& o = data.Objects();
    const int arrow = GetSystemMetrics(SM_CYVSCROLL);
    const int image = o.ScrollBar->Map.Height();
    const int drawn = std::abs(image - thickness) > 2 ? thickness : image;
    base::win::DibSection work(drawn, length);
    base::win::UniqueHBrush face(CreateSolidBrush(ColorToRGB(o.ButtonFaceColor)));
    RECT all{0, 0, drawn, length};
    FillRect(work.Dc(), &all, face.Get());
    skin::DrawSkinObject(work.Dc(), {0, arrow, drawn, length - arrow}, o.VertScroll->Map, false,
                         o.VertScroll->Tile != 0, o.VertScroll->Trans != 0, 4, 1, o.VertScroll->Margins);
    skin::DrawSkinFrame(work.Dc(), {0, 0, drawn, arrow}, o.ScrollBar->Map, true, 23, 9);
    skin::DrawSkinFrame(work.Dc(), {0, length - arrow, drawn, length}, o.ScrollBar->Map, true, 23, 13);
    const auto& t = *o.VertScrollThumb;
    skin::DrawSkinObject(work.Dc(), {0, thumb.Start, drawn, thumb.End}, t.Map, false, t.Tile != 0, t.Trans != 0,
                         t.FrameCount, 1, t.Margins);
    base::win::DibSection dib(thickness, length);
    SetStretchBltMode(dib.Dc(), COLORONCOLOR);
    StretchBlt(dib.Dc(), 0, 0, thickness, length, work.Dc(), 0, 0, drawn, length, SRCCOPY);
    return RgbPixels(dib);
}

skin::Bitmap ScreenRect(const RECT& r) {
    base::win::DibSection dib(r.right - r.left, r.bottom - r.top);
    HDC screen = GetDC(nullptr);
    BitBlt(dib.Dc(), 0, 0, r.right - r.left, r.bottom - r.top, screen, r.left, r.top, SRCCOPY);
    ReleaseDC(nullptr, screen);
    return RgbPixels(dib);
}

template <typename T>
T* FindSkin(const skin::win::TSkinForm& form) {
    for (auto* control : form.ControlSkins())
        if (auto* found = dynamic_cast<T*>(control)) return found;
    return nullptr;
}

// True when `overlay` lies between `host` and the next window above the host that is not an
// overlay of the same host.
bool JustAbove(HWND overlay, HWND host) {
    for (HWND w = GetWindow(host, GW_HWNDPREV); w != nullptr; w = GetWindow(w, GW_HWNDPREV)) {
        if (w == overlay) return true;
        wchar_t name[64]{};
        GetClassNameW(w, name, 64);
        if (std::wstring(name) != L"TweakSkinScrollOverlay") return false;
    }
    return false;
}

TEST(ControlsScrollBar, ThumbArithmeticMatchesTheSystemBar) {
    const HWND parent = testing_support::CreateParent(kScrollParent, 600, 40);
    const HWND bar = CreateWindowExW(0, L"SCROLLBAR", L"", WS_CHILD | WS_VISIBLE | SBS_VERT, 10, 10, 17, 200, parent,
                                     nullptr, GetModuleHandleW(nullptr), nullptr);
    const skin::controls::ScrollValues table[] = {
        {0, 99, 10, 0},   {0, 99, 10, 45},   {0, 99, 10, 90},  {100, 199, 10, 145}, {0, 100, 0, 50},
        {0, 100, 0, 100}, {0, 9999, 1, 500}, {-50, 50, 20, 0}, {0, 9, 20, 0},       {5, 5, 0, 5},
    };
    for (const auto& v : table) {
        SCROLLINFO si{sizeof(si), SIF_ALL, v.Min, v.Max, static_cast<UINT>(v.Page), v.Pos, 0};
        SetScrollInfo(bar, SB_CTL, &si, TRUE);
        GetScrollInfo(bar, SB_CTL, &si);
        const SCROLLBARINFO info = BarInfo(bar, OBJID_CLIENT);
        const ThumbSpan thumb = skin::controls::ComputeThumb(200, GetSystemMetrics(SM_CYVSCROLL),
                                                             {si.nMin, si.nMax, static_cast<int>(si.nPage), si.nPos});
        if (info.xyThumbTop == info.xyThumbBottom) {
            EXPECT_TRUE(thumb.Empty()) << v.Min << ".." << v.Max << " page " << v.Page << " pos " << v.Pos;
        } else {
            EXPECT_EQ(thumb, (ThumbSpan{info.xyThumbTop, info.xyThumbBottom}))
                << v.Min << ".." << v.Max << " page " << v.Page << " pos " << v.Pos << ": system " << info.xyThumbTop
                << "-" << info.xyThumbBottom << ", computed " << thumb.Start << "-" << thumb.End;
        }
    }
    DestroyWindow(parent);
}

TEST(ControlsScrollBar, BareScrollBarControlIsCoveredAndScrollsLikeItsTwin) {
    Application->Initialize();
    auto data = form_test::LoadSkin("meadow");
    const HWND parent = testing_support::CreateParent(kScrollParent, 20, 20);
    const HWND bar = CreateBar(parent);
    const auto originalProc = GetWindowLongPtrW(bar, GWLP_WNDPROC);
    const HWND sizeBox = CreateWindowExW(0, L"SCROLLBAR", L"", WS_CHILD | WS_VISIBLE | SBS_SIZEBOX, 200, 200, 40, 40,
                                         parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    const HWND twinParent = testing_support::CreateParent(kScrollParent, 400, 20);
    const HWND twinBar = CreateBar(twinParent);
    auto formSkin = form_test::AttachSkin(*data, parent);
    skin::win::SkinWindow(*formSkin, bar);
    testing_support::PumpMessagesFor(100);

    auto* skin = FindSkin<TSkinScControl>(*formSkin);
    ASSERT_NE(skin, nullptr);
    ASSERT_NE(skin->Bar(), nullptr);
    const HWND overlay = skin->Bar()->Handle();
    ASSERT_TRUE(IsWindowVisible(overlay));
    EXPECT_EQ(GetParent(overlay), parent);
    RECT overlayRect{}, barRect{};
    GetWindowRect(overlay, &overlayRect);
    GetWindowRect(bar, &barRect);
    EXPECT_TRUE(EqualRect(&overlayRect, &barRect));
    EXPECT_TRUE(JustAbove(overlay, bar));
    // A size box is painted in the skin's face colour.
    ASSERT_NE(FindSkin<skin::win::TSkinSizer>(*formSkin), nullptr);
    InvalidateRect(sizeBox, nullptr, TRUE);
    testing_support::PumpMessagesFor(50);
    const RECT boxRect = form_test::WindowRectOf(sizeBox);
    base::win::DibSection face(1, 1);
    base::win::UniqueHBrush faceBrush(CreateSolidBrush(ColorToRGB(data->Objects().ButtonFaceColor)));
    RECT one{0, 0, 1, 1};
    FillRect(face.Dc(), &one, faceBrush.Get());
    EXPECT_EQ(ScreenRect(boxRect).At(1, 1), RgbPixels(face).At(0, 0));

    const auto skinned = ScrollByMouse(bar, OBJID_CLIENT, [&] { return ControlPosition(bar); });
    const auto twin = ScrollByMouse(twinBar, OBJID_CLIENT, [&] { return ControlPosition(twinBar); });
    EXPECT_EQ(skinned, twin);
    EXPECT_GT(skinned.back(), skinned.front());
    // An arrow held down repeats, through the overlay as on the real bar.
    EXPECT_GT(HoldDownArrow(bar, OBJID_CLIENT, [&] { return ControlPosition(bar); }), 3);
    EXPECT_GT(HoldDownArrow(twinBar, OBJID_CLIENT, [&] { return ControlPosition(twinBar); }), 3);

    formSkin->Detach();
    testing_support::PumpPendingMessages();
    EXPECT_FALSE(IsWindow(overlay));
    EXPECT_EQ(GetWindowLongPtrW(bar, GWLP_WNDPROC), originalProc);
    DestroyWindow(parent);
    DestroyWindow(twinParent);
}

struct MemoForm {
    TForm* Form = nullptr;
    TMemo* Memo = nullptr;
};

MemoForm MakeMemoForm(int x, int y, TScrollStyle bars = ssVertical) {
    MemoForm f;
    f.Form = new TForm(nullptr);
    f.Form->SetBounds(x, y, 360, 330);
    f.Memo = new TMemo(f.Form);
    f.Memo->SetParent(f.Form);
    f.Memo->SetBounds(10, 10, 220, 240);
    f.Memo->SetScrollBars(bars);
    f.Memo->SetWordWrap(false);
    std::string text(400, 'w');
    text += "\r\n";
    for (int i = 1; i <= 1000; ++i) text += "Red " + std::to_string(i) + "\r\n";
    f.Memo->SetText(text);
    f.Form->Show();
    testing_support::PumpPendingMessages();
    return f;
}

skin::win::TSkinForm* SkinForm(skin::win::TSkinData& data, TForm* form, DWORD settleMs = 100) {
    auto* formSkin = new skin::win::TSkinForm(form);
    formSkin->Handle = form->Handle();
    formSkin->AttachForm(&data, form);
    SendMessageW(form->Handle(), skin::win::SM_SKINCONTROLS, 0, 1000);
    testing_support::PumpMessagesFor(settleMs);
    return formSkin;
}

int FirstLine(TMemo* memo) { return static_cast<int>(SendMessageW(memo->Handle(), EM_GETFIRSTVISIBLELINE, 0, 0)); }

TEST(ControlsScrollBar, MemoBarIsCoveredPaintedAndScrollsLikeItsTwin) {
    Application->Initialize();
    auto data = form_test::LoadSkin("meadow");
    MemoForm skinned = MakeMemoForm(20, 20);
    MemoForm twin = MakeMemoForm(420, 20);
    auto* formSkin = SkinForm(*data, skinned.Form);
    auto* skin = FindSkin<TSkinScrollbar>(*formSkin);
    ASSERT_NE(skin, nullptr);
    TWScrollbar* vert = skin->VertBar();
    ASSERT_NE(vert, nullptr);
    ASSERT_TRUE(vert->Shown());
    EXPECT_FALSE(skin->HorzBar()->Shown());
    const HWND memo = skinned.Memo->Handle();
    const HWND overlay = vert->Handle();
    const SCROLLBARINFO info = BarInfo(memo, OBJID_VSCROLL);
    RECT overlayRect{};
    GetWindowRect(overlay, &overlayRect);
    EXPECT_TRUE(EqualRect(&overlayRect, &info.rcScrollBar));
    EXPECT_TRUE(JustAbove(overlay, memo));

    // What the screen shows is the skin's bar with the system's thumb, not the system's bar.
    const auto checkPixels = [&](const char* when) {
        const SCROLLBARINFO now = BarInfo(memo, OBJID_VSCROLL);
        const RECT& r = now.rcScrollBar;
        EXPECT_EQ(vert->Thumb(), (ThumbSpan{now.xyThumbTop, now.xyThumbBottom})) << when;
        const skin::Bitmap expected =
            ExpectedScrollBar(*data, r.right - r.left, r.bottom - r.top, {now.xyThumbTop, now.xyThumbBottom});
        EXPECT_TRUE(ScreenRect(r) == expected) << when;
    };
    checkPixels("at the start");
    // The unskinned twin's bar does not pass for the skin's.
    const SCROLLBARINFO twinInfo = BarInfo(twin.Memo->Handle(), OBJID_VSCROLL);
    const RECT& tr = twinInfo.rcScrollBar;
    EXPECT_FALSE(ScreenRect(tr) == ExpectedScrollBar(*data, tr.right - tr.left, tr.bottom - tr.top,
                                                     {twinInfo.xyThumbTop, twinInfo.xyThumbBottom}));
    EXPECT_EQ(SendMessageW(memo, skin::win::SM_ISSKINNED, 0, 0), 1);

    const auto skinnedLines = ScrollByMouse(memo, OBJID_VSCROLL, [&] { return FirstLine(skinned.Memo); });
    const auto twinLines = ScrollByMouse(twin.Memo->Handle(), OBJID_VSCROLL, [&] { return FirstLine(twin.Memo); });
    EXPECT_EQ(skinnedLines, twinLines);
    EXPECT_GT(skinnedLines.back(), skinnedLines.front());
    checkPixels("after the mouse");

    // An arrow held down repeats, through the overlay as on the real bar.
    const int held = HoldDownArrow(memo, OBJID_VSCROLL, [&] { return FirstLine(skinned.Memo); });
    const int twinHeld = HoldDownArrow(twin.Memo->Handle(), OBJID_VSCROLL, [&] { return FirstLine(twin.Memo); });
    EXPECT_GT(held, 3);
    EXPECT_GT(twinHeld, 3);

    // Wheel and keyboard move the thumb the overlay draws.
    skinned.Memo->SetFocus();
    const int beforeWheel = vert->Thumb().Start;
    RunInput([&] {
        form_test::MoveMouseTo(POINT{info.rcScrollBar.left - 60, info.rcScrollBar.top + 100});
        Sleep(30);
        INPUT wheel{};
        wheel.type = INPUT_MOUSE;
        wheel.mi.mouseData = static_cast<DWORD>(-3 * WHEEL_DELTA);
        wheel.mi.dwFlags = MOUSEEVENTF_WHEEL;
        SendInput(1, &wheel, sizeof(wheel));
        Sleep(80);
    });
    EXPECT_GT(vert->Thumb().Start, beforeWheel);
    checkPixels("after the wheel");
    const int beforeKeys = vert->Thumb().Start;
    RunInput([&] {
        form_test::Key(VK_CONTROL, true);
        form_test::TapKey(VK_END);
        form_test::Key(VK_CONTROL, false);
        Sleep(80);
    });
    EXPECT_GT(vert->Thumb().Start, beforeKeys);
    checkPixels("after the keys");

    // Hiding the memo hides its overlay; showing it brings it back.
    skinned.Memo->Hide();
    testing_support::PumpPendingMessages();
    EXPECT_FALSE(IsWindowVisible(overlay));
    skinned.Memo->Show();
    testing_support::PumpPendingMessages();
    EXPECT_TRUE(IsWindowVisible(overlay));

    formSkin->Detach();
    testing_support::PumpPendingMessages();
    EXPECT_FALSE(IsWindow(overlay));
    EXPECT_EQ(SendMessageW(memo, skin::win::SM_ISSKINNED, 0, 0), 0);
    delete skinned.Form;
    delete twin.Form;
    testing_support::PumpPendingMessages();
}

TEST(ControlsScrollBar, AttachAndDetachCyclesLeaveNoObjects) {
    Application->Initialize();
    auto data = form_test::LoadSkin("graphite");
    MemoForm f = MakeMemoForm(40, 40, ssBoth);
    const HWND bar = CreateBar(f.Form->Handle());
    const HWND memo = f.Memo->Handle();
    bool checked = false;
    const auto cycle = [&] {
        auto* formSkin = SkinForm(*data, f.Form, 0);
        skin::win::SkinWindow(*formSkin, bar);
        testing_support::PumpPendingMessages();
        if (!checked) {
            // Both bars of the memo are covered.
            checked = true;
            auto* skin = FindSkin<TSkinScrollbar>(*formSkin);
            ASSERT_NE(skin, nullptr);
            for (auto [overlay, object] :
                 {std::pair{skin->HorzBar(), OBJID_HSCROLL}, {skin->VertBar(), OBJID_VSCROLL}}) {
                ASSERT_TRUE(overlay->Shown());
                const RECT r = form_test::WindowRectOf(overlay->Handle());
                const RECT expected = BarInfo(memo, object).rcScrollBar;
                EXPECT_TRUE(EqualRect(&r, &expected));
            }
        }
        formSkin->Detach();
        delete formSkin;
        testing_support::PumpPendingMessages();
    };
    cycle();
    const int gdi = testing_support::CountGdiObjects();
    const int windows = testing_support::CountThreadWindows();
    for (int i = 0; i < 200; ++i) cycle();
    EXPECT_EQ(testing_support::CountGdiObjects(), gdi);
    EXPECT_EQ(testing_support::CountThreadWindows(), windows);
    delete f.Form;
    testing_support::PumpPendingMessages();
}

}  // namespace
