#include "framework/win/comctrls.h"

#include "framework/win/text.h"

#include <functional>

namespace {

void ForEachNode(const std::vector<std::unique_ptr<TTreeNode>>& nodes, const std::function<bool(TTreeNode*)>& visit);

bool VisitSubtree(TTreeNode* node, const std::function<bool(TTreeNode*)>& visit) {
    if (!visit(node)) return false;
    for (int i = 0; i < node->Count(); ++i) {
        if (!VisitSubtree(node->Item(i), visit)) return false;
    }
    return true;
}

// Depth-first walk; stops when `visit` returns false.
void ForEachNode(const std::vector<std::unique_ptr<TTreeNode>>& nodes, const std::function<bool(TTreeNode*)>& visit) {
    for (const auto& node : nodes) {
        if (!VisitSubtree(node.get(), visit)) return;
    }
}

}  // namespace

TTreeNode::TTreeNode(TCustomTreeView* owner, TTreeNode* parent, const std::string& text)
    : owner_(owner), parent_(parent), text_(text) {}

TTreeNode::~TTreeNode() = default;

void TTreeNode::SetText(const std::string& text) {
    text_ = text;
    if (item_ != nullptr && owner_->HandleAllocated()) {
        std::wstring wide = WidenText(text);
        TVITEMW item{};
        item.mask = TVIF_TEXT;
        item.hItem = item_;
        item.pszText = wide.data();
        SendMessageW(owner_->Handle(), TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
}

int TTreeNode::Index() const {
    const auto& siblings = parent_ != nullptr ? parent_->children_ : owner_->Items()->Roots();
    for (std::size_t i = 0; i < siblings.size(); ++i) {
        if (siblings[i].get() == this) return static_cast<int>(i);
    }
    return -1;
}

int TTreeNode::AbsoluteIndex() const {
    int index = -1;
    int counter = 0;
    ForEachNode(owner_->Items()->Roots(), [&](TTreeNode* node) {
        if (node == this) {
            index = counter;
            return false;
        }
        ++counter;
        return true;
    });
    return index;
}

int TTreeNode::Level() const {
    int level = 0;
    for (const TTreeNode* p = parent_; p != nullptr; p = p->parent_) ++level;
    return level;
}

bool TTreeNode::Selected() const { return owner_->Selected() == this; }

void TTreeNode::SetSelected(bool value) {
    if (value) {
        owner_->SetSelected(this);
    } else if (Selected()) {
        owner_->SetSelected(nullptr);
    }
}

bool TTreeNode::Expanded() const {
    if (item_ != nullptr && owner_->HandleAllocated()) {
        const auto state = static_cast<UINT>(
            SendMessageW(owner_->Handle(), TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item_), TVIS_EXPANDED));
        return (state & TVIS_EXPANDED) != 0;
    }
    return expanded_;
}

void TTreeNode::Expand(bool recurse) {
    expanded_ = true;
    if (item_ != nullptr && owner_->HandleAllocated()) {
        SendMessageW(owner_->Handle(), TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item_));
    }
    if (recurse) {
        for (auto& child : children_) child->Expand(true);
    }
}

void TTreeNode::Collapse(bool recurse) {
    expanded_ = false;
    if (item_ != nullptr && owner_->HandleAllocated()) {
        SendMessageW(owner_->Handle(), TVM_EXPAND, TVE_COLLAPSE, reinterpret_cast<LPARAM>(item_));
    }
    if (recurse) {
        for (auto& child : children_) child->Collapse(true);
    }
}

TTreeNodes::~TTreeNodes() = default;

int TTreeNodes::Count() const {
    int count = 0;
    ForEachNode(roots_, [&](TTreeNode*) {
        ++count;
        return true;
    });
    return count;
}

TTreeNode* TTreeNodes::Item(int absoluteIndex) const {
    TTreeNode* found = nullptr;
    int counter = 0;
    ForEachNode(roots_, [&](TTreeNode* node) {
        if (counter++ == absoluteIndex) {
            found = node;
            return false;
        }
        return true;
    });
    if (found == nullptr) throw std::out_of_range("Tree node index out of range: " + std::to_string(absoluteIndex));
    return found;
}

TTreeNode* TTreeNodes::Add(TTreeNode* sibling, const std::string& text) {
    return AddChild(sibling != nullptr ? sibling->Parent() : nullptr, text);
}

TTreeNode* TTreeNodes::AddChild(TTreeNode* parent, const std::string& text) {
    auto node = std::make_unique<TTreeNode>(owner_, parent, text);
    TTreeNode* raw = node.get();
    if (parent != nullptr) {
        parent->children_.push_back(std::move(node));
    } else {
        roots_.push_back(std::move(node));
    }
    if (owner_->HandleAllocated()) owner_->InsertItem(raw);
    return raw;
}

void TTreeNodes::Clear() {
    if (owner_->HandleAllocated())
        SendMessageW(owner_->Handle(), TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
    owner_->savedSelection_ = nullptr;
    roots_.clear();
}

TCustomTreeView::TCustomTreeView(TComponent* owner) : TWinControl(owner), items_(std::make_unique<TTreeNodes>(this)) {
    TControl::SetBounds(0, 0, 121, 97);
    SetColor(clWindow);
    SetTabStop(true);
}

TCustomTreeView::~TCustomTreeView() = default;

void TCustomTreeView::CreateParams(TCreateParams& params) {
    static const bool initialized = [] {
        INITCOMMONCONTROLSEX init{};
        init.dwSize = sizeof(init);
        init.dwICC = ICC_TREEVIEW_CLASSES;
        return InitCommonControlsEx(&init) != FALSE;
    }();
    (void)initialized;
    TWinControl::CreateParams(params);
    params.BaseClassName = WC_TREEVIEWW;
    if (showLines_) params.Style |= TVS_HASLINES;
    if (showRoot_) params.Style |= TVS_LINESATROOT;
    if (showButtons_) params.Style |= TVS_HASBUTTONS;
    if (!readOnly_) params.Style |= TVS_EDITLABELS;
    if (!hideSelection_) params.Style |= TVS_SHOWSELALWAYS;
    if (autoExpand_) params.Style |= TVS_SINGLEEXPAND;
    params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomTreeView::CreateWnd() {
    SendMessageW(Handle(), TVM_SETINDENT, static_cast<WPARAM>(indent_), 0);
    SendMessageW(Handle(), TVM_SETBKCOLOR, 0, static_cast<LPARAM>(ColorToRGB(Color())));
    SendMessageW(Handle(), TVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(ColorToRGB(Font()->Color())));
    for (auto& root : items_->roots_) InsertSubtree(root.get());
    if (savedSelection_ != nullptr) {
        TTreeNode* selected = savedSelection_;
        savedSelection_ = nullptr;
        SetSelected(selected);
    }
}

void TCustomTreeView::DestroyWnd() {
    savedSelection_ = Selected();
    ForEachNode(items_->roots_, [](TTreeNode* node) {
        node->expanded_ = node->Expanded();
        node->item_ = nullptr;
        return true;
    });
}

void TCustomTreeView::InsertItem(TTreeNode* node) {
    std::wstring text = WidenText(node->text_);
    TVINSERTSTRUCTW insert{};
    insert.hParent = node->parent_ != nullptr ? node->parent_->item_ : TVI_ROOT;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM;
    insert.item.pszText = text.data();
    insert.item.lParam = reinterpret_cast<LPARAM>(node);
    node->item_ =
        reinterpret_cast<HTREEITEM>(SendMessageW(Handle(), TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
}

void TCustomTreeView::InsertSubtree(TTreeNode* node) {
    InsertItem(node);
    for (auto& child : node->children_) InsertSubtree(child.get());
    if (node->expanded_) SendMessageW(Handle(), TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(node->item_));
}

TTreeNode* TCustomTreeView::NodeFromItem(HTREEITEM item) const {
    if (item == nullptr || !HandleAllocated()) return nullptr;
    TVITEMW data{};
    data.mask = TVIF_PARAM;
    data.hItem = item;
    if (!SendMessageW(TWinControl::Handle(), TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&data))) return nullptr;
    return reinterpret_cast<TTreeNode*>(data.lParam);
}

TTreeNode* TCustomTreeView::Selected() const {
    if (!HandleAllocated()) return savedSelection_;
    auto item = reinterpret_cast<HTREEITEM>(SendMessageW(TWinControl::Handle(), TVM_GETNEXTITEM, TVGN_CARET, 0));
    return NodeFromItem(item);
}

void TCustomTreeView::SetSelected(TTreeNode* node) {
    if (!HandleAllocated()) {
        savedSelection_ = node;
        return;
    }
    SendMessageW(Handle(), TVM_SELECTITEM, TVGN_CARET,
                 reinterpret_cast<LPARAM>(node != nullptr ? node->item_ : nullptr));
}

TTreeNode* TCustomTreeView::GetNodeAt(int x, int y) const {
    if (!HandleAllocated()) return nullptr;
    TVHITTESTINFO hit{};
    hit.pt = POINT{x, y};
    auto item = reinterpret_cast<HTREEITEM>(
        SendMessageW(TWinControl::Handle(), TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    if ((hit.flags & (TVHT_ONITEM | TVHT_ONITEMBUTTON)) == 0) return nullptr;
    return NodeFromItem(item);
}

void TCustomTreeView::ApplyStyle() {
    if (!HandleAllocated()) return;
    TCreateParams params;
    CreateParams(params);
    const LONG_PTR keep = GetWindowLongPtrW(Handle(), GWL_STYLE) & (WS_VISIBLE | WS_DISABLED);
    SetWindowLongPtrW(Handle(), GWL_STYLE,
                      static_cast<LONG_PTR>(params.Style & ~static_cast<DWORD>(WS_VISIBLE | WS_DISABLED)) | keep);
    InvalidateRect(Handle(), nullptr, TRUE);
}

void TCustomTreeView::SetReadOnly(bool value) {
    readOnly_ = value;
    ApplyStyle();
}

void TCustomTreeView::SetAutoExpand(bool value) {
    autoExpand_ = value;
    ApplyStyle();
}

void TCustomTreeView::SetIndent(int value) {
    indent_ = value;
    if (HandleAllocated()) SendMessageW(Handle(), TVM_SETINDENT, static_cast<WPARAM>(value), 0);
}

void TCustomTreeView::SetShowLines(bool value) {
    showLines_ = value;
    ApplyStyle();
}

void TCustomTreeView::SetShowRoot(bool value) {
    showRoot_ = value;
    ApplyStyle();
}

void TCustomTreeView::SetShowButtons(bool value) {
    showButtons_ = value;
    ApplyStyle();
}

void TCustomTreeView::SetHideSelection(bool value) {
    hideSelection_ = value;
    ApplyStyle();
}

void TCustomTreeView::WndProc(TMessage& message) {
    switch (message.Msg) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            // The tree view tracks the press itself and selects on the way; the click is reported
            // once the selection has been made.
            clickPending_ = false;
            TWinControl::WndProc(message);
            if (clickPending_) {
                clickPending_ = false;
                Click();
            }
            return;
        case CN_NOTIFY: {
            const auto* header = reinterpret_cast<const NMHDR*>(message.LParam);
            switch (header->code) {
                case NM_CLICK:
                    clickPending_ = true;
                    message.Result = 0;
                    return;
                case TVN_SELCHANGEDW:
                    if (OnChange) OnChange(this);
                    message.Result = 0;
                    return;
                case TVN_BEGINLABELEDITW: message.Result = readOnly_ ? TRUE : FALSE; return;
                case TVN_ENDLABELEDITW: {
                    const auto* info = reinterpret_cast<const NMTVDISPINFOW*>(message.LParam);
                    if (info->item.pszText != nullptr) {
                        if (TTreeNode* node = reinterpret_cast<TTreeNode*>(info->item.lParam))
                            node->text_ = NarrowText(info->item.pszText);
                        message.Result = TRUE;
                    }
                    return;
                }
                default: message.Result = 0; return;
            }
        }
        default: break;
    }
    TWinControl::WndProc(message);
}

TPropList TCustomTreeView::Published() {
    return {
        propdef::Boolean<TCustomTreeView>("ReadOnly", &TCustomTreeView::ReadOnly, &TCustomTreeView::SetReadOnly),
        propdef::Boolean<TCustomTreeView>("AutoExpand", &TCustomTreeView::AutoExpand, &TCustomTreeView::SetAutoExpand),
        propdef::Integer<TCustomTreeView>("Indent", &TCustomTreeView::Indent, &TCustomTreeView::SetIndent),
        propdef::Boolean<TCustomTreeView>("ShowLines", &TCustomTreeView::ShowLines, &TCustomTreeView::SetShowLines),
        propdef::Boolean<TCustomTreeView>("ShowRoot", &TCustomTreeView::ShowRoot, &TCustomTreeView::SetShowRoot),
        propdef::Boolean<TCustomTreeView>("ShowButtons", &TCustomTreeView::ShowButtons,
                                          &TCustomTreeView::SetShowButtons),
        propdef::Boolean<TCustomTreeView>("HideSelection", &TCustomTreeView::HideSelection,
                                          &TCustomTreeView::SetHideSelection),
    };
}
