#include "help/help_keys.hpp"

#include "console/console.hpp"
#include "help/help_page.hpp"

namespace bidgauge {

HelpStep helpStep(int page, std::string_view keyText) {
  using Action = HelpStep::Action;
  if (keyText == "Q" || keyText == key::escape) return {Action::leave};
  // Enter pages forward, except on the last page, where it can only go back.
  const bool isLast = page == kHelpPageCount;
  const bool forward = keyText == "M" || (keyText == key::enter && !isLast);
  const bool back = keyText == "B" || (keyText == key::enter && isLast);
  if (forward && !isLast) return {Action::show, page + 1};
  if (back && page > 1) return {Action::show, page - 1};
  return {Action::refuse};
}

}  // namespace bidgauge
