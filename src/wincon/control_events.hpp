#pragma once

#include <windows.h>

namespace bidgauge {

// The console's control events as the program answers them: Ctrl+C and
// Ctrl+Break are no way out (in the program's own input mode Ctrl+C is a key;
// the events come only from elsewhere), while closing the window, logging off
// and shutting down end the program through the key loop, which puts the
// console back first. The handler runs on a thread of Windows' own, so it
// only sets a flag and wakes the key wait. Only one instance may exist.
class ControlEvents {
 public:
  ControlEvents();
  ~ControlEvents();
  ControlEvents(const ControlEvents&) = delete;
  ControlEvents& operator=(const ControlEvents&) = delete;

  // Signalled once the program is to end; wait on it beside the console input.
  HANDLE wakeHandle() const;
  bool endRequested() const;
};

}  // namespace bidgauge
