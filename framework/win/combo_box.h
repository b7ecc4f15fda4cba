// Combo boxes: TCustomComboBox/TComboBox over COMBOBOX and TComboBoxEx over the extended combo
// (items with images).
#pragma once

#include "framework/strings.h"
#include "framework/win/win_control.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TCustomImageList;

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };

// State of an owner-drawn item, as a bit set.
using TOwnerDrawState = unsigned;
constexpr TOwnerDrawState odSelected = 1;
constexpr TOwnerDrawState odDisabled = 2;
constexpr TOwnerDrawState odFocused = 4;
// The item is drawn in the combo's selection field, not in its list.
constexpr TOwnerDrawState odComboBoxEdit = 8;

using TOwnerDrawItemEvent =
    std::function<void(TWinControl* Control, int Index, const RECT& Rect, TOwnerDrawState State)>;

class TCustomComboBox : public TWinControl {
    T_CLASS_PUBLISHED(TCustomComboBox, TWinControl)
public:
    // 145 wide, drop-down style, eight items in the dropped list, white, tab stop.
    explicit TCustomComboBox(TComponent* owner);
    ~TCustomComboBox() override;

    // The items, in the window while there is one (kept over a re-creation).
    TStrings* Items() { return items_.get(); }
    void SetItems(TStrings* items) { items_->Assign(items); }
    // The selected item, -1 for none; setting it runs no events.
    int ItemIndex() const;
    void SetItemIndex(int value);
    // Changing the style re-creates the window.
    TComboBoxStyle Style() const { return style_; }
    void SetStyle(TComboBoxStyle value);
    bool Sorted() const { return sorted_; }
    void SetSorted(bool value);
    // How many items the dropped list shows without scrolling.
    int DropDownCount() const { return dropDownCount_; }
    void SetDropDownCount(int value);
    // Height of the owner-drawn items.
    int ItemHeight() const { return itemHeight_; }
    void SetItemHeight(int value);
    bool DroppedDown() const;
    void SetDroppedDown(bool value);
    // Drawing surface while OnDrawItem runs.
    TCanvas* Canvas() { return &canvas_; }

    void SetBounds(int left, int top, int width, int height) override;

    // The text was edited or another item was picked.
    TNotifyEvent OnChange;
    // An item was picked from the list (mouse or keyboard).
    TNotifyEvent OnSelect;
    TNotifyEvent OnDropDown;
    TNotifyEvent OnCloseUp;
    // Draws an item of an owner-drawn combo; without a handler the combo draws the item's text.
    TOwnerDrawItemEvent OnDrawItem;
    static TPropList Published();

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void DestroyWnd() override;
    void WndProc(TMessage& message) override;
    void SetTextValue(const std::string& text) override;
    bool ClickOnMouseUp() const override { return false; }

private:
    friend class TComboBoxStrings;
    // Height of the dropped list, added to the window's height as the combo expects.
    int ListHeight() const;
    void DrawItem(const DRAWITEMSTRUCT& item);

    std::unique_ptr<TStrings> items_;
    std::vector<std::string> saved_;
    int savedIndex_ = -1;
    // The selected item's text, to find it again when a re-created window sorts differently.
    std::string savedSelection_;
    TComboBoxStyle style_ = csDropDown;
    bool sorted_ = false;
    int dropDownCount_ = 8;
    int itemHeight_ = 16;
    TCanvas canvas_;
};

class TComboBox : public TCustomComboBox {
    T_CLASS(TComboBox, TCustomComboBox)
public:
    explicit TComboBox(TComponent* owner) : TCustomComboBox(owner) {}
};

class TComboBoxEx;

// One item of an extended combo.
class TComboExItem : public TPersistent {
    T_CLASS_PUBLISHED(TComboExItem, TPersistent)
public:
    explicit TComboExItem(TComboBoxEx* owner) : owner_(owner) {}
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& value);
    // Image of the item in the combo's Images (-1: none).
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int value);
    static TPropList Published();

private:
    friend class TComboExItems;
    TComboBoxEx* owner_;
    std::string caption_;
    int imageIndex_ = -1;
};

class TComboExItems : public TPersistent {
    T_CLASS(TComboExItems, TPersistent)
public:
    explicit TComboExItems(TComboBoxEx* owner) : owner_(owner) {}
    ~TComboExItems() override;
    int Count() const { return static_cast<int>(items_.size()); }
    TComboExItem* Items(int index) const { return items_.at(static_cast<std::size_t>(index)).get(); }
    TComboExItem* operator[](int index) const { return Items(index); }
    TComboExItem* Add();
    // Adds an item with that caption and image.
    TComboExItem* AddItem(const std::string& caption, int imageIndex);
    void Clear();

private:
    TComboBoxEx* owner_;
    std::vector<std::unique_ptr<TComboExItem>> items_;
};

enum TComboBoxExStyle { csExDropDown, csExSimple, csExDropDownList };

// An extended combo: every item has a caption and an image from Images.
class TComboBoxEx : public TWinControl {
    T_CLASS_PUBLISHED(TComboBoxEx, TWinControl)
public:
    // 145 wide, drop-down list style, tab stop.
    explicit TComboBoxEx(TComponent* owner);
    ~TComboBoxEx() override;

    TComboExItems* ItemsEx() { return items_.get(); }
    int ItemIndex() const;
    void SetItemIndex(int value);
    TComboBoxExStyle Style() const { return style_; }
    void SetStyle(TComboBoxExStyle value);
    TCustomImageList* Images() const { return images_; }
    void SetImages(TCustomImageList* images);
    int DropDownCount() const { return dropDownCount_; }
    void SetDropDownCount(int value);
    bool DroppedDown() const;
    void SetDroppedDown(bool value);

    void SetBounds(int left, int top, int width, int height) override;

    TNotifyEvent OnChange;
    TNotifyEvent OnSelect;
    static TPropList Published();

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void DestroyWnd() override;
    void WndProc(TMessage& message) override;
    void Notification(TComponent* component, TOperation operation) override;
    bool ClickOnMouseUp() const override { return false; }

private:
    friend class TComboExItem;
    friend class TComboExItems;
    void RebuildItems();
    int ListHeight() const { return dropDownCount_ * 18 + 2; }

    std::unique_ptr<TComboExItems> items_;
    int savedIndex_ = -1;
    TComboBoxExStyle style_ = csExDropDownList;
    TCustomImageList* images_ = nullptr;
    int dropDownCount_ = 8;
};
