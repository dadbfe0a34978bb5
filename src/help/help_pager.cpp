#include "help/help_pager.hpp"

#include "help/help_keys.hpp"
#include "help/help_render.hpp"

namespace bidgauge {

void showHelp(Console& console) {
  int page = 1;
  for (;;) {
    drawHelpPage(console, page);
    if (page == 1) console.showCursor();  // the entry line may have hidden it
    HelpStep step = helpStep(page, console.readKey());
    // A refused key leaves the page as it is: no redraw, the cursor stays put.
    while (step.action == HelpStep::Action::refuse) {
      console.playBeep();
      step = helpStep(page, console.readKey());
    }
    if (step.action == HelpStep::Action::leave) return;
    page = step.page;
  }
}

}  // namespace bidgauge
