#include "web/screen_html.hpp"

#include "batch/html_text.hpp"

namespace bidgauge {
namespace {

void openSpan(std::string& out, const CellRun& run) {
  out += "<span class=\"f";
  out += std::to_string(run.foreground);
  out += " b";
  out += std::to_string(run.background);
  out += "\" style=\"width:";
  out += std::to_string(run.cells);
  out += "ch\"";
  if (!run.label.empty()) {
    out += " role=\"img\" aria-label=\"";
    out += run.label;
    out += '"';
  }
  out += '>';
}

}  // namespace

std::string runsHtml(const std::vector<CellRun>& runs) {
  std::string html;
  html.reserve(std::size_t{4} * Screen::kColumns);
  for (const CellRun& run : runs) {
    openSpan(html, run);
    appendHtmlEscaped(html, run.text);
    html += "</span>";
  }
  return html;
}

std::string rowHtml(const Screen& screen, int row) {
  return runsHtml(rowRuns(screen, row));
}

}  // namespace bidgauge
