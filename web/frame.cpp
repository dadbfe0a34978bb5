#include "web/frame.hpp"

#include "batch/json_text.hpp"

namespace bidgauge {
namespace {

std::string_view boolean(bool value) {
  return value ? "true" : "false";
}

void appendField(std::string& out, std::string_view name, std::string_view value) {
  out += '"';
  out += name;
  out += "\":";
  appendJsonString(out, value);
}

void appendCard(std::string& out, const ResultCard& card) {
  out += "{\"suits\":[";
  for (const ResultCard::Suit& suit : card.suits) {
    if (out.back() == '}') out += ',';
    appendField(out += '{', "symbol", suit.symbol);
    appendField(out += ',', "cards", suit.cards);
    appendField(out += ',', "spoken", suit.spoken);
    out += '}';
  }
  out += "],\"values\":[";
  for (const ResultCard::Value& value : card.values) {
    if (out.back() == '}') out += ',';
    appendField(out += '{', "name", value.name);
    appendField(out += ',', "shown", value.shown);
    out += ",\"opens\":";
    out += boolean(value.opens);
    appendField(out += ',', "spoken", value.spoken);
    out += '}';
  }
  out += "]}";
}

// [F,B,N,"text"], and the suit's name if it has one.
void appendRun(std::string& out, const CellRun& run) {
  out += '[' + std::to_string(run.foreground) + ',' + std::to_string(run.background) + ',' +
         std::to_string(run.cells) + ',';
  appendJsonString(out, run.text);
  if (!run.label.empty()) appendJsonString(out += ',', run.label);
  out += ']';
}

void appendRow(std::string& out, const Frame::Row& row) {
  out += '[' + std::to_string(row.row) + ",[";
  for (std::size_t i = 0; i < row.runs.size(); ++i) {
    if (i != 0) out += ',';
    appendRun(out, row.runs[i]);
  }
  out += "]]";
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
    appendRow(out, frame.rows[i]);
  }
  out += "],\"running\":";
  out += boolean(frame.running);
  appendField(out += ',', "mode", frame.mode);
  appendField(out += ',', "message", frame.message);
  out += ",\"card\":";
  if (frame.card) {
    appendCard(out, *frame.card);
  } else {
    out += "null";
  }
  return out + '}';
}

}  // namespace bidgauge
