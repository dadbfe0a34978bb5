#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "batch/hand_entry.hpp"
#include "hand/hand.hpp"

namespace bidgauge {

// How a hand is written on one line of input: as typed on the entry line
// ("KQ7543 QT2 A J98", '-' for a void), or with dots between the suits
// ("KQ7543.QT2.A.J98", an empty group for a void, as in PBN deals).
enum class HandFormat { typed, dotted };

// Dotted when the text holds a dot.
HandFormat formatOf(std::string_view text);

// The well-formed common case without the parser: single separators, no
// doubled hyphen, exactly 13 cards, in either form (dotted when the text holds
// a dot). Nothing when the text needs the parser's judgement; whenever it
// gives a hand, the parser gives the same one.
std::optional<Hand> quickHand(std::string_view text);
// The same, into `hand` (left in part written when false), for the bulk loop.
bool quickHand(std::string_view text, Hand& hand);

// The keys the entry line would be given for the text, one at a time; a
// dotted hand becomes the typed one, each empty group a hyphen. Positions
// count from firstPosition.
class LineKeys {
 public:
  LineKeys(std::string_view text, HandFormat format, int firstPosition)
      : keys_(text, firstPosition), format_(format), firstPosition_(firstPosition) {}
  std::optional<EntryKey> next();

 private:
  TextKeys keys_;
  HandFormat format_;
  int firstPosition_;
  int taken_ = 0;  // keys of the text so far
  bool groupEmpty_ = true;
  bool ended_ = false;
  std::optional<EntryKey> pending_;  // the blank after an empty group's hyphen
};

// Types the keys of LineKeys, then Enter. Typing stops at the first key
// refused, so a text of any length needs no more memory than a short one.
HandEntry enterLine(std::string_view text, HandFormat format, int firstPosition);

// Reads a hand in the given form, quickly when possible, else through the
// parser, which then also explains in `error` what is wrong.
bool readHand(std::string_view text, HandFormat format, int firstPosition, Hand& hand,
              std::string& error);

}  // namespace bidgauge
