// Menus: TMenuItem, TMenu, TMainMenu, TPopupMenu over Windows menus.
#pragma once

#include "base/win/handles.h"
#include "framework/win/canvas.h"
#include "framework/component.h"
#include "framework/shortcut.h"

#include <functional>
#include <string>
#include <vector>

class TMenu;
class TMenuItem;
class TCustomImageList;

using TDrawItemEvent = std::function<void(TObject* Sender, TCanvas* ACanvas, const RECT& ARect, bool Selected)>;
using TMeasureItemEvent = std::function<void(TObject* Sender, TCanvas* ACanvas, int& Width, int& Height)>;

class TMenuItem : public TComponent {
    T_CLASS_PUBLISHED(TMenuItem, TComponent)
public:
    explicit TMenuItem(TComponent* owner);
    ~TMenuItem() override;

    // "-" makes a separator.
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value);
    bool Visible() const { return visible_; }
    void SetVisible(bool value);
    bool Checked() const { return checked_; }
    void SetChecked(bool value);
    // The menu's default command (shown bold; the one a double click on its owner runs).
    bool Default() const { return default_; }
    void SetDefault(bool value);
    bool IsLine() const { return caption_ == "-"; }
    // Shown after a tab in the item's text ("Open\tCtrl+O"); 0 for none.
    TShortCut ShortCut() const { return shortCut_; }
    void SetShortCut(TShortCut shortCut);
    // Position of the item's image in the menu's Images; -1 for none.
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index);
    // The text Windows gets for the item: the caption, then a tab and the shortcut if any.
    std::string MenuText() const;
    // Top-level items of an MDI child's main menu replace the frame's items of the same group
    // while the child is active (see TMainMenu::Merge).
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int value);

    // Sub-items (the item frees them with itself).
    int Count() const { return static_cast<int>(items_.size()); }
    TMenuItem* Items(int index) const { return items_.at(static_cast<std::size_t>(index)); }
    void Add(TMenuItem* item);
    void Insert(int index, TMenuItem* item);
    void Remove(TMenuItem* item);
    int IndexOf(const TMenuItem* item) const;
    TMenuItem* Parent() const { return parent_; }
    int MenuIndex() const { return parent_ ? parent_->IndexOf(this) : -1; }
    // The menu this item belongs to (through its parents), or null.
    TMenu* GetParentMenu() const;

    // WM_COMMAND identifier of the item.
    UINT Command() const { return command_; }
    // The Windows menu holding the sub-items (created on first use); null without sub-items.
    HMENU Handle();
    // Drawn through WM_DRAWITEM / WM_MEASUREITEM: a handler is set, or the menu's OwnerDraw.
    bool OwnerDrawn() const;

    virtual void Click();
    TNotifyEvent OnClick;
    // Owner drawing: setting a handler makes the item owner-drawn (empty handler: drawn by Windows).
    const TDrawItemEvent& OnDrawItem() const { return onDrawItem_; }
    void SetOnDrawItem(TDrawItemEvent handler);
    const TMeasureItemEvent& OnMeasureItem() const { return onMeasureItem_; }
    void SetOnMeasureItem(TMeasureItemEvent handler);

    // Runs the drawing / measuring for WM_DRAWITEM / WM_MEASUREITEM of this item.
    void DoDrawItem(TCanvas* canvas, const RECT& rect, bool selected);
    void DoMeasureItem(TCanvas* canvas, int& width, int& height);

    // The item with that command (menu item identifier), or null.
    static TMenuItem* FindByCommand(UINT command);
    // Whether `item` points to a menu item that still exists.
    static bool IsLive(const TMenuItem* item);

    static TPropList Published();

protected:
    void BeforeDestruction() override;

private:
    friend class TMenu;
    friend class TMainMenu;
    void RebuildHandle();
    void Changed();
    void FreeHandle();

    std::string caption_;
    TDrawItemEvent onDrawItem_;
    TMeasureItemEvent onMeasureItem_;
    bool enabled_ = true;
    bool visible_ = true;
    bool checked_ = false;
    bool default_ = false;
    TShortCut shortCut_ = 0;
    int imageIndex_ = -1;
    int groupIndex_ = 0;
    std::vector<TMenuItem*> items_;
    TMenuItem* parent_ = nullptr;
    TMenu* menu_ = nullptr;  // set on the root item of a menu
    UINT command_ = 0;
    base::win::UniqueHMenu handle_;
};

class TMenu : public TComponent {
    T_CLASS_PUBLISHED(TMenu, TComponent)
public:
    explicit TMenu(TComponent* owner);
    ~TMenu() override;
    // The root item; its sub-items are the menu's top items.
    TMenuItem* Items() const { return items_; }
    HMENU Handle() const { return items_->Handle(); }
    // Every item drawn through WM_DRAWITEM / WM_MEASUREITEM.
    bool OwnerDraw() const { return ownerDraw_; }
    void SetOwnerDraw(bool value);
    // The item whose command or sub-menu handle matches, searching the whole tree.
    TMenuItem* FindItem(UINT command) const;
    TMenuItem* FindItemByHandle(HMENU menu) const;
    // Images the items show by ImageIndex. Not owned: whoever frees the list first sets this
    // back to null.
    TCustomImageList* Images() const { return images_; }
    void SetImages(TCustomImageList* images);
    // Told when items change (a main menu tells its form).
    virtual void MenuChanged() {}
    // The top-level items the menu's Windows menu shows, in order.
    virtual std::vector<TMenuItem*> TopItems() const;
    static TPropList Published();

protected:
    // The root's Windows menu: CreateMenu for a menu bar, CreatePopupMenu otherwise.
    virtual HMENU CreateMenuHandle() const { return ::CreatePopupMenu(); }
    void BeforeDestruction() override;

private:
    friend class TMenuItem;
    TMenuItem* items_;
    bool ownerDraw_ = false;
    TCustomImageList* images_ = nullptr;
};

class TMainMenu : public TMenu {
    T_CLASS(TMainMenu, TMenu)
public:
    explicit TMainMenu(TComponent* owner) : TMenu(owner) {}
    void MenuChanged() override;
    // Shows `menu`'s top-level items in this one by GroupIndex (null or another menu first
    // unmerges the one merged before); Unmerge(menu) takes them out again if `menu` is merged.
    void Merge(TMainMenu* menu);
    void Unmerge(TMainMenu* menu);
    TMainMenu* MergedMenu() const { return merged_; }
    std::vector<TMenuItem*> TopItems() const override;

protected:
    HMENU CreateMenuHandle() const override { return ::CreateMenu(); }
    void Notification(TComponent* component, TOperation operation) override;

private:
    TMainMenu* merged_ = nullptr;
};

class TPopupMenu : public TMenu {
    T_CLASS(TPopupMenu, TMenu)
public:
    explicit TPopupMenu(TComponent* owner) : TMenu(owner) {}
    // Shows the menu at a screen point; the chosen item's OnClick runs.
    void Popup(int x, int y);
    TNotifyEvent OnPopup;
};
