#include "app/quit_prompt.hpp"

#include <string>

#include "console/colors.hpp"
#include "app/error_bar.hpp"

namespace bidgauge {

QuitAnswer confirmQuit(Console& console) {
  console.setColor(color::brightWhite, color::magenta);
  console.moveCursor(rowBelowEntry(console.cursorRow()), 30);
  console.printText(" Quit program?  (Y/n) ");
  console.moveCursor(0, 47);  // on the Y
  console.flushKeys();        // type-ahead must not answer the question
  console.playBeep();
  console.setColor(color::yellow, color::blue);

  for (;;) {
    const std::string answer = console.readKey();
    if (answer == "N") {
      console.newLine();
      console.newLine();
      return QuitAnswer::stay;
    }
    if (answer == "Y" || answer == key::enter || answer == key::escape) {
      console.newLine();
      return QuitAnswer::quit;
    }
    console.playBeep();
  }
}

}  // namespace bidgauge
