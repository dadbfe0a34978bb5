#include "web/frame.hpp"

#include "batch/json_text.hpp"

namespace bidgauge {
namespace {

std::string_view boolean(bool value) {
  return value ? "true" : "false";
}

}  // namespace

std::string frameJson(const Frame& frame) {
  std::string out = "{\"title\":";
  appendJsonString(out, frame.title);
  out += ",\"beeps\":" + std::to_string(frame.beeps);
  out += ",\"cursor\":{\"row\":" + std::to_string(frame.cursorRow);
  out += ",\"column\":" + std::to_string(frame.cursorColumn);
  out += ",\"visible\":";
  out += boolean(frame.cursorVisible);
  out += ",\"color\":" + std::to_string(frame.cursorColor) + "},\"rows\":[";
  for (std::size_t i = 0; i < frame.rows.size(); ++i) {
    if (i != 0) out += ',';
    out += '[' + std::to_string(frame.rows[i].row) + ',';
    appendJsonString(out, frame.rows[i].html);
    out += ']';
  }
  out += "],\"running\":";
  out += boolean(frame.running);
  return out + '}';
}

}  // namespace bidgauge
