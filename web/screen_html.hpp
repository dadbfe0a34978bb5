#pragma once

#include <string>
#include <vector>

#include "console/screen.hpp"
#include "web/screen_runs.hpp"

namespace bidgauge {

// A row's runs as the page's HTML holds them: each run of N cells becomes
// <span class="fF bB" style="width:Nch">text</span> (F and B the colour
// numbers), a suit's with role="img" and its name as aria-label, HTML's
// special characters escaped. The row's text content is exactly its 80
// characters. The page's title screen is written this way.
std::string runsHtml(const std::vector<CellRun>& runs);
std::string rowHtml(const Screen& screen, int row);

}  // namespace bidgauge
