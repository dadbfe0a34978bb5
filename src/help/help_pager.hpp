#pragma once

#include "console/console.hpp"

namespace bidgauge {

// The ten-page help reader. Starts on page 1 and returns when the user leaves
// with Q or Escape; draws on the background that is current when it is called.
void showHelp(Console& console);

}  // namespace bidgauge
