// Common controls: TTreeView (SysTreeView32), TStatusBar (msctls_statusbar32), TToolBar
// (ToolbarWindow32).
#pragma once

#include "framework/win/win_control.h"

#include <functional>

#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

class TCustomTreeView;

class TTreeNode : public TPersistent {
    T_CLASS(TTreeNode, TPersistent)
public:
    TTreeNode(TCustomTreeView* owner, TTreeNode* parent, const std::string& text);
    ~TTreeNode() override;

    const std::string& Text() const { return text_; }
    void SetText(const std::string& text);
    TTreeNode* Parent() const { return parent_; }
    int Count() const { return static_cast<int>(children_.size()); }
    TTreeNode* Item(int index) const { return children_.at(static_cast<std::size_t>(index)).get(); }
    // Position among its siblings.
    int Index() const;
    // Position in depth-first order over the whole tree.
    int AbsoluteIndex() const;
    int Level() const;
    bool Selected() const;
    void SetSelected(bool value);
    bool Expanded() const;
    void Expand(bool recurse);
    void Collapse(bool recurse);
    // The tree view item (null while the tree view has no window).
    HTREEITEM ItemId() const { return item_; }
    void* Data = nullptr;

private:
    friend class TTreeNodes;
    friend class TCustomTreeView;
    TCustomTreeView* owner_;
    TTreeNode* parent_;
    std::string text_;
    std::vector<std::unique_ptr<TTreeNode>> children_;
    HTREEITEM item_ = nullptr;
    bool expanded_ = false;
};

class TTreeNodes : public TPersistent {
    T_CLASS(TTreeNodes, TPersistent)
public:
    explicit TTreeNodes(TCustomTreeView* owner) : owner_(owner) {}
    ~TTreeNodes() override;
    // Every node in depth-first order.
    int Count() const;
    TTreeNode* Item(int absoluteIndex) const;
    TTreeNode* operator[](int absoluteIndex) const { return Item(absoluteIndex); }
    // Adds a top-level node after the last one (the sibling argument is only used for its level).
    TTreeNode* Add(TTreeNode* sibling, const std::string& text);
    // Adds a last child of `parent` (top level when parent is null).
    TTreeNode* AddChild(TTreeNode* parent, const std::string& text);
    void Clear();
    TTreeNode* GetFirstNode() const { return roots_.empty() ? nullptr : roots_.front().get(); }
    int RootCount() const { return static_cast<int>(roots_.size()); }
    TTreeNode* Root(int index) const { return roots_.at(static_cast<std::size_t>(index)).get(); }

    // Top-level nodes (for walking the tree).
    const std::vector<std::unique_ptr<TTreeNode>>& Roots() const { return roots_; }

private:
    friend class TCustomTreeView;
    TCustomTreeView* owner_;
    std::vector<std::unique_ptr<TTreeNode>> roots_;
};

class TCustomTreeView : public TWinControl {
    T_CLASS_PUBLISHED(TCustomTreeView, TWinControl)
public:
    explicit TCustomTreeView(TComponent* owner);
    ~TCustomTreeView() override;

    TTreeNodes* Items() { return items_.get(); }
    TTreeNode* Selected() const;
    void SetSelected(TTreeNode* node);
    // The node at a client point, or null.
    TTreeNode* GetNodeAt(int x, int y) const;

    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool value);
    // Selecting a node expands it and collapses the others.
    bool AutoExpand() const { return autoExpand_; }
    void SetAutoExpand(bool value);
    int Indent() const { return indent_; }
    void SetIndent(int value);
    bool ShowLines() const { return showLines_; }
    void SetShowLines(bool value);
    bool ShowRoot() const { return showRoot_; }
    void SetShowRoot(bool value);
    bool ShowButtons() const { return showButtons_; }
    void SetShowButtons(bool value);
    bool HideSelection() const { return hideSelection_; }
    void SetHideSelection(bool value);

    // After the selection moved (mouse or keyboard).
    TNotifyEvent OnChange;

    static TPropList Published();

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void DestroyWnd() override;
    void WndProc(TMessage& message) override;
    // Clicks are reported from the tree view's own NM_CLICK, after it selected the node.
    bool ClickOnMouseUp() const override { return false; }

private:
    friend class TTreeNode;
    friend class TTreeNodes;
    void InsertItem(TTreeNode* node);
    void InsertSubtree(TTreeNode* node);
    TTreeNode* NodeFromItem(HTREEITEM item) const;
    void ApplyStyle();

    std::unique_ptr<TTreeNodes> items_;
    bool readOnly_ = false;
    bool autoExpand_ = false;
    int indent_ = 19;
    bool showLines_ = true;
    bool showRoot_ = true;
    bool showButtons_ = true;
    bool hideSelection_ = true;
    bool clickPending_ = false;
    TTreeNode* savedSelection_ = nullptr;
};

class TTreeView : public TCustomTreeView {
    T_CLASS(TTreeView, TCustomTreeView)
public:
    explicit TTreeView(TComponent* owner) : TCustomTreeView(owner) {}
};

class TStatusBar;
class TCustomImageList;
class TMainMenu;
class TMenuItem;

enum TStatusPanelBevel { pbNone, pbLowered, pbRaised };
enum TStatusPanelStyle { psText, psOwnerDraw };

// One part of a status bar.
class TStatusPanel : public TPersistent {
    T_CLASS_PUBLISHED(TStatusPanel, TPersistent)
public:
    explicit TStatusPanel(TStatusBar* owner) : owner_(owner) {}
    const std::string& Text() const { return text_; }
    void SetText(const std::string& value);
    int Width() const { return width_; }
    void SetWidth(int value);
    TStatusPanelBevel Bevel() const { return bevel_; }
    void SetBevel(TStatusPanelBevel value);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value);
    TStatusPanelStyle Style() const { return style_; }
    void SetStyle(TStatusPanelStyle value);
    int Index() const;
    static TPropList Published();

private:
    void Changed();
    TStatusBar* owner_;
    std::string text_;
    int width_ = 50;
    TStatusPanelBevel bevel_ = pbLowered;
    TAlignment alignment_ = taLeftJustify;
    TStatusPanelStyle style_ = psText;
};

class TStatusPanels : public TPersistent {
    T_CLASS(TStatusPanels, TPersistent)
public:
    explicit TStatusPanels(TStatusBar* owner) : owner_(owner) {}
    ~TStatusPanels() override;
    int Count() const { return static_cast<int>(items_.size()); }
    TStatusPanel* Items(int index) const { return items_.at(static_cast<std::size_t>(index)).get(); }
    TStatusPanel* operator[](int index) const { return Items(index); }
    TStatusPanel* Add();
    void Clear();

private:
    friend class TStatusPanel;
    TStatusBar* owner_;
    std::vector<std::unique_ptr<TStatusPanel>> items_;
};

using TDrawPanelEvent = std::function<void(TStatusBar* StatusBar, TStatusPanel* Panel, const RECT& Rect)>;

// A status bar at the bottom of its parent, following the parent's size.
class TStatusBar : public TWinControl {
    T_CLASS_PUBLISHED(TStatusBar, TWinControl)
public:
    explicit TStatusBar(TComponent* owner);
    ~TStatusBar() override;

    TStatusPanels* Panels() { return panels_.get(); }
    // One part across the whole bar showing SimpleText instead of the panels.
    bool SimplePanel() const { return simplePanel_; }
    void SetSimplePanel(bool value);
    const std::string& SimpleText() const { return simpleText_; }
    void SetSimpleText(const std::string& value);
    // The sizing grip at the right end (re-creates the window).
    bool SizeGrip() const { return sizeGrip_; }
    void SetSizeGrip(bool value);
    // Drawing surface while OnDrawPanel runs.
    TCanvas* Canvas() { return &canvas_; }
    void SetParent(TWinControl* parent) override;

    // Draws the psOwnerDraw panels.
    TDrawPanelEvent OnDrawPanel;
    static TPropList Published();

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void WndProc(TMessage& message) override;
    void BeforeDestruction() override;

private:
    friend class TStatusPanel;
    friend class TStatusPanels;
    void UpdatePanels();
    void Unhook();

    std::unique_ptr<TStatusPanels> panels_;
    bool simplePanel_ = false;
    std::string simpleText_;
    bool sizeGrip_ = true;
    TWinControl* hooked_ = nullptr;
    TCanvas canvas_;
};

class TToolBar;

enum TToolButtonStyle { tbsButton, tbsCheck, tbsDropDown, tbsSeparator };

// A button of a tool bar: a component owned by the tool bar, not a window.
class TToolButton : public TComponent {
    T_CLASS_PUBLISHED(TToolButton, TComponent)
public:
    // Created with its tool bar as owner, it becomes the bar's last button.
    explicit TToolButton(TComponent* owner);
    ~TToolButton() override;
    TToolBar* ToolBar() const { return toolBar_; }
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& value);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int value);
    TToolButtonStyle Style() const { return style_; }
    void SetStyle(TToolButtonStyle value);
    // Pressed in (a tbsCheck button that is checked).
    bool Down() const;
    void SetDown(bool value);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value);
    // Clicked when the button is and there is no OnClick.
    TMenuItem* MenuItem() const { return menuItem_; }
    void SetMenuItem(TMenuItem* value);
    int Index() const;
    virtual void Click();
    TNotifyEvent OnClick;
    static TPropList Published();

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    friend class TToolBar;
    void Changed();
    TToolBar* toolBar_ = nullptr;
    std::string caption_;
    int imageIndex_ = -1;
    TToolButtonStyle style_ = tbsButton;
    bool down_ = false;
    bool enabled_ = true;
    TMenuItem* menuItem_ = nullptr;
};

using TToolBarCustomDrawButtonEvent =
    std::function<void(TToolBar* Sender, TToolButton* Button, TCustomDrawState State, bool& DefaultDraw)>;

class TToolBar : public TWinControl {
    T_CLASS_PUBLISHED(TToolBar, TWinControl)
public:
    explicit TToolBar(TComponent* owner);
    ~TToolBar() override;

    int ButtonCount() const { return static_cast<int>(buttons_.size()); }
    TToolButton* Buttons(int index) const { return buttons_.at(static_cast<std::size_t>(index)); }
    // The button's rectangle in the bar's client area (empty without a window).
    RECT ButtonRect(int index) const;
    bool Flat() const { return flat_; }
    void SetFlat(bool value);
    TCustomImageList* Images() const { return images_; }
    void SetImages(TCustomImageList* images);
    bool ShowCaptions() const { return showCaptions_; }
    void SetShowCaptions(bool value);
    TMainMenu* Menu() const { return menu_; }
    void SetMenu(TMainMenu* menu);
    // Drawing surface while OnCustomDrawButton runs (bound to the bar's drawing DC).
    TCanvas* Canvas() { return &canvas_; }

    // Before each button is drawn; with DefaultDraw set to false the bar draws neither the
    // button's face nor its edges (what the handler painted stays), only its image and caption.
    TToolBarCustomDrawButtonEvent OnCustomDrawButton;
    static TPropList Published();

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void DestroyWnd() override;
    void WndProc(TMessage& message) override;
    void Notification(TComponent* component, TOperation operation) override;
    bool ClickOnMouseUp() const override { return false; }

private:
    friend class TToolButton;
    void AddButton(TToolButton* button);
    void RebuildButtons();
    LRESULT CustomDraw(NMTBCUSTOMDRAW& draw);

    std::vector<TToolButton*> buttons_;
    bool flat_ = true;
    bool showCaptions_ = false;
    TCustomImageList* images_ = nullptr;
    TMainMenu* menu_ = nullptr;
    TCanvas canvas_;
};
