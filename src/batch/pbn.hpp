#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "batch/deal.hpp"

namespace bidgauge {

// A PBN tag pair, [Name "value"].
struct PbnTag {
  std::string_view name;
  std::string_view value;   // escapes left as written
  bool wellFormed = false;  // quotes and brackets in place
};

// The tag on a line that starts with '[' and holds nothing after it.
PbnTag readTag(std::string_view line);

// A tag the scanner found, with the line it starts on.
struct ScannedTag {
  std::string name;
  std::string value;
  bool wellFormed = false;
  long line = 0;
  int valuePosition = 0;  // of the value on its first line, for messages
};

// Reads PBN text line by line: tags anywhere on a line, several on one line
// or one over several lines, "{...}" comments over any number of lines, ';'
// comments to the end of the line and '%' directive lines. Everything else
// (auction, play, commentary) is passed over.
class PbnScanner {
 public:
  // The tags completed on this line; `firstPosition` is that of the line's
  // first character, for messages.
  std::vector<ScannedTag> scan(std::string_view line, long number, int firstPosition = 1);
  // Inside a comment or a tag begun on an earlier line: a blank line there
  // does not end the game.
  bool midway() const { return inComment_ || !pending_.empty(); }

 private:
  bool inComment_ = false;
  std::string pending_;  // a tag not yet closed, from its '['
  long pendingLine_ = 0;
  int pendingPosition_ = 0;
};

// The value of a Deal tag (see readDealString); `error` starts "malformed
// Deal tag: ".
std::optional<DealHands> readDeal(std::string_view value, int firstPosition, std::string& error);

// The value of a Board tag: a board number, or nothing for "" and "?" (PBN's
// "not applicable" and "unknown"); `error` says why a value is no number.
std::optional<long> readBoard(std::string_view value, std::string& error);

}  // namespace bidgauge
