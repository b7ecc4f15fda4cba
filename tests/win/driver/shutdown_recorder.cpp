#include "win/driver/shutdown_recorder.h"

namespace ui_driver {

namespace {

ShutdownRecorder* g_recorder = nullptr;

}  // namespace

ShutdownRecorder::ShutdownRecorder() {
    g_recorder = this;
    previous_ = SetExitWindowsHandler(&ShutdownRecorder::Record);
}

ShutdownRecorder::~ShutdownRecorder() {
    SetExitWindowsHandler(previous_);
    g_recorder = nullptr;
}

bool ShutdownRecorder::Record(std::uint32_t flags) {
    if (g_recorder != nullptr) g_recorder->requests_.push_back(flags);
    return true;
}

}  // namespace ui_driver
