#pragma once

#include "console/console.hpp"
#include "console/key.hpp"

namespace bidgauge {

enum class QuitAnswer { quit, stay, undecided };

// Asks " Quit program?  (Y/n) " below the entry row, with the beep.
void askQuit(Console& console);

// Judges one key (upper-cased) at the question: Y, Enter and Escape quit, N
// stays (each moving the cursor on as the program then needs); every other
// key beeps and leaves the question waiting.
QuitAnswer answerQuit(Console& console, Key key);

}  // namespace bidgauge
