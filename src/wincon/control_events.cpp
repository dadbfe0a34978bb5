#include "wincon/control_events.hpp"

#include <atomic>

namespace bidgauge {
namespace {

// Windows ends the process as soon as the handler of a close event returns,
// and at the latest after about five seconds: time for the key loop to put
// the console back and exit on its own.
constexpr DWORD kCloseGraceMs = 4000;

// State shared with the handler, which can reach nothing else.
std::atomic<bool> gEnd = false;
std::atomic<HANDLE> gWake = nullptr;

BOOL WINAPI onControlEvent(DWORD event) {
  switch (event) {
    case CTRL_C_EVENT:
    case CTRL_BREAK_EVENT:
      return TRUE;
    case CTRL_CLOSE_EVENT:
    case CTRL_LOGOFF_EVENT:
    case CTRL_SHUTDOWN_EVENT:
      gEnd = true;
      if (const HANDLE wake = gWake; wake != nullptr) SetEvent(wake);
      Sleep(kCloseGraceMs);
      return TRUE;
    default:
      return FALSE;
  }
}

}  // namespace

ControlEvents::ControlEvents() {
  gEnd = false;
  gWake = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  SetConsoleCtrlHandler(onControlEvent, TRUE);
}

ControlEvents::~ControlEvents() {
  SetConsoleCtrlHandler(onControlEvent, FALSE);
  if (const HANDLE wake = gWake.exchange(nullptr); wake != nullptr) CloseHandle(wake);
}

HANDLE ControlEvents::wakeHandle() const {
  return gWake;
}

bool ControlEvents::endRequested() const {
  return gEnd;
}

}  // namespace bidgauge
