// Drawing and measuring skinned menu items.

#include "skin/form/win/skin_menu_items.h"

#include <algorithm>
#include <exception>

#include "base/win/dib_section.h"
#include "base/win/handles.h"
#include "framework/win/img_list.h"
#include "framework/win/menus.h"
#include "framework/win/text.h"
#include "framework/win/types.h"
#include "base/win/rect.h"
#include "skin/data/skin_image.h"
#include "skin/data/win/skin_data.h"
#include "skin/data/win/skin_image_dc.h"
#include "skin/form/menu_item_layout.h"
#include "skin/form/win/skin_form.h"
#include "skin/manager/win/skin_manager.h"
#include "skin/manager/win/skin_pop_menu.h"

namespace skin::win {

namespace {

using skin::form::LayoutMenuItem;
using skin::form::MenuItemFacts;

// Each GUI thread that skins its windows keeps its own, as it keeps its own skin manager. The
// thread's objects are made on first use and never destroyed: a thread's variables with
// destructors would be destroyed while the engine's DLL is already being let go of.
HFONT MenuFont(bool bold) {
    thread_local auto* regular = new base::win::UniqueHFont;
    thread_local auto* heavy = new base::win::UniqueHFont;
    base::win::UniqueHFont& font = bold ? *heavy : *regular;
    if (!font) {
        NONCLIENTMETRICSW metrics{};
        metrics.cbSize = sizeof(metrics);
        if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) return nullptr;
        if (bold) metrics.lfMenuFont.lfWeight = FW_BOLD;
        font.Reset(CreateFontIndirectW(&metrics.lfMenuFont));
    }
    return font.Get();
}

constexpr WORD kCheckMarkResource = 32760;  // OBM_CHECK, hidden behind OEMRESOURCE

// The system's check mark, loaded once a thread.
HBITMAP CheckMarkBitmap(SIZE& size) {
    thread_local auto* loaded =
        new base::win::UniqueHBitmap(LoadBitmapW(nullptr, MAKEINTRESOURCEW(kCheckMarkResource)));
    base::win::UniqueHBitmap& check = *loaded;
    BITMAP info{};
    if (!check || GetObjectW(check.Get(), sizeof(info), &info) == 0) return nullptr;
    size = {info.bmWidth, info.bmHeight};
    return check.Get();
}

const TDataSkinObject* ItemImage(const TSkinData* skinData) {
    if (skinData == nullptr || skinData->SkinEmpty()) return nullptr;
    const TDataSkinObject* image = skinData->Objects().MenuItem.get();
    return image != nullptr && !image->Map.Empty() ? image : nullptr;
}

// Items are composed in one bitmap kept for the next item (menus draw many items of one size).
base::win::DibSection& Scratch(int width, int height) {
    thread_local auto* kept = new base::win::DibSection;
    base::win::DibSection& scratch = *kept;
    const int oldWidth = scratch.Pixels().Width();
    const int oldHeight = scratch.Pixels().Height();
    if (oldWidth < width || oldHeight < height) {
        scratch = {};  // the old section goes before the new one is made
        scratch = base::win::DibSection(std::max(width, oldWidth), std::max({height, oldHeight, 24}));
    }
    return scratch;
}

COLORREF TextColour(const TSkinData* skinData, const MenuItemView& view, bool selected) {
    if (skinData == nullptr) {
        if (!view.Enabled) return GetSysColor(COLOR_GRAYTEXT);
        return GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT);
    }
    const TSkinObjects& o = skinData->Objects();
    if (view.Enabled) return ColorToRGB(selected ? o.HilightTextColor : o.MenuTextColor);
    if (o.ButtonShadowColor == o.MenuTextColor) return GetSysColor(COLOR_BTNSHADOW);
    return ColorToRGB(o.ButtonShadowColor);
}

// A checked item with an image sits on a box hatched in button face and highlight.
void HatchBox(Bitmap& pixels, const skin::Rect& box) {
    const Pixel face = ColorToPixel(GetSysColor(COLOR_BTNFACE));
    const Pixel light = ColorToPixel(GetSysColor(COLOR_BTNHIGHLIGHT));
    for (int y = std::max(box.Top, 0); y < std::min(box.Bottom, pixels.Height()); ++y)
        for (int x = std::max(box.Left, 0); x < std::min(box.Right, pixels.Width()); ++x)
            pixels.FillRect({x, y, x + 1, y + 1}, ((x + y) & 1) != 0 ? light : face);
}

void DrawCheckMark(HDC dc, const skin::Rect& box) {
    SIZE size{};
    const HBITMAP check = CheckMarkBitmap(size);
    if (check == nullptr) return;
    base::win::UniqueMemoryDc source(CreateCompatibleDC(dc));
    if (!source) return;
    base::win::ScopedSelectObject selected(source.Get(), check);
    const skin::Rect at = skin::form::CheckMarkRect(box, size.cx, size.cy);
    const COLORREF oldText = SetTextColor(dc, RGB(0, 0, 0));
    const COLORREF oldBack = SetBkColor(dc, RGB(255, 255, 255));
    // The mark's pixels are 0: first cut them out in black, then add the text colour there.
    BitBlt(dc, at.Left, at.Top, size.cx, size.cy, source.Get(), 0, 0, SRCAND);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    SetBkColor(dc, RGB(0, 0, 0));
    BitBlt(dc, at.Left, at.Top, size.cx, size.cy, source.Get(), 0, 0, SRCPAINT);
    SetBkColor(dc, oldBack);
    SetTextColor(dc, oldText);
}

void DrawItemText(const TSkinData* skinData, const MenuItemView& view, HDC dc, UINT flags, bool selected, RECT& r,
                  std::wstring text) {
    const bool measuring = (flags & DT_CALCRECT) != 0;
    if (measuring && (text.empty() || text == L"&")) text += L" ";
    // Framework separators over the item image never get here: they are drawn from the image.
    if (view.Separator) {
        if (measuring) return;
        RECT line{r.left, r.top + 4, r.right, r.bottom + 4};
        DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
        return;
    }
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, TextColour(skinData, view, selected));
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, flags);
}

void DrawItemContent(const TSkinData* skinData, const MenuItemView& view, Bitmap& pixels, HDC dc, const skin::Rect& r,
                     bool selected) {
    const TDataSkinObject* image = ItemImage(skinData);
    const int imageWidth = view.Images != nullptr ? view.Images->Width() : 0;
    MenuItemFacts facts;
    facts.Item = r;
    facts.GlyphSize = skin::form::MenuGlyphSize(imageWidth, view.Checked);
    facts.MarginLeft = image != nullptr ? image->Margins.Left : 0;
    facts.Separator = view.Separator;
    facts.RightToLeft = view.RightToLeft;
    const skin::form::MenuItemLayout layout = LayoutMenuItem(facts);

    if (!view.Separator) {
        const skin::Rect& box = layout.GlyphBox;
        if (view.Images != nullptr && view.ImageIndex >= 0 && view.ImageIndex < view.Images->Count()) {
            if (view.Checked) {
                GdiFlush();
                HatchBox(pixels, box);
                RECT edge = base::win::ToRECT(box);
                DrawEdge(dc, &edge, BDR_SUNKENOUTER, BF_RECT);
            }
            view.Images->Draw(dc, box.Left, box.Top, view.ImageIndex, view.Enabled);
        } else if (view.Checked) {
            DrawCheckMark(dc, box);
        }
    }

    base::win::ScopedSelectObject font(dc, MenuFont(view.Default));
    const UINT align = view.RightToLeft ? DT_RIGHT : 0;
    RECT text = base::win::ToRECT(layout.TextRect);
    RECT measured = text;
    DrawItemText(skinData, view, dc, DT_CALCRECT | DT_NOCLIP | DT_EXPANDTABS | DT_SINGLELINE | align, selected,
                 measured, view.Caption);
    const skin::Rect centred = skin::form::CentreVertically(base::win::FromRECT(measured), layout.TextRect);
    RECT place =
        view.RightToLeft ? RECT{text.left, centred.Top, text.right, centred.Bottom} : base::win::ToRECT(centred);
    if (view.Separator) place = {text.left, r.Top, text.right, r.Bottom};
    DrawItemText(skinData, view, dc, DT_EXPANDTABS | DT_SINGLELINE | align, selected, place, view.Caption);
    if (!view.Keys.empty() && !view.Separator) {
        skin::Rect measuredPlace = centred;
        if (view.RightToLeft)
            measuredPlace = {text.right - measured.right + measured.left, centred.Top, text.right, centred.Bottom};
        RECT keys = base::win::ToRECT(skin::form::ShortcutRect(measuredPlace, layout.TextRect, r, view.RightToLeft));
        DrawItemText(skinData, view, dc, view.RightToLeft ? DT_SINGLELINE : DT_RIGHT | DT_SINGLELINE, selected, keys,
                     view.Keys);
    }
}

// Frame 2 of the item image across the item, with magenta transparent.
void DrawSeparatorImage(const TDataSkinObject& image, HDC dc, const skin::Rect& r) {
    const skin::Rect source = skin::form::SeparatorSourceRect(image.Map.Width(), image.Map.Height(), r.Height());
    if (source.IsEmpty() || r.IsEmpty()) return;
    Bitmap piece(r.Width(), r.Height());
    piece.FillRect({0, 0, r.Width(), r.Height()}, ColorToPixel(RGB(255, 0, 255)));
    const int left = std::min(image.Margins.Left, source.Width());
    const int right = std::min(image.Margins.Right, source.Width() - left);
    CopyBitmapRect(piece, 0, 0, image.Map, {source.Left, source.Top, source.Left + left, source.Bottom});
    CopyBitmapRect(piece, r.Width() - right, 0, image.Map,
                   {source.Right - right, source.Top, source.Right, source.Bottom});
    if (r.Width() - left - right > 0 && source.Width() - left - right > 0)
        StretchBitmap(piece, {left, 0, r.Width() - right, source.Height()}, image.Map,
                      {source.Left + left, source.Top, source.Right - right, source.Bottom});
    TransparentBlit(dc, r, piece, kMagenta);
}

}  // namespace

MenuItemView FrameworkItemView(TMenuItem& item) {
    MenuItemView view;
    view.Caption = WidenText(item.Caption());
    view.Keys = WidenText(ShortCutToText(item.ShortCut()));
    view.Enabled = item.Enabled();
    view.Checked = item.Checked();
    view.Default = item.Default();
    view.Separator = item.IsLine();
    view.FrameworkItem = true;
    if (const TMenu* menu = item.GetParentMenu()) view.Images = menu->Images();
    view.ImageIndex = item.ImageIndex();
    return view;
}

MenuItemView WindowsItemView(HMENU menu, UINT id, bool byPosition) {
    MenuItemView view;
    wchar_t text[128] = {};
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_STATE | MIIM_FTYPE | MIIM_STRING;
    info.dwTypeData = text;
    info.cch = 127;
    if (!GetMenuItemInfoW(menu, id, byPosition ? TRUE : FALSE, &info)) return view;
    std::wstring caption = text;
    if (const auto tab = caption.find(L'\t'); tab != std::wstring::npos) {
        view.Keys = caption.substr(tab + 1);
        caption.resize(tab);
    }
    view.Separator = (info.fType & MFT_SEPARATOR) != 0 || caption.empty();
    view.Caption = view.Separator ? L"-" : caption;
    view.Enabled = (info.fState & (MFS_GRAYED | MFS_DISABLED)) == 0;
    view.Checked = (info.fState & MFS_CHECKED) != 0;
    view.Default = (info.fState & MFS_DEFAULT) != 0;
    view.RightToLeft = (info.fType & MFT_RIGHTORDER) != 0;
    return view;
}

void DrawMenuItem(const TSkinData* skinData, HMENU menu, const MenuItemView& view, HDC dc, const RECT& rect,
                  bool selected) {
    const skin::Rect r = base::win::FromRECT(rect);
    if (r.IsEmpty()) return;
    try {
        base::win::DibSection& scratch = Scratch(r.Width(), r.Height());
        const skin::Rect local{0, 0, r.Width(), r.Height()};
        const TDataSkinObject* image = ItemImage(skinData);
        Bitmap& pixels = scratch.Pixels();
        if (image == nullptr) {
            const TColor fill = skinData == nullptr
                                    ? (selected ? clHighlight : clMenu)
                                    : (selected ? skinData->Objects().HilightColor : skinData->Objects().MenuColor);
            pixels.Fill(ColorToPixel(ColorToRGB(fill)));
            DrawItemContent(skinData, view, pixels, scratch.Dc(), local, selected);
            BitBlt(dc, r.Left, r.Top, r.Width(), r.Height(), scratch.Dc(), 0, 0, SRCCOPY);
            return;
        }
        if (SkinManager != nullptr) SkinManager->AssignPopupMenu(menu);
        POINT origin{0, 0};
        const Bitmap* background = SkinManager != nullptr ? SkinManager->PopupBackground(menu, &origin) : nullptr;
        if (background != nullptr)
            CopyBitmapRect(pixels, 0, 0, *background, r.Offset(origin.x, origin.y));
        else
            pixels.Fill(ColorToPixel(ColorToRGB(skinData->Objects().MenuColor)));
        if (view.Separator && view.FrameworkItem) {
            BitBlt(dc, r.Left, r.Top, r.Width(), r.Height(), scratch.Dc(), 0, 0, SRCCOPY);
            DrawSeparatorImage(*image, dc, r);
            return;
        }
        DrawSkinObject(pixels, local, image->Map, false, image->Tile != 0, image->Trans != 0, 5, selected ? 4 : 1,
                       image->Margins);
        DrawItemContent(skinData, view, pixels, scratch.Dc(), local, selected);
        BitBlt(dc, r.Left, r.Top, r.Width(), r.Height(), scratch.Dc(), 0, 0, SRCCOPY);
    } catch (const std::exception&) {
        // Without memory for the scratch bitmap the item stays as the system left it.
    }
}

SIZE MeasureWindowsMenuItem(const TSkinData* skinData, const MenuItemView& view, int systemHeight) {
    const TDataSkinObject* image = ItemImage(skinData);
    SIZE text{};
    if (!view.Separator) {
        base::win::WindowDc screen(nullptr);
        base::win::ScopedSelectObject font(screen.Get(), MenuFont(view.Default));
        const std::wstring all = view.Keys.empty() ? view.Caption : view.Caption + L"\t" + view.Keys;
        RECT r{};
        DrawTextW(screen.Get(), all.c_str(), static_cast<int>(all.size()), &r,
                  DT_CALCRECT | DT_EXPANDTABS | DT_SINGLELINE);
        text = {r.right - r.left, r.bottom - r.top};
    }
    const skin::form::MeasuredSize size =
        skin::form::MeasureWindowsItem(text.cx, std::max(systemHeight, static_cast<int>(text.cy)), view.Separator,
                                       image != nullptr ? image->Margins.Left : 0);
    return {size.Width, size.Height};
}

void MeasureFrameworkItem(const TSkinData* skinData, TMenuItem& item, TCanvas* canvas, int& width, int& height,
                          bool mainMenu) {
    // Measured as the framework measures an item it draws itself (changing the item's handlers
    // here would rebuild the menu while the system measures it).
    // The default item is drawn bold: it is measured so.
    const TFontStyles plain = canvas->Font()->Style();
    if (item.Default()) canvas->Font()->SetStyle(plain | fsBold);
    const SIZE size = canvas->TextExtent(item.Caption().empty() ? std::string(" ") : item.Caption());
    canvas->Font()->SetStyle(plain);
    width = size.cx + 8;
    if (const std::string keys = ShortCutToText(item.ShortCut()); !keys.empty() && !item.IsLine())
        width += canvas->TextExtent(keys).cx + 16;
    height = item.IsLine() ? 8 : size.cy + 4;
    const TDataSkinObject* image = ItemImage(skinData);
    const TMenu* menu = item.GetParentMenu();
    const TCustomImageList* images = menu != nullptr ? menu->Images() : nullptr;
    const int margin = image != nullptr ? image->Margins.Left : 0;
    width += mainMenu ? skin::form::MainItemExtraWidth(margin, images != nullptr)
                      : skin::form::PopupItemExtraWidth(margin, images != nullptr);
    if (images != nullptr) width += images->Width();
    if (!item.IsLine())
        height =
            std::max(height, skin::form::MenuGlyphSize(images != nullptr ? images->Width() : 0, item.Checked()) + 2);
}

namespace {

void SetItemHandlers(TSkinForm& formSkin, TMenuItem* item, bool on, bool main, bool keepOwn) {
    if (item == nullptr) return;
    for (int i = 0; i < item->Count(); ++i) {
        TMenuItem* child = item->Items(i);
        const bool apply = !keepOwn || !on || !child->OnDrawItem();
        if (apply) {
            if (on) {
                TSkinForm* skin = &formSkin;
                child->SetOnDrawItem([skin](TObject* sender, TCanvas* canvas, const RECT& rect, bool selected) {
                    auto* menuItem = static_cast<TMenuItem*>(sender);
                    const TSkinData* data = TSkinForm::IsLive(skin) ? skin->SkinData() : nullptr;
                    HMENU parent = menuItem->Parent() != nullptr ? menuItem->Parent()->Handle() : nullptr;
                    MenuItemView view = FrameworkItemView(*menuItem);
                    view.RightToLeft = TSkinForm::IsLive(skin) && skin->RightToLeft();
                    DrawMenuItem(data, parent, view, canvas->Handle(), rect, selected);
                });
                child->SetOnMeasureItem([skin, main](TObject* sender, TCanvas* canvas, int& width, int& height) {
                    const TSkinData* data = TSkinForm::IsLive(skin) ? skin->SkinData() : nullptr;
                    MeasureFrameworkItem(data, *static_cast<TMenuItem*>(sender), canvas, width, height, main);
                });
            } else {
                child->SetOnDrawItem({});
                child->SetOnMeasureItem({});
            }
        }
        SetItemHandlers(formSkin, child, on, main, keepOwn);
    }
}

}  // namespace

void InstallPopupMenuDrawing(TSkinForm& formSkin, TPopupMenu* menu, bool on) {
    if (menu == nullptr || menu->Items() == nullptr) return;
    menu->SetOwnerDraw(on);
    SetItemHandlers(formSkin, menu->Items(), on, false, false);
}

void InstallPopupDrawing(TSkinForm& formSkin, TComponent* owner, bool on) {
    const TSkinData* data = formSkin.SkinData();
    if (owner == nullptr) return;
    const bool skinned = data != nullptr && data->SkinControls().Contains(TSkinControlType::xcPopupMenu);
    if (on && !skinned) return;
    for (int i = 0; i < owner->ComponentCount(); ++i) {
        auto* menu = dynamic_cast<TPopupMenu*>(owner->Components(i));
        if (menu == nullptr) continue;
        if (data != nullptr && menu->Tag() % 100 == data->DisableTag()) continue;
        InstallPopupMenuDrawing(formSkin, menu, on);
    }
}

void InstallMainMenuDrawing(TSkinForm& formSkin, TMainMenu* menu, bool on) {
    if (menu == nullptr || menu->Items() == nullptr) return;
    menu->SetOwnerDraw(on);
    // Only below the top level: the bar's own buttons are drawn by the skinned menu bar.
    for (int i = 0; i < menu->Items()->Count(); ++i) SetItemHandlers(formSkin, menu->Items()->Items(i), on, true, true);
}

void MarkOwnerDraw(HMENU menu, std::vector<std::pair<HMENU, UINT>>& marked) {
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_SUBMENU;
        if (!GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info)) continue;
        if ((info.fType & MFT_OWNERDRAW) == 0) {
            MENUITEMINFOW type{};
            type.cbSize = sizeof(type);
            type.fMask = MIIM_FTYPE;
            type.fType = info.fType | MFT_OWNERDRAW;
            if (SetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &type)) marked.emplace_back(menu, i);
        }
        if (info.hSubMenu != nullptr) MarkOwnerDraw(info.hSubMenu, marked);
    }
}

void UnmarkOwnerDraw(std::vector<std::pair<HMENU, UINT>>& marked) {
    for (const auto& [menu, position] : marked) {
        if (!IsMenu(menu)) continue;
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE;
        if (!GetMenuItemInfoW(menu, position, TRUE, &info)) continue;
        info.fType &= ~static_cast<UINT>(MFT_OWNERDRAW);
        SetMenuItemInfoW(menu, position, TRUE, &info);
    }
    marked.clear();
}

}  // namespace skin::win
