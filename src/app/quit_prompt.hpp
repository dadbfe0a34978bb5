#pragma once

#include "console/console.hpp"

namespace bidgauge {

enum class QuitAnswer { quit, stay };

// Asks " Quit program?  (Y/n) " below the entry row. Y, Enter and Escape mean
// quit; N means stay; every other key beeps and keeps asking.
QuitAnswer confirmQuit(Console& console);

}  // namespace bidgauge
