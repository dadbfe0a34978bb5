#include "batch/pbn.hpp"

#include <charconv>

#include "batch/blanks.hpp"

namespace bidgauge {
namespace {

constexpr std::string_view kTagBlanks = " \t\r\n";  // a tag may span lines
constexpr int kMaxBoardDigits = 9;
constexpr std::size_t kLongestTag = 4096;  // an unclosed tag longer than this is malformed

// The end of a quoted value: the next quote that no backslash escapes.
std::size_t closingQuote(std::string_view text, std::size_t from) {
  for (std::size_t i = from; i < text.size(); ++i) {
    if (text[i] == '\\') {
      ++i;
    } else if (text[i] == '"') {
      return i;
    }
  }
  return std::string_view::npos;
}

// The text with every byte outside printable ASCII as \xNN, fit for a message.
std::string printable(std::string_view text) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string shown;
  for (const char ch : text) {
    const auto byte = static_cast<unsigned char>(ch);
    if (byte >= 0x20 && byte < 0x7F) {
      shown += ch;
    } else {
      shown += "\\x";
      shown += kHex[byte >> 4];
      shown += kHex[byte & 15];
    }
  }
  return shown;
}

enum class TagState { complete, open, malformed };

struct TagParse {
  PbnTag tag;
  std::size_t end = 0;  // just after the tag
  TagState state = TagState::malformed;
  std::size_t valueAt = 0;
};

// The tag that starts at text[from] == '['. Open when the text ends before
// the tag does (it may go on on the next line).
TagParse parseTag(std::string_view text, std::size_t from) {
  TagParse parse;
  const auto runOut = [&] {
    parse.state = TagState::open;
    parse.end = text.size();
    return parse;
  };
  const auto malformed = [&] {
    parse.state = TagState::malformed;
    const std::size_t bracket = text.find(']', from);
    parse.end = bracket == std::string_view::npos ? text.size() : bracket + 1;
    return parse;
  };
  const std::size_t nameAt = text.find_first_not_of(kTagBlanks, from + 1);
  if (nameAt == std::string_view::npos) return runOut();
  const std::size_t nameEnd = std::min(text.find_first_of(" \t\r\n\"]", nameAt), text.size());
  parse.tag.name = text.substr(nameAt, nameEnd - nameAt);
  const std::size_t open = text.find_first_not_of(kTagBlanks, nameEnd);
  if (open == std::string_view::npos) return runOut();
  if (text[open] != '"' || open == nameEnd) return malformed();
  const std::size_t close = closingQuote(text, open + 1);
  if (close == std::string_view::npos) return runOut();
  parse.tag.value = text.substr(open + 1, close - open - 1);
  parse.valueAt = open + 1;
  const std::size_t bracket = text.find_first_not_of(kTagBlanks, close + 1);
  if (bracket == std::string_view::npos) return runOut();
  if (text[bracket] != ']') return malformed();
  parse.end = bracket + 1;
  parse.state = TagState::complete;
  parse.tag.wellFormed = !parse.tag.name.empty();
  return parse;
}

}  // namespace

PbnTag readTag(std::string_view line) {
  const TagParse parse = parseTag(line, 0);
  PbnTag tag = parse.tag;
  tag.wellFormed = tag.wellFormed && parse.state == TagState::complete &&
                   trimmedBlanks(line.substr(parse.end)).text.empty();
  return tag;
}

std::vector<ScannedTag> PbnScanner::scan(std::string_view line, long number, int firstPosition) {
  std::vector<ScannedTag> tags;
  std::string joined;
  std::string_view text = line;
  long tagLine = number;
  int base = firstPosition;  // position of text[0] on its line
  if (!pending_.empty()) {
    joined = std::move(pending_) + "\n" + std::string(line);
    pending_.clear();
    text = joined;
    tagLine = pendingLine_;
    base = pendingPosition_;
  } else if (!inComment_ && !line.empty() && line[0] == '%') {
    return tags;  // an export directive
  }
  std::size_t pos = 0;
  while (pos < text.size()) {
    if (inComment_) {
      const std::size_t close = text.find('}', pos);
      if (close == std::string_view::npos) break;
      inComment_ = false;
      pos = close + 1;
      continue;
    }
    const char ch = text[pos];
    if (ch == ';') break;
    if (ch == '{') {
      inComment_ = true;
      ++pos;
      continue;
    }
    if (ch != '[') {
      ++pos;  // a blank, or auction, play or commentary text
      continue;
    }
    const TagParse parse = parseTag(text, pos);
    if (parse.state == TagState::open && text.size() - pos < kLongestTag) {
      pending_ = std::string(text.substr(pos));
      pendingLine_ = tagLine;
      pendingPosition_ = base + static_cast<int>(pos);
      break;
    }
    tags.push_back({std::string(parse.tag.name), std::string(parse.tag.value),
                    parse.state == TagState::complete && parse.tag.wellFormed, tagLine,
                    base + static_cast<int>(parse.valueAt)});
    pos = parse.end;
    // Lines after the first of a joined tag start fresh.
    if (!joined.empty() && text.find('\n', 0) < pos) {
      tagLine = number;
    }
  }
  return tags;
}

std::optional<DealHands> readDeal(std::string_view value, int firstPosition, std::string& error) {
  std::optional<DealHands> deal = readDealString(value, firstPosition, error);
  if (!deal) error = "malformed Deal tag: " + error;
  return deal;
}

std::optional<long> readBoard(std::string_view value, std::string& error) {
  const std::string_view text = trimmedBlanks(value).text;
  if (text.empty() || text == "?") return std::nullopt;
  long number = 0;
  const auto [end, status] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (status != std::errc() || end != text.data() + text.size() || text[0] == '-' ||
      text.size() > kMaxBoardDigits) {
    error = "malformed Board tag: \"" + printable(value) + "\" is no board number";
  }
  return error.empty() ? std::optional<long>(number) : std::nullopt;
}

}  // namespace bidgauge
