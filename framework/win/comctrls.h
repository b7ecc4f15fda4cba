// TTreeView over the common-control tree view (SysTreeView32).
#pragma once

#include "framework/win/win_control.h"

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
