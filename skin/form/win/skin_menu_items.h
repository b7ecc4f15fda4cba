#pragma once
// Skinned menu items: framework items (through their OnDrawItem / OnMeasureItem events) and
// plain Windows items marked owner-drawn (through WM_MEASUREITEM / WM_DRAWITEM at the form skin),
// each composed off-screen over the popup skin's background and drawn in one operation.

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

class TCanvas;
class TComponent;
class TCustomImageList;
class TMainMenu;
class TMenuItem;
class TPopupMenu;

namespace skin::win {

class TSkinData;
class TSkinForm;

// What one item shows.
struct MenuItemView {
    std::wstring Caption;
    std::wstring Keys;  // the shortcut's text
    bool Enabled = true;
    bool Checked = false;
    bool Default = false;
    bool Separator = false;
    bool RightToLeft = false;
    // A framework separator is drawn from the item image; a Windows one as an etched line.
    bool FrameworkItem = false;
    const TCustomImageList* Images = nullptr;
    int ImageIndex = -1;
};

MenuItemView FrameworkItemView(TMenuItem& item);
// The item with command `id` in `menu` (by position when `byPosition`); its text is read with
// MIIM_STRING, which still answers for items marked owner-drawn.
MenuItemView WindowsItemView(HMENU menu, UINT id, bool byPosition = false);

// Draws `view` at `rect` of `dc`; `menu` is the menu the item is in (for the popup background).
// Without the skin's item image the item is drawn plainly in the skin's menu colours.
void DrawMenuItem(const TSkinData* skinData, HMENU menu, const MenuItemView& view, HDC dc, const RECT& rect,
                  bool selected);
// The framework's measuring of `item` widened for the skin's glyph column (main-menu drop-downs
// or popup menus).
void MeasureFrameworkItem(const TSkinData* skinData, TMenuItem& item, TCanvas* canvas, int& width, int& height,
                          bool mainMenu);
// Width and height of a Windows item as the system would measure it, in the skin's terms.
SIZE MeasureWindowsMenuItem(const TSkinData* skinData, const MenuItemView& view, int systemHeight);

// Framework menus: the form skin's handlers as every item's drawing events (on), or cleared (off).
// Popup menus owned by `owner`, unless the skin leaves popup menus alone or the menu's Tag says so.
void InstallPopupDrawing(TSkinForm& formSkin, TComponent* owner, bool on);
void InstallPopupMenuDrawing(TSkinForm& formSkin, TPopupMenu* menu, bool on);
// The main menu: items below the top level without their own drawing get the skin's (on);
// off clears every item's handlers.
void InstallMainMenuDrawing(TSkinForm& formSkin, TMainMenu* menu, bool on);

// Marks every item of `menu` and its submenus owner-drawn, recording what it changed in `marked`
// (menu, position) so that UnmarkOwnerDraw can give exactly those items back. Only the type is
// changed (MIIM_FTYPE): the item's text survives.
void MarkOwnerDraw(HMENU menu, std::vector<std::pair<HMENU, UINT>>& marked);
void UnmarkOwnerDraw(std::vector<std::pair<HMENU, UINT>>& marked);

}  // namespace skin::win
