#include "web/screen_html.hpp"

namespace bidgauge {
namespace {

void appendEscaped(std::string& out, std::string_view text) {
  for (const char ch : text) {
    switch (ch) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      default:
        out += ch;
    }
  }
}

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
    appendEscaped(html, run.text);
    html += "</span>";
  }
  return html;
}

std::string rowHtml(const Screen& screen, int row) {
  return runsHtml(rowRuns(screen, row));
}

}  // namespace bidgauge
