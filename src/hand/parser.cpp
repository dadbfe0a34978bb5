#include "hand/parser.hpp"

#include "hand/card_tables.hpp"
#include "hand/cp437.hpp"

namespace bidgauge {
namespace {

KeyVerdict refused(const EntryState& state) {
  return {KeyAction::refuse, state, {}};
}
KeyVerdict ignored(const EntryState& state) {
  return {KeyAction::ignore, state, {}};
}

KeyVerdict failed(EntryState state, EntryError code) {
  state.entryError = code;
  return {KeyAction::error, std::move(state), {}};
}

KeyVerdict accepted(EntryState state, std::string echo) {
  state.handText += echo;
  state.prevChar = echo;
  return {KeyAction::accept, std::move(state), std::move(echo)};
}

KeyVerdict judgeEnter(const EntryState& state) {
  if (state.nothingTyped() || state.prevChar == " ") return refused(state);
  if (state.complete()) return {KeyAction::complete, state, {}};
  return failed(state, state.hand.cardCount < kCardsInHand ? EntryError::tooFewCards
                                                           : EntryError::tooFewSuits);
}

KeyVerdict judgeSpace(const EntryState& state) {
  if (state.nothingTyped()) return refused(state);
  if (state.prevChar == " ") return ignored(state);
  if (state.complete()) return failed(state, EntryError::tooManyCards);
  if (state.curSuit == kClubs) return failed(state, EntryError::tooManySuits);
  EntryState next = state;
  ++next.curSuit;
  return accepted(std::move(next), " ");
}

KeyVerdict judgeHyphen(const EntryState& state) {
  if (state.prevChar == "-") return ignored(state);
  if (state.prevChar == " " || state.prevChar.empty()) return accepted(state, "-");
  return refused(state);  // a card is already typed in this suit
}

KeyVerdict judgeCard(const EntryState& state, std::string_view keyText) {
  if (state.prevChar == "-") return refused(state);
  // Once the hand is full every further key of this kind is "too many cards".
  if (state.hand.cardCount == kCardsInHand) return failed(state, EntryError::tooManyCards);

  EntryState next = state;
  Hand& hand = next.hand;
  const int suit = next.curSuit;
  if (keyText == "X") {
    ++hand.cardCount;
    ++hand.suitLength[suit];
    ++hand.spotCount[suit];
    return accepted(std::move(next), "x");
  }
  const std::string_view rankKey = (keyText == "1" || keyText == "0") ? "T" : keyText;
  const int rankIndex = rankIndexOf(rankKey);
  if (rankIndex == 0) return refused(state);
  if (hand.suitCards[suit] & rankBit[rankIndex]) {
    next.dupRank = static_cast<std::int16_t>(rankIndex);
    next.dupSuit = static_cast<std::int16_t>(suit);
    return failed(std::move(next), EntryError::duplicateCard);
  }
  hand.suitCards[suit] = static_cast<std::int16_t>(hand.suitCards[suit] | rankBit[rankIndex]);
  ++hand.cardCount;
  ++hand.suitLength[suit];
  return accepted(std::move(next), std::string(rankKey));
}

}  // namespace

KeyVerdict parseKey(const EntryState& state, std::string_view keyText) {
  if (keyText == "\r") return judgeEnter(state);
  if (keyText == " ") return judgeSpace(state);
  if (keyText == "-") return judgeHyphen(state);
  return judgeCard(state, keyText);
}

CommandKey commandKeyOf(std::string_view keyText) {
  if (keyText == "\x1B" || keyText == "E") return CommandKey::quit;
  if (keyText == "H") return CommandKey::help;
  if (keyText == "\b") return CommandKey::backspace;
  return CommandKey::none;
}

KeyVerdict deleteLast(const EntryState& state) {
  if (state.nothingTyped()) return refused(state);
  EntryState next = state;
  Hand& hand = next.hand;
  const int suit = next.curSuit;
  const std::string& removed = state.prevChar;
  if (removed == "x") {
    --hand.spotCount[suit];
    --hand.cardCount;
    --hand.suitLength[suit];
  } else if (removed == " ") {
    --next.curSuit;
  } else if (const int rankIndex = rankIndexOf(removed); rankIndex != 0) {
    hand.suitCards[suit] = static_cast<std::int16_t>(hand.suitCards[suit] - rankBit[rankIndex]);
    --hand.cardCount;
    --hand.suitLength[suit];
  }
  next.handText.pop_back();
  // The blank cell in front of the entry column counts as a separator.
  next.prevChar = next.handText.empty() ? " " : next.handText.substr(next.handText.size() - 1);
  return {KeyAction::accept, std::move(next), {}};
}

std::string upperCased(std::string_view keyText) {
  std::string text(keyText);
  for (char& ch : text) ch = upperCasedLetter(ch);
  return text;
}

}  // namespace bidgauge
