// Tabs: TPageControl with TTabSheet pages and TTabControl over the common tab control, and
// TTabSet, a strip of tabs hanging down that paints itself.
#pragma once

#include "framework/strings.h"
#include "framework/tab_set_layout.h"
#include "framework/win/range_ctrls.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TCustomImageList;

enum TTabPosition { tpTop, tpBottom, tpLeft, tpRight };

using TTabChangingEvent = std::function<void(TObject* Sender, bool& AllowChange)>;

// What TTabControl and TPageControl share: the tab window, where its tabs are, and the change
// notifications.
class TCustomTabControl : public TWinControl {
    T_CLASS_PUBLISHED(TCustomTabControl, TWinControl)
public:
    explicit TCustomTabControl(TComponent* owner);
    ~TCustomTabControl() override;

    // tpLeft and tpRight put the tabs in rows along the side (they are always multi-line there).
    TTabPosition TabPosition() const { return tabPosition_; }
    void SetTabPosition(TTabPosition value);
    bool MultiLine() const { return multiLine_; }
    void SetMultiLine(bool value);
    TCustomImageList* Images() const { return images_; }
    void SetImages(TCustomImageList* images);
    // Tab `index`'s rectangle in the client area (empty without a window).
    RECT TabRect(int index) const;
    // The part of the client area inside the tabs' frame.
    RECT DisplayRect() const;

    // After the selected tab changed by mouse or keyboard.
    TNotifyEvent OnChange;
    // Before it changes; AllowChange false keeps the current tab.
    TTabChangingEvent OnChanging;
    static TPropList Published();

protected:
    struct TTabItem {
        std::string Caption;
        int ImageIndex = -1;
    };
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void WndProc(TMessage& message) override;
    void Notification(TComponent* component, TOperation operation) override;
    bool ClickOnMouseUp() const override { return false; }

    // The tabs to show and the one selected (-1: none).
    virtual std::vector<TTabItem> TabItems() const = 0;
    virtual int SelectedTab() const = 0;
    // The window selected tab `tab` (by mouse or keyboard).
    virtual void TabSelected(int tab) = 0;
    // Makes the window's tabs those of TabItems again.
    void UpdateTabs();
    // Moves the window's selection without notifications.
    void SelectTabInWindow(int tab);
    bool CanChange();
    // Ctrl+Tab and Ctrl+Shift+Tab step through the tabs; false when the key is not one of them.
    bool HandleTabKey(WPARAM key);
    // Selects the next (or previous) tab as the user would, with both notifications.
    void StepTab(bool forward);
    virtual void TabsUpdated() {}

private:
    TTabPosition tabPosition_ = tpTop;
    bool multiLine_ = false;
    TCustomImageList* images_ = nullptr;
};

class TTabControl : public TCustomTabControl {
    T_CLASS_PUBLISHED(TTabControl, TCustomTabControl)
public:
    // 289x193, tab stop.
    explicit TTabControl(TComponent* owner);
    ~TTabControl() override;
    TStrings* Tabs() { return tabs_.get(); }
    void SetTabs(TStrings* tabs) { tabs_->Assign(tabs); }
    // The selected tab, -1 for none; setting it runs no events.
    int TabIndex() const { return tabIndex_; }
    void SetTabIndex(int value);
    static TPropList Published();

protected:
    std::vector<TTabItem> TabItems() const override;
    int SelectedTab() const override { return tabIndex_; }
    void TabSelected(int tab) override;

private:
    std::unique_ptr<TStringList> tabs_;
    int tabIndex_ = -1;
};

class TPageControl;

// A page of a page control: holds the controls shown while its tab is selected.
class TTabSheet : public TWinControl {
    T_CLASS_PUBLISHED(TTabSheet, TWinControl)
public:
    explicit TTabSheet(TComponent* owner);
    TPageControl* PageControl() const { return pageControl_; }
    // Puts the sheet in a page control (as its last page) or takes it out (null).
    void SetPageControl(TPageControl* value);
    // Position among the page control's pages.
    int PageIndex() const;
    void SetPageIndex(int value);
    // A page without a visible tab can still be made active from code.
    bool TabVisible() const { return tabVisible_; }
    void SetTabVisible(bool value);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int value);
    // Position of the sheet's tab among the visible tabs, -1 when it has none.
    int TabIndex() const;
    static TPropList Published();

protected:
    void WndProc(TMessage& message) override;
    void BeforeDestruction() override;

private:
    friend class TPageControl;
    TPageControl* pageControl_ = nullptr;
    bool tabVisible_ = true;
    int imageIndex_ = -1;
};

class TPageControl : public TCustomTabControl {
    T_CLASS_PUBLISHED(TPageControl, TCustomTabControl)
public:
    // 289x193, tab stop.
    explicit TPageControl(TComponent* owner);
    ~TPageControl() override;
    int PageCount() const { return static_cast<int>(pages_.size()); }
    TTabSheet* Pages(int index) const { return pages_.at(static_cast<std::size_t>(index)); }
    // The page shown; setting it shows that page, hides the others and runs no events.
    TTabSheet* ActivePage() const { return activePage_; }
    void SetActivePage(TTabSheet* page);
    int ActivePageIndex() const;
    void SetActivePageIndex(int value);
    // Activates the next (or previous) page with a visible tab, with OnChanging and OnChange.
    void SelectNextPage(bool forward);
    static TPropList Published();

protected:
    std::vector<TTabItem> TabItems() const override;
    int SelectedTab() const override;
    void TabSelected(int tab) override;
    void TabsUpdated() override;
    void BoundsChanged() override;
    void WndProc(TMessage& message) override;

private:
    friend class TTabSheet;
    void InsertPage(TTabSheet* page);
    void RemovePage(TTabSheet* page);
    void MovePage(TTabSheet* page, int index);
    void AlignPages();
    std::vector<TTabSheet*> VisibleTabPages() const;

    std::vector<TTabSheet*> pages_;
    TTabSheet* activePage_ = nullptr;
};

using TTabChangeEvent = std::function<void(TObject* Sender, int NewTab, bool& AllowChange)>;

// A strip of tabs that hang down from its top edge, painted by the control. When the tabs do not
// fit, a scroller (the control's first owned component) at the right end scrolls them.
class TTabSet : public TCustomControl {
    T_CLASS_PUBLISHED(TTabSet, TCustomControl)
public:
    // 185x21, margins of 5.
    explicit TTabSet(TComponent* owner);
    ~TTabSet() override;
    TStrings* Tabs() { return tabs_.get(); }
    void SetTabs(TStrings* tabs) { tabs_->Assign(tabs); }
    // The selected tab, -1 for none. Setting it runs OnChange, which may refuse.
    int TabIndex() const { return tabIndex_; }
    void SetTabIndex(int value);
    // Room before the first tab and after the last.
    int StartMargin() const { return startMargin_; }
    void SetStartMargin(int value);
    int EndMargin() const { return endMargin_; }
    void SetEndMargin(int value);
    // The first tab shown (the strip is scrolled past the ones before it).
    int FirstIndex() const { return layout_.FirstIndex; }
    void SetFirstIndex(int value);
    TUpDown* Scroller() const { return scroller_; }
    // Where the tabs are now.
    const TTabSetLayout& Layout() const { return layout_; }
    // The tab at a client point, or -1.
    int ItemAtPos(POINT p) const;

    TTabChangeEvent OnChange;
    static TPropList Published();

protected:
    void Paint() override;
    void BoundsChanged() override;
    void FontChanged() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    void Relayout();
    TUpDown* scroller_;
    std::unique_ptr<TStringList> tabs_;
    int tabIndex_ = -1;
    int startMargin_ = 5;
    int endMargin_ = 5;
    int requestedFirst_ = 0;
    TTabSetLayout layout_;
};
