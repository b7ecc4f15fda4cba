// Shortcuts and the menu item properties the skins read: the text round trip, the text Windows
// shows for an item, the published properties, and the shortcut in an owner-drawn item.
#include "framework/typinfo.h"
#include "framework/win/framework.h"
#include "base/win/dib_section.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr WORD kF4 = 0x73;

struct ShortCutCase {
    const char* text;
    TShortCut shortCut;
};

TEST(FrameworkShortCuts, TextAndShortCutRoundTrip) {
    const ShortCutCase cases[] = {
        {"Shift+F4", static_cast<TShortCut>(scShift | kF4)},
        {"Ctrl+O", static_cast<TShortCut>(scCtrl | 'O')},
        {"Alt+X", static_cast<TShortCut>(scAlt | 'X')},
        {"Shift+Ctrl+Alt+PgDn", static_cast<TShortCut>(scShift | scCtrl | scAlt | 0x22)},
        {"Ctrl+Alt+Del", static_cast<TShortCut>(scCtrl | scAlt | VK_DELETE)},
        {"Alt+BkSp", static_cast<TShortCut>(scAlt | VK_BACK)},
        {"F1", VK_F1},
        {"F24", VK_F24},
        {"Ctrl+0", static_cast<TShortCut>(scCtrl | '0')},
        {"Enter", VK_RETURN},
        {"Esc", VK_ESCAPE},
        {"Space", VK_SPACE},
        {"Tab", VK_TAB},
        {"Shift+Ins", static_cast<TShortCut>(scShift | VK_INSERT)},
        {"Home", VK_HOME},
        {"End", VK_END},
        {"PgUp", VK_PRIOR},
        {"Left", VK_LEFT},
        {"Up", VK_UP},
        {"Right", VK_RIGHT},
        {"Down", VK_DOWN},
    };
    for (const ShortCutCase& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(TextToShortCut(c.text), c.shortCut);
        EXPECT_EQ(ShortCutToText(c.shortCut), c.text);
    }
}

TEST(FrameworkShortCuts, TextIsReadInAnyCaseAndModifierOrder) {
    const ShortCutCase cases[] = {
        {"ctrl+o", static_cast<TShortCut>(scCtrl | 'O')},
        {"Ctrl+Shift+S", static_cast<TShortCut>(scShift | scCtrl | 'S')},
        {"alt+ctrl+shift+f4", static_cast<TShortCut>(scShift | scCtrl | scAlt | kF4)},
        {"SHIFT+DEL", static_cast<TShortCut>(scShift | VK_DELETE)},
        {"Ctrl+Ctrl+A", static_cast<TShortCut>(scCtrl | 'A')},
    };
    for (const ShortCutCase& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(TextToShortCut(c.text), c.shortCut);
    }
}

TEST(FrameworkShortCuts, TextNamingNoKeyGivesNone) {
    for (const char* text : {"", "Ctrl+", "Shift+", "Foo", "Ctrl+Foo", "F25", "F0", "Ctrl+AB", "+", "Ctrl++"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(TextToShortCut(text), 0);
    }
    // Keys without a name, and none, have no text.
    EXPECT_EQ(ShortCutToText(0), "");
    EXPECT_EQ(ShortCutToText(scCtrl), "");
    EXPECT_EQ(ShortCutToText(static_cast<TShortCut>(scCtrl | 0xFF)), "");
}

std::wstring WindowsItemText(HMENU menu, UINT position) {
    wchar_t text[128] = {};
    GetMenuStringW(menu, position, text, 128, MF_BYPOSITION);
    return text;
}

TEST(FrameworkMenuItems, TheShortCutFollowsTheCaptionAfterATabInTheWindowsMenu) {
    auto* menu = new TPopupMenu(nullptr);
    auto* open = new TMenuItem(menu);
    open->SetCaption("&Open");
    auto* line = new TMenuItem(menu);
    line->SetCaption("-");
    line->SetShortCut(TextToShortCut("Ctrl+L"));  // separators show no text
    auto* close = new TMenuItem(menu);
    close->SetCaption("Close");
    menu->Items()->Add(open);
    menu->Items()->Add(line);
    menu->Items()->Add(close);
    HMENU handle = menu->Handle();

    EXPECT_EQ(WindowsItemText(handle, 0), L"&Open");
    open->SetShortCut(TextToShortCut("Ctrl+O"));
    close->SetShortCut(static_cast<TShortCut>(scAlt | kF4));
    EXPECT_EQ(WindowsItemText(handle, 0), L"&Open\tCtrl+O");
    EXPECT_EQ(WindowsItemText(handle, 2), L"Close\tAlt+F4");
    EXPECT_EQ(open->MenuText(), "&Open\tCtrl+O");
    EXPECT_EQ(line->MenuText(), "-");
    open->SetShortCut(0);
    EXPECT_EQ(WindowsItemText(handle, 0), L"&Open");
    // The default item is the Windows menu's default (drawn bold), and only while it is.
    EXPECT_EQ(GetMenuDefaultItem(handle, TRUE, 0), static_cast<UINT>(-1));
    close->SetDefault(true);
    EXPECT_EQ(GetMenuDefaultItem(handle, TRUE, 0), 2u);
    EXPECT_EQ(GetPropValue(close, "Default"), "True");
    close->SetDefault(false);
    EXPECT_EQ(GetMenuDefaultItem(handle, TRUE, 0), static_cast<UINT>(-1));
    menu->Free();
}

TEST(FrameworkMenuItems, ShortCutAndImageIndexArePublished) {
    auto* menu = new TMainMenu(nullptr);
    auto* item = new TMenuItem(menu);
    EXPECT_EQ(GetIntProp(item, "ImageIndex"), -1);
    EXPECT_EQ(GetIntProp(item, "ShortCut"), 0);
    EXPECT_TRUE(SetPropValue(item, "ImageIndex", "3"));
    EXPECT_TRUE(SetIntProp(item, "ShortCut", scCtrl | 'S'));
    EXPECT_EQ(item->ImageIndex(), 3);
    EXPECT_EQ(item->ShortCut(), scCtrl | 'S');
    item->SetImageIndex(-7);  // anything below -1 means none
    EXPECT_EQ(item->ImageIndex(), -1);
    EXPECT_EQ(menu->Images(), nullptr);
    menu->Free();
}

// Dark pixels (text) in a column range of the DIB's middle row band.
int DarkPixelsIn(base::win::DibSection& dib, int left, int right) {
    int count = 0;
    const base::Bitmap& pixels = dib.Pixels();
    for (int y = 0; y < pixels.Height(); ++y) {
        for (int x = left; x < right; ++x) {
            const std::uint32_t p = pixels.At(x, y);
            const int sum = static_cast<int>((p & 0xFF) + ((p >> 8) & 0xFF) + ((p >> 16) & 0xFF));
            if (sum < 200) ++count;
        }
    }
    return count;
}

TEST(FrameworkMenuItems, AnOwnerDrawnItemWithoutHandlerDrawsItsShortCutAtTheRightAndMeasuresIt) {
    auto* menu = new TPopupMenu(nullptr);
    menu->SetOwnerDraw(true);
    auto* item = new TMenuItem(menu);
    item->SetCaption("Go");
    menu->Items()->Add(item);

    base::win::DibSection dib(200, 20);
    TCanvas canvas;
    canvas.SetHandle(dib.Dc());
    int plainWidth = 0;
    int height = 0;
    item->DoMeasureItem(&canvas, plainWidth, height);
    item->SetShortCut(TextToShortCut("Ctrl+W"));
    int width = 0;
    item->DoMeasureItem(&canvas, width, height);
    EXPECT_GT(width, plainWidth + canvas.TextWidth("Ctrl+W"));

    item->DoDrawItem(&canvas, RECT{0, 0, 200, 20}, false);
    canvas.SetHandle(nullptr);
    EXPECT_GT(DarkPixelsIn(dib, 0, 40), 0);     // the caption at the left
    EXPECT_EQ(DarkPixelsIn(dib, 60, 130), 0);   // the gap
    EXPECT_GT(DarkPixelsIn(dib, 130, 200), 0);  // the keys at the right
    menu->Free();
}

}  // namespace
