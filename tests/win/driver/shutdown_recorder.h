// The utility's requests to shut Windows down, recorded instead of carried out.
#pragma once

#include <cstdint>
#include <vector>

#include "app/win/win_power.h"

namespace ui_driver {

// While it lives, every shut-down request goes to it (through SetExitWindowsHandler): its flags
// are kept and the request is reported as accepted. The handler before it is put back at the end.
// One at a time.
class ShutdownRecorder {
public:
    ShutdownRecorder();
    ~ShutdownRecorder();
    ShutdownRecorder(const ShutdownRecorder&) = delete;
    ShutdownRecorder& operator=(const ShutdownRecorder&) = delete;

    // The flags of each request so far, in order.
    const std::vector<std::uint32_t>& Requests() const { return requests_; }

private:
    static bool Record(std::uint32_t flags);
    std::vector<std::uint32_t> requests_;
    ExitWindowsHandler previous_ = nullptr;
};

}  // namespace ui_driver
