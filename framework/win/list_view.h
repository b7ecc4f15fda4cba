// THeaderControl (column headings over the common header) and TListView (the common list view:
// icons, lists and reports with columns).
#pragma once

#include "framework/strings.h"
#include "framework/win/win_control.h"

#include <memory>
#include <string>
#include <vector>

class TCustomImageList;
class THeaderControl;

// One heading of a header control.
class THeaderSection : public TPersistent {
    T_CLASS_PUBLISHED(THeaderSection, TPersistent)
public:
    explicit THeaderSection(THeaderControl* owner) : owner_(owner) {}
    const std::string& Text() const { return text_; }
    void SetText(const std::string& value);
    int Width() const { return width_; }
    void SetWidth(int value);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int value);
    int Index() const;
    static TPropList Published();

private:
    friend class THeaderControl;
    THeaderControl* owner_;
    std::string text_;
    int width_ = 50;
    TAlignment alignment_ = taLeftJustify;
    int imageIndex_ = -1;
};

class THeaderSections : public TPersistent {
    T_CLASS(THeaderSections, TPersistent)
public:
    explicit THeaderSections(THeaderControl* owner) : owner_(owner) {}
    ~THeaderSections() override;
    int Count() const { return static_cast<int>(items_.size()); }
    THeaderSection* Items(int index) const { return items_.at(static_cast<std::size_t>(index)).get(); }
    THeaderSection* operator[](int index) const { return Items(index); }
    THeaderSection* Add();
    void Clear();

private:
    friend class THeaderSection;
    THeaderControl* owner_;
    std::vector<std::unique_ptr<THeaderSection>> items_;
};

using TSectionNotifyEvent = std::function<void(THeaderControl* HeaderControl, THeaderSection* Section)>;

class THeaderControl : public TWinControl {
    T_CLASS_PUBLISHED(THeaderControl, TWinControl)
public:
    // 185x17.
    explicit THeaderControl(TComponent* owner);
    ~THeaderControl() override;
    THeaderSections* Sections() { return sections_.get(); }
    TCustomImageList* Images() const { return images_; }
    void SetImages(TCustomImageList* images);
    // Section `index`'s rectangle in the client area (empty without a window).
    RECT SectionRect(int index) const;

    TSectionNotifyEvent OnSectionClick;
    // After the user dragged a section's edge (its Width is updated).
    TSectionNotifyEvent OnSectionResize;
    static TPropList Published();

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void DestroyWnd() override;
    void WndProc(TMessage& message) override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    friend class THeaderSection;
    friend class THeaderSections;
    void UpdateSections();
    void ReadWidths();

    std::unique_ptr<THeaderSections> sections_;
    TCustomImageList* images_ = nullptr;
};

class TCustomListView;

// A column of a list view in report view.
class TListColumn : public TPersistent {
    T_CLASS_PUBLISHED(TListColumn, TPersistent)
public:
    explicit TListColumn(TCustomListView* owner) : owner_(owner) {}
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& value);
    int Width() const;
    void SetWidth(int value);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value);
    int Index() const;
    static TPropList Published();

private:
    friend class TCustomListView;
    TCustomListView* owner_;
    std::string caption_;
    int width_ = 50;
    TAlignment alignment_ = taLeftJustify;
};

class TListColumns : public TPersistent {
    T_CLASS(TListColumns, TPersistent)
public:
    explicit TListColumns(TCustomListView* owner) : owner_(owner) {}
    ~TListColumns() override;
    int Count() const { return static_cast<int>(items_.size()); }
    TListColumn* Items(int index) const { return items_.at(static_cast<std::size_t>(index)).get(); }
    TListColumn* operator[](int index) const { return Items(index); }
    TListColumn* Add();
    void Clear();

private:
    friend class TListColumn;
    friend class TCustomListView;
    TCustomListView* owner_;
    std::vector<std::unique_ptr<TListColumn>> items_;
};

// A row of a list view: its caption (first column) and the texts of the other columns.
class TListItem : public TPersistent {
    T_CLASS_PUBLISHED(TListItem, TPersistent)
public:
    explicit TListItem(TCustomListView* owner);
    ~TListItem() override;
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& value);
    TStrings* SubItems() { return subItems_.get(); }
    void SetSubItems(TStrings* value) { subItems_->Assign(value); }
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int value);
    int Index() const;
    bool Selected() const;
    void SetSelected(bool value);
    static TPropList Published();

private:
    friend class TCustomListView;
    TCustomListView* owner_;
    std::string caption_;
    std::unique_ptr<TStringList> subItems_;
    int imageIndex_ = -1;
    bool selected_ = false;
};

class TListItems : public TPersistent {
    T_CLASS(TListItems, TPersistent)
public:
    explicit TListItems(TCustomListView* owner) : owner_(owner) {}
    ~TListItems() override;
    int Count() const { return static_cast<int>(items_.size()); }
    TListItem* Item(int index) const { return items_.at(static_cast<std::size_t>(index)).get(); }
    TListItem* operator[](int index) const { return Item(index); }
    TListItem* Add();
    void Clear();

private:
    friend class TListItem;
    friend class TCustomListView;
    TCustomListView* owner_;
    std::vector<std::unique_ptr<TListItem>> items_;
};

enum TViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };

class TCustomListView : public TWinControl {
    T_CLASS_PUBLISHED(TCustomListView, TWinControl)
public:
    // 250x150, icon view, sunken border, tab stop.
    explicit TCustomListView(TComponent* owner);
    ~TCustomListView() override;
    TListColumns* Columns() { return columns_.get(); }
    TListItems* Items() { return items_.get(); }
    // Changing the view style re-creates the window.
    TViewStyle ViewStyle() const { return viewStyle_; }
    void SetViewStyle(TViewStyle value);
    // In report view a click anywhere in the row selects it and the whole row is highlighted.
    bool RowSelect() const { return rowSelect_; }
    void SetRowSelect(bool value);
    bool GridLines() const { return gridLines_; }
    void SetGridLines(bool value);
    TCustomImageList* Images() const { return images_; }
    void SetImages(TCustomImageList* images);
    TCustomImageList* SmallImages() const { return smallImages_; }
    void SetSmallImages(TCustomImageList* images);
    // The selected item (the first when there are several), or -1.
    int ItemIndex() const;
    void SetItemIndex(int value);
    TListItem* Selected() const;
    // The list view's column header window (report view), or null.
    HWND HeaderWindow() const;

    // After the selection changed.
    TNotifyEvent OnChange;
    static TPropList Published();

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void DestroyWnd() override;
    void WndProc(TMessage& message) override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    friend class TListColumn;
    friend class TListColumns;
    friend class TListItem;
    friend class TListItems;
    void UpdateColumns();
    void UpdateItems();
    void UpdateExtendedStyle();
    void UpdateImages();
    void SaveState();

    std::unique_ptr<TListColumns> columns_;
    std::unique_ptr<TListItems> items_;
    TViewStyle viewStyle_ = vsIcon;
    bool rowSelect_ = false;
    bool gridLines_ = false;
    TCustomImageList* images_ = nullptr;
    TCustomImageList* smallImages_ = nullptr;
};

class TListView : public TCustomListView {
    T_CLASS(TListView, TCustomListView)
public:
    explicit TListView(TComponent* owner) : TCustomListView(owner) {}
};
