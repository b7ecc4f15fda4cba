// Stackable message hooks: several parties hook one control and unhook in any order.
#pragma once

#include "framework/win/types.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

class TControl;
class TMessageNext;

// Who installed a hook; each party uses an address of its own (its object, a static).
using TMessageHookId = const void*;
// Sees a message before the hooks below it; `next(message)` passes it on (or not).
using TMessageHook = std::function<void(TMessage& message, const TMessageNext& next)>;

namespace framework_internal {
class MessageHookList;
}

// The rest of the chain below the running hook, ending in the control's WindowProc. Valid only
// while the hook that received it runs.
class TMessageNext {
public:
    void operator()(TMessage& message) const;

private:
    friend class framework_internal::MessageHookList;
    TMessageNext(framework_internal::MessageHookList& list, std::size_t below) : list_(&list), below_(below) {}

    framework_internal::MessageHookList* list_;
    std::size_t below_;
};

namespace framework_internal {

// The hooks of one control, oldest first. Entries are only erased while no message is on its
// way through the list, so the positions that running hooks hold stay valid; a removed entry is
// blanked at once (its handler lives on until the call running it returns).
class MessageHookList {
public:
    explicit MessageHookList(TControl* control) : control_(control) {}
    MessageHookList(const MessageHookList&) = delete;
    MessageHookList& operator=(const MessageHookList&) = delete;

    // A new id goes on top; a known one keeps its place and gets the new handler.
    void Add(TMessageHookId id, TMessageHook handler);
    bool Remove(TMessageHookId id);
    bool Contains(TMessageHookId id) const;
    int Count() const;

    // Runs the message from the newest hook down to the control's WindowProc. The caller holds
    // a reference to the list, so a hook may free the control on the way.
    void Deliver(TMessage& message);
    // The control is going: every hook is dropped, and messages still on their way end without
    // reaching it.
    void DetachControl();

private:
    friend class ::TMessageNext;
    struct Entry {
        TMessageHookId id;
        std::shared_ptr<const TMessageHook> handler;  // null once removed
    };
    // Calls the newest live entry below position `below`, or the control at the bottom.
    void RunBelow(std::size_t below, TMessage& message);
    void EraseRemovedWhenIdle();

    TControl* control_;
    std::vector<Entry> entries_;
    int dispatchDepth_ = 0;
};

}  // namespace framework_internal
