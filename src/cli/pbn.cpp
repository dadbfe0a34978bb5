#include "cli/pbn.hpp"

#include <charconv>

#include "cli/hand_line.hpp"

namespace bidgauge {
namespace {

constexpr std::string_view kSeats = "NESW";
constexpr std::string_view kBlanks = " \t";
constexpr int kMaxBoardDigits = 9;

std::string_view trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

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

int seatIndex(char letter) {
  const char upper =
      letter >= 'a' && letter <= 'z' ? static_cast<char>(letter - 'a' + 'A') : letter;
  const auto index = kSeats.find(upper);
  return index == std::string_view::npos ? -1 : static_cast<int>(index);
}

}  // namespace

PbnTag readTag(std::string_view line) {
  PbnTag tag;
  std::size_t pos = line.find_first_not_of(kBlanks, 1);
  if (pos == std::string_view::npos) return tag;
  const std::size_t nameEnd = line.find_first_of(" \t\"]", pos);
  tag.name = line.substr(pos, nameEnd - pos);
  const std::size_t open = line.find_first_not_of(kBlanks, nameEnd);
  if (open == std::string_view::npos || line[open] != '"' || open == nameEnd) return tag;
  const std::size_t close = closingQuote(line, open + 1);
  if (close == std::string_view::npos) return tag;
  tag.value = line.substr(open + 1, close - open - 1);
  const std::size_t bracket = line.find_first_not_of(kBlanks, close + 1);
  tag.wellFormed = bracket != std::string_view::npos && line[bracket] == ']' &&
                   trimmed(line.substr(bracket + 1)).empty() && !tag.name.empty();
  return tag;
}

std::optional<DealHands> readDeal(std::string_view value, int firstPosition, std::string& error) {
  const int seat = value.size() >= 2 && value[1] == ':' ? seatIndex(value[0]) : -1;
  if (seat < 0) {
    error = "malformed Deal tag: it must start with N:, E:, S: or W:";
    return std::nullopt;
  }
  std::array<std::string_view, 4> texts;
  std::array<int, 4> positions{};
  int found = 0;
  std::size_t pos = 2;
  for (;;) {
    pos = value.find_first_not_of(kBlanks, pos);
    if (pos == std::string_view::npos) break;
    const std::size_t end = std::min(value.find_first_of(kBlanks, pos), value.size());
    if (found < 4) {
      texts[found] = value.substr(pos, end - pos);
      positions[found] = firstPosition + static_cast<int>(pos);
    }
    ++found;
    pos = end;
  }
  if (found != 4) {
    error = "malformed Deal tag: " + std::to_string(found) + " hands instead of 4";
    return std::nullopt;
  }
  DealHands deal;
  for (int i = 0; i < 4; ++i) {
    const char seatLetter = kSeats[static_cast<std::size_t>((seat + i) % 4)];
    if (texts[i] == "-") continue;
    SeatHand& entry = deal.seats[static_cast<std::size_t>(deal.count)];
    std::string reason;
    if (readHand(texts[i], HandFormat::dotted, positions[i], entry.hand, reason)) {
      entry.seat = seatLetter;
      ++deal.count;
    } else {
      deal.errors.push_back(std::string("seat ") + seatLetter + ": " + reason);
    }
  }
  return deal;
}

std::optional<long> readBoard(std::string_view value, std::string& error) {
  const std::string_view text = trimmed(value);
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
