#include "framework/win/message_hooks.h"

#include "framework/win/controls.h"

#include <algorithm>

namespace framework_internal {

void MessageHookList::Add(TMessageHookId id, TMessageHook handler) {
    auto shared = std::make_shared<const TMessageHook>(std::move(handler));
    for (Entry& entry : entries_) {
        if (entry.id == id && entry.handler) {
            entry.handler = std::move(shared);
            return;
        }
    }
    entries_.push_back(Entry{id, std::move(shared)});
}

bool MessageHookList::Remove(TMessageHookId id) {
    for (Entry& entry : entries_) {
        if (entry.id == id && entry.handler) {
            entry.handler.reset();
            EraseRemovedWhenIdle();
            return true;
        }
    }
    return false;
}

bool MessageHookList::Contains(TMessageHookId id) const {
    return std::any_of(entries_.begin(), entries_.end(),
                       [id](const Entry& entry) { return entry.id == id && entry.handler; });
}

int MessageHookList::Count() const {
    return static_cast<int>(
        std::count_if(entries_.begin(), entries_.end(), [](const Entry& entry) { return entry.handler != nullptr; }));
}

void MessageHookList::Deliver(TMessage& message) {
    struct DepthGuard {
        MessageHookList& list;
        explicit DepthGuard(MessageHookList& l) : list(l) { ++list.dispatchDepth_; }
        DepthGuard(const DepthGuard&) = delete;
        DepthGuard& operator=(const DepthGuard&) = delete;
        ~DepthGuard() {
            --list.dispatchDepth_;
            list.EraseRemovedWhenIdle();
        }
    } guard(*this);
    RunBelow(entries_.size(), message);
}

void MessageHookList::RunBelow(std::size_t below, TMessage& message) {
    std::size_t position = std::min(below, entries_.size());
    while (position > 0) {
        --position;
        // A copy: the entry may be removed or replaced while its handler runs.
        std::shared_ptr<const TMessageHook> handler = entries_[position].handler;
        if (handler) {
            (*handler)(message, TMessageNext(*this, position));
            return;
        }
    }
    if (control_ != nullptr) control_->WindowProc(message);
}

void MessageHookList::DetachControl() {
    control_ = nullptr;
    for (Entry& entry : entries_) entry.handler.reset();
    EraseRemovedWhenIdle();
}

void MessageHookList::EraseRemovedWhenIdle() {
    if (dispatchDepth_ != 0) return;
    std::erase_if(entries_, [](const Entry& entry) { return !entry.handler; });
}

}  // namespace framework_internal

void TMessageNext::operator()(TMessage& message) const { list_->RunBelow(below_, message); }
