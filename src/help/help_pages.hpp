#pragma once

#include <span>

#include "help/help_page.hpp"

namespace bidgauge {

// The page tables, split by subject: pages 1 to 5 (input and KnR) and 6 to 10.
std::span<const HelpPage> helpPagesOneToFive();
std::span<const HelpPage> helpPagesSixToTen();

}  // namespace bidgauge
