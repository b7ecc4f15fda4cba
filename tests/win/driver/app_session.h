// The utility's windows inside the test process: created once, as the
// program entry creates them, with the main window shown.
#pragma once

namespace ui_driver {

void StartApplicationOnce();

// True when no posted or sent message and no input is waiting in this
// thread's queue, i.e. everything posted so far has been handled.
bool QueueDrained();

}  // namespace ui_driver
