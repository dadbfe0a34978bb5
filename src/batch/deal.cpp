#include "batch/deal.hpp"

#include <charconv>
#include <cstdint>

#include "batch/blanks.hpp"
#include "batch/hand_line.hpp"
#include "batch/hand_reader.hpp"
#include "hand/card_tables.hpp"

namespace bidgauge {
namespace {

constexpr int kMaxBoardDigits = 9;

// A word of a line and where it starts.
struct Word {
  std::string_view text;
  int position = 0;
};

// The words of a text split at blanks and line feeds (a deal may span lines).
std::vector<Word> wordsOf(std::string_view text, int firstPosition) {
  std::vector<Word> words;
  std::size_t pos = 0;
  const auto separates = [](char ch) { return isBlank(ch) || ch == '\n'; };
  while (pos < text.size()) {
    if (separates(text[pos])) {
      ++pos;
      continue;
    }
    const std::size_t begin = pos;
    while (pos < text.size() && !separates(text[pos])) ++pos;
    words.push_back({text.substr(begin, pos - begin), firstPosition + static_cast<int>(begin)});
  }
  return words;
}

}  // namespace

std::optional<long> boardNumber(std::string_view text) {
  long number = 0;
  const auto [end, status] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (text.empty() || text.size() > kMaxBoardDigits || text[0] == '-' || status != std::errc() ||
      end != text.data() + text.size()) {
    return std::nullopt;
  }
  return number;
}

namespace {

// The named cards of a hand as written, suit by suit, whether or not the
// hand is valid: the deal check needs them for every seat given.
struct WrittenCards {
  std::array<std::uint16_t, kSuitCount> cards{};
  bool spots = false;
};

// `suitsNamed`: the hand names each suit (a LIN hand), and a blank inside it
// is passed over, as the hand's reader does, rather than starting a suit.
WrittenCards writtenCards(std::string_view text, bool suitsNamed) {
  WrittenCards written;
  int suit = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char ch = text[i];
    if (ch == '.' || ch == ' ') {
      if (!suitsNamed) suit = (suit + 1) & 3;
    } else if (const int labelled = suitOfLabel(text.substr(i, 1)); labelled >= 0) {
      suit = labelled;
    } else if (ch == 'x' || ch == 'X') {
      written.spots = true;
    } else {
      const char upper = ch >= 'a' && ch <= 'z' ? static_cast<char>(ch - 'a' + 'A') : ch;
      const bool ten = ch == '1' || ch == '0';
      if (ch == '1' && i + 1 < text.size() && text[i + 1] == '0') ++i;
      const int rank = rankIndexOf(std::string_view(ten ? "T" : std::string_view(&upper, 1)));
      if (rank != 0) written.cards[static_cast<std::size_t>(suit)] |= rankBit[rank];
    }
  }
  return written;
}

// "a", "a and b", "a, b and c".
std::string listed(const std::vector<std::string>& items) {
  std::string text;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (i != 0) text += i + 1 == items.size() ? " and " : ", ";
    text += items[i];
  }
  return text;
}

std::string seatList(std::string_view seats) {
  std::vector<std::string> items;
  for (const char seat : seats) items.emplace_back(1, seat);
  return listed(items);
}

std::string cardText(int suit, int rank) {
  return "the " + std::string(cardName[static_cast<std::size_t>(rank)]) + " of " +
         std::string(suitName[static_cast<std::size_t>(suit)]);
}

// Hands as written, for the deal check, kept next to the deal being read.
struct DealText {
  std::array<char, 4> seats{};
  std::array<WrittenCards, 4> hands;
  int count = 0;

  void add(char seat, std::string_view text, bool labelled = false) {
    seats[static_cast<std::size_t>(count)] = seat;
    hands[static_cast<std::size_t>(count++)] = writtenCards(text, labelled);
  }
};

// Of more missing cards than this, the first are named and the rest counted.
constexpr std::size_t kMissingNamed = 5;

std::string missingCards(std::vector<std::string> named, int count, const DealText& text) {
  const std::string seats = seatList(std::string_view(text.seats.data(), text.seats.size()));
  if (count == 1) return named.front() + " is in none of " + seats;
  if (named.size() < static_cast<std::size_t>(count)) {
    // Never "1 more card": that one is named.
    named.pop_back();
    named.push_back(std::to_string(count - static_cast<int>(named.size())) + " more cards");
  }
  return listed(named) + " are in none of " + seats;
}

// The first card in two hands; else, in a deal of four hands written without
// spot cards, every card in none.
std::string cardConflict(const DealText& text) {
  bool spots = false;
  for (int i = 0; i < text.count; ++i)
    spots = spots || text.hands[static_cast<std::size_t>(i)].spots;
  const bool full = text.count == 4 && !spots;
  std::vector<std::string> missing;
  int missingCount = 0;
  for (int suit = 0; suit < kSuitCount; ++suit) {
    for (int rank = 1; rank <= kRankCount; ++rank) {
      std::string holders;
      for (int i = 0; i < text.count; ++i) {
        const auto& hand = text.hands[static_cast<std::size_t>(i)];
        if (hand.cards[static_cast<std::size_t>(suit)] & rankBit[rank]) {
          holders += text.seats[static_cast<std::size_t>(i)];
        }
      }
      if (holders.size() > 1) {
        return cardText(suit, rank) + " is in " + (holders.size() == 2 ? "both " : "") +
               seatList(holders);
      }
      if (holders.empty() && full && missingCount++ < static_cast<int>(kMissingNamed)) {
        missing.push_back(cardText(suit, rank));
      }
    }
  }
  return missingCount == 0 ? std::string() : missingCards(std::move(missing), missingCount, text);
}

void applyCheck(DealHands& deal, const DealText& text) {
  if (std::string conflict = cardConflict(text); !conflict.empty()) {
    deal.errors.push_back(std::move(conflict));
    deal.count = 0;
  }
}

void addSeat(DealHands& deal, DealText& text, char seat, const Word& word) {
  text.add(seat, word.text);
  Hand hand;
  std::string reason;
  if (readHand(word.text, HandFormat::dotted, word.position, hand, reason)) {
    deal.add(seat, hand);
  } else {
    deal.errors.push_back(std::string("seat ") + seat + ": " + reason);
  }
}

// The cards no other hand holds, as a typed hand.
std::string remainingCards(const DealText& text) {
  std::string typed;
  for (int suit = 0; suit < kSuitCount; ++suit) {
    if (suit != 0) typed += ' ';
    const std::size_t before = typed.size();
    for (int rank = 1; rank <= kRankCount; ++rank) {
      bool held = false;
      for (int i = 0; i < text.count; ++i) {
        held =
            held || (text.hands[static_cast<std::size_t>(i)].cards[static_cast<std::size_t>(suit)] &
                     rankBit[rank]) != 0;
      }
      if (!held) typed += kRankLetters[static_cast<std::size_t>(rank - 1)];
    }
    if (typed.size() == before) typed += '-';
  }
  return typed;
}

}  // namespace

int seatIndex(char letter) {
  const char upper =
      letter >= 'a' && letter <= 'z' ? static_cast<char>(letter - 'a' + 'A') : letter;
  const auto index = kSeats.find(upper);
  return index == std::string_view::npos ? -1 : static_cast<int>(index);
}

std::optional<DealHands> readDealString(std::string_view value, int firstPosition,
                                        std::string& error) {
  const int seat = value.size() >= 2 && value[1] == ':' ? seatIndex(value[0]) : -1;
  if (seat < 0) {
    error = "it must start with N:, E:, S: or W:";
    return std::nullopt;
  }
  const std::vector<Word> words = wordsOf(value.substr(2), firstPosition + 2);
  if (words.size() != 4) {
    error = std::to_string(words.size()) + " hands instead of 4";
    return std::nullopt;
  }
  DealHands deal;
  DealText text;
  for (std::size_t i = 0; i < words.size(); ++i) {
    const char seatLetter = kSeats[(static_cast<std::size_t>(seat) + i) % 4];
    if (words[i].text != "-") addSeat(deal, text, seatLetter, words[i]);
  }
  applyCheck(deal, text);
  return deal;
}

std::optional<DealHands> readGeneratorLine(std::string_view text, int firstPosition,
                                           std::optional<long>& board) {
  const std::vector<Word> words = wordsOf(text, firstPosition);
  std::size_t first = 0;
  std::optional<long> number;
  if (!words.empty() && (number = boardNumber(words[0].text))) first = 1;
  const std::size_t pairs = (words.size() - first) / 2;
  if (pairs == 0 || pairs > 4 || (words.size() - first) % 2 != 0) return std::nullopt;
  for (std::size_t i = first; i < words.size(); i += 2) {
    if (words[i].text.size() != 1 || seatIndex(words[i].text[0]) < 0) return std::nullopt;
  }
  DealHands deal;
  DealText written;
  for (std::size_t i = first; i < words.size(); i += 2) {
    const char seat = kSeats[static_cast<std::size_t>(seatIndex(words[i].text[0]))];
    addSeat(deal, written, seat, words[i + 1]);
  }
  applyCheck(deal, written);
  board = number;
  return deal;
}

std::optional<DealHands> readLinDeal(std::string_view value, int firstPosition,
                                     std::string& error) {
  constexpr std::string_view kLinSeats = "SWNE";  // the order LIN lists the hands in
  if (value.empty() || value[0] < '1' || value[0] > '4') {
    error = "the md| field must start with the dealer's digit, 1 to 4";
    return std::nullopt;
  }
  const std::size_t end = value.size();
  DealHands deal;
  DealText written;
  std::size_t seat = 0;
  // After the dealer, which no column shows.
  for (std::size_t start = 1; start <= end && seat < 4; ++seat) {
    const std::size_t comma = std::min(value.find(',', start), end);
    const std::string_view hand = value.substr(start, comma - start);
    const int position = firstPosition + static_cast<int>(start);
    start = comma + 1;
    const char seatLetter = kLinSeats[seat];
    if (hand.empty() && seat == 3 && written.count == 3 && deal.errors.empty()) {
      const std::string rest = remainingCards(written);
      if (std::optional<Hand> left = quickHand(rest)) deal.add(seatLetter, *left);
      continue;
    }
    if (hand.empty()) continue;
    written.add(seatLetter, hand, true);
    HandReading reading = readLabelledHand(hand, position);
    if (reading.hand) {
      deal.add(seatLetter, *reading.hand);
    } else {
      deal.errors.push_back(std::string("seat ") + seatLetter + ": " + reading.error);
    }
  }
  applyCheck(deal, written);
  return deal;
}

}  // namespace bidgauge
