#pragma once

namespace bidgauge {

// Starts the embedded beep2 wave in the background and returns at once; a
// beep still playing is cut off. Where no sound device takes it, the system's
// simple beep sounds instead.
void startBeep();

// Cuts off a beep still playing.
void stopBeep();

}  // namespace bidgauge
