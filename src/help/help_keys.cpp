#include "help/help_keys.hpp"

#include "help/help_page.hpp"

namespace bidgauge {

HelpStep helpStep(int page, Key key) {
  using Action = HelpStep::Action;
  if (key == Key::character('Q') || key == keys::escape) return {Action::leave};
  // Enter pages forward, except on the last page, where it can only go back.
  const bool isLast = page == kHelpPageCount;
  const bool forward = key == Key::character('M') || (key == keys::enter && !isLast);
  const bool back = key == Key::character('B') || (key == keys::enter && isLast);
  if (forward && !isLast) return {Action::show, page + 1};
  if (back && page > 1) return {Action::show, page - 1};
  return {Action::refuse};
}

}  // namespace bidgauge
