#pragma once

#include "console/key.hpp"

namespace bidgauge {

// What a key does on a help page.
struct HelpStep {
  enum class Action { leave, show, refuse };

  Action action = Action::refuse;
  int page = 0;  // the page to show, for Action::show

  friend bool operator==(const HelpStep&, const HelpStep&) = default;
};

// The step for `key` (upper-cased) on page `page`, 1 to 10.
HelpStep helpStep(int page, Key key);

}  // namespace bidgauge
