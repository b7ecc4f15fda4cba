#include "framework/win/framework_context.h"

#include <cstdio>

namespace framework_internal {

namespace {

// A plain pointer, not a thread_local object: objects freed during static destruction at exit
// still reach the registries, which a thread_local object would have destroyed before them.
thread_local FrameworkContext* t_context = nullptr;

std::wstring MakeControlAtomName() {
    wchar_t name[64];
    std::swprintf(name, 64, L"ControlOfs%.8llX%.8lX",
                  static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(GetModuleHandleW(nullptr))),
                  static_cast<unsigned long>(GetCurrentThreadId()));
    return name;
}

}  // namespace

FrameworkContext& FrameworkContext::Current() {
    if (t_context == nullptr) t_context = new FrameworkContext;
    return *t_context;
}

bool FrameworkContext::Exists() { return t_context != nullptr; }

FrameworkContext::FrameworkContext() : controlAtomName_(MakeControlAtomName()) {}

FrameworkContext::~FrameworkContext() {
    if (controlAtom_ != 0) GlobalDeleteAtom(controlAtom_);
}

ATOM FrameworkContext::ControlAtom() {
    if (controlAtom_ == 0) controlAtom_ = GlobalAddAtomW(controlAtomName_.c_str());
    return controlAtom_;
}

}  // namespace framework_internal

void EndFrameworkOnThread() {
    using framework_internal::t_context;
    delete t_context;
    t_context = nullptr;
}
