#include "help/help_pager.hpp"

#include "help/help_keys.hpp"
#include "help/help_render.hpp"

namespace bidgauge {

void HelpPager::open() {
  show(1);
}

bool HelpPager::handle(Key key) {
  const HelpStep step = helpStep(page_, key);
  switch (step.action) {
    case HelpStep::Action::leave:
      return false;
    case HelpStep::Action::show:
      show(step.page);
      return true;
    case HelpStep::Action::refuse:
      // The page stays as it is: no redraw, the cursor stays put.
      console_.playBeep();
      return true;
  }
  return true;
}

void HelpPager::show(int page) {
  page_ = page;
  drawHelpPage(console_.screen(), page);
  if (page == 1) console_.showCursor();  // the entry line may have hidden it
}

}  // namespace bidgauge
