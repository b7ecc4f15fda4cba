#include "gallery/win/menus_showcase.h"

#include "base/win/dib_section.h"
#include "framework/win/img_list.h"
#include "framework/win/menus.h"
#include "framework/win/std_ctrls.h"

namespace {

// Two 16 x 16 pictures (a blue disc and a green square) on magenta.
void AddPictures(TCustomImageList* images) {
    base::win::DibSection strip(32, 16);
    base::Bitmap& pixels = strip.Pixels();
    pixels.Fill(base::ColorToPixel(RGB(255, 0, 255)));
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const int dx = x - 8, dy = y - 8;
            if (dx * dx + dy * dy <= 42) pixels.FillRect({x, y, x + 1, y + 1}, base::ColorToPixel(RGB(40, 90, 200)));
        }
    pixels.FillRect({19, 3, 29, 13}, base::ColorToPixel(RGB(40, 150, 60)));
    GdiFlush();
    base::win::UniqueHBitmap copy(
        static_cast<HBITMAP>(CopyImage(GetCurrentObject(strip.Dc(), OBJ_BITMAP), IMAGE_BITMAP, 0, 0, 0)));
    images->AddMasked(copy.Get(), RGB(255, 0, 255));
}

TMenuItem* AddItem(TComponent* owner, TMenuItem* parent, const char* caption, TShortCut shortCut = 0, int image = -1) {
    auto* item = new TMenuItem(owner);
    item->SetCaption(caption);
    item->SetShortCut(shortCut);
    item->SetImageIndex(image);
    parent->Add(item);
    return item;
}

// The same kinds of item in a framework menu: image and shortcut, checked, disabled, separator,
// submenu.
void FillFrameworkMenu(TComponent* owner, TMenuItem* root) {
    AddItem(owner, root, "&Open", static_cast<TShortCut>(scCtrl | 'O'), 0)->SetDefault(true);
    AddItem(owner, root, "&Save", static_cast<TShortCut>(scCtrl | 'S'), 1);
    AddItem(owner, root, "&Wrap lines")->SetChecked(true);
    AddItem(owner, root, "&Print")->SetEnabled(false);
    AddItem(owner, root, "-");
    TMenuItem* recent = AddItem(owner, root, "&Recent");
    AddItem(owner, recent, "graphite.skn");
    AddItem(owner, recent, "meadow.skn");
    AddItem(owner, root, "E&xit");
}

void FillWindowsMenu(HMENU menu) {
    struct Entry {
        const wchar_t* Text;
        UINT Type;
        UINT State;
        UINT Id;
    };
    const Entry entries[] = {
        {L"&Properties\tAlt+Enter", MFT_STRING, MFS_DEFAULT, 501},
        {L"&Copy\tCtrl+C", MFT_STRING, 0, 502},
        {L"&Show hidden", MFT_STRING, MFS_CHECKED, 503},
        {L"&Delete", MFT_STRING, MFS_GRAYED, 504},
        {nullptr, MFT_SEPARATOR, 0, 0},
        {L"&Refresh", MFT_STRING, 0, 505},
    };
    UINT position = 0;
    for (const Entry& entry : entries) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | (entry.Text != nullptr ? MIIM_STRING : 0u);
        info.fType = entry.Type;
        info.fState = entry.State;
        info.wID = entry.Id;
        info.dwTypeData = const_cast<wchar_t*>(entry.Text);
        InsertMenuItemW(menu, position++, TRUE, &info);
    }
}

}  // namespace

TMainMenu* CreateShowcaseMainMenu(TComponent* owner) {
    auto* images = new TCustomImageList(owner, 16, 16);
    AddPictures(images);
    auto* menu = new TMainMenu(owner);
    menu->SetImages(images);
    FillFrameworkMenu(owner, AddItem(owner, menu->Items(), "&File"));
    AddItem(owner, AddItem(owner, menu->Items(), "&View"), "&Toolbar")->SetChecked(true);
    AddItem(owner, menu->Items(), "&Help");
    return menu;
}

TMenusForm::TMenusForm(TComponent* owner)
    : TShowcaseForm(owner, "Menus",
                    "A main menu, a context menu and a plain Windows menu: frames and backgrounds from the skin's menu "
                    "images, items with images, "
                    "shortcuts, check marks, disabled and default items, separators and submenus."),
      windowsMenu_(CreatePopupMenu()) {
    SetName("MenusForm");
    SetBorderStyle(bsSizeable);
    SetBorderIcons(biSystemMenu | biMinimize | biMaximize);
    SetClientSize(360, 220);
    Description->SetBounds(12, 12, 336, 60);
    MainMenu = CreateShowcaseMainMenu(this);
    Images = MainMenu->Images();
    SetMenu(MainMenu);

    ContextMenu = new TPopupMenu(this);
    ContextMenu->SetImages(Images);
    FillFrameworkMenu(this, ContextMenu->Items());

    FillWindowsMenu(windowsMenu_.Get());
}

POINT TMenusForm::MenuPoint() const {
    RECT r{};
    GetWindowRect(Handle(), &r);
    return {r.left + 60, r.top + 110};
}

void TMenusForm::OpenMainDropDown() { OpenFirstDropDown(Handle()); }

void TMenusForm::OpenFirstDropDown(HWND window) {
    PostMessageW(window, WM_SYSCOMMAND, SC_KEYMENU, 0);
    PostMessageW(window, WM_KEYDOWN, VK_DOWN, 0);
}

void TMenusForm::ShowContextMenu() {
    const POINT at = MenuPoint();
    ContextMenu->Popup(at.x, at.y);
}

void TMenusForm::ShowWindowsMenu() {
    const POINT at = MenuPoint();
    TrackPopupMenu(windowsMenu_.Get(), TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, Handle(), nullptr);
}
