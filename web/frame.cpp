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
