// libbidgauge for C++ (C++17 or later): value types over the C API of
// bidgauge.h, and results that hold a value or the error that stopped it.
//
//   const auto valuation = bidgauge::evaluate("KQ7543 QT2 A J98");
//   if (valuation) std::cout << valuation->knr() << '\n';   // 12.35
//   else std::cerr << valuation.error().message << '\n';
//
// Everything here is thread-safe as the C API is: no shared state.
#ifndef BIDGAUGE_BIDGAUGE_HPP
#define BIDGAUGE_BIDGAUGE_HPP

#include <cstddef>
#include <exception>
#include <new>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "bidgauge/bidgauge.h"

namespace bidgauge {
// The version of the C++ types; a change that breaks them gets a new one.
inline namespace v1 {

// Why a call failed: a BIDGAUGE_ERROR_ code, the 1-based position of the
// character at fault (0 when none), and the message in English.
struct Error {
  int code = BIDGAUGE_OK;
  int position = 0;
  std::string message;
};

// Thrown by Result::value() when the result holds an error.
class BadResultAccess : public std::exception {
 public:
  explicit BadResultAccess(Error error) : error_(std::move(error)) {}
  const char* what() const noexcept override { return error_.message.c_str(); }
  const Error& error() const noexcept { return error_; }

 private:
  Error error_;
};

// A value of type T or an Error: a small stand-in for C++23's std::expected.
template <class T>
class Result {
 public:
  Result(T value) : state_(std::in_place_index<0>, std::move(value)) {}
  Result(Error error) : state_(std::in_place_index<1>, std::move(error)) {}

  bool has_value() const noexcept { return state_.index() == 0; }
  explicit operator bool() const noexcept { return has_value(); }

  // The value; throws BadResultAccess when there is none.
  const T& value() const& {
    if (!has_value()) throw BadResultAccess(std::get<1>(state_));
    return std::get<0>(state_);
  }
  T value() && {
    if (!has_value()) throw BadResultAccess(std::get<1>(state_));
    return std::get<0>(std::move(state_));
  }
  T value_or(T fallback) const& { return has_value() ? std::get<0>(state_) : std::move(fallback); }

  // The value, which must be there.
  const T& operator*() const& noexcept { return *std::get_if<0>(&state_); }
  const T* operator->() const noexcept { return std::get_if<0>(&state_); }

  // The error, which must be there.
  const Error& error() const& noexcept { return *std::get_if<1>(&state_); }

 private:
  std::variant<T, Error> state_;
};

// One 13-card hand; only valid hands can be made.
class Hand {
 public:
  // Reads a hand in any form bidgauge_read_hand takes.
  static Result<Hand> read(std::string_view text) {
    bidgauge_hand raw{};
    bidgauge_error error{};
    if (bidgauge_read_hand(text.data(), text.size(), &raw, &error) != BIDGAUGE_OK) {
      return Error{error.code, error.position, error.message};
    }
    return Hand(raw);
  }

  // A hand built from card bits; refused unless it holds 13 cards.
  static Result<Hand> fromRaw(const bidgauge_hand& raw) {
    if (bidgauge_hand_is_valid(&raw) == 0) {
      return Error{BIDGAUGE_ERROR_ARGUMENT, 0, "the hand does not hold 13 cards"};
    }
    return Hand(raw);
  }

  // The hand as batch output writes it: "KQ7543 QT2 A J98".
  std::string text() const {
    char text[BIDGAUGE_HAND_TEXT_SIZE];
    bidgauge_hand_text(&raw_, text);
    return text;
  }

  const bidgauge_hand& raw() const noexcept { return raw_; }

  friend bool operator==(const Hand& a, const Hand& b) noexcept {
    for (int suit = 0; suit < 4; ++suit) {
      if (a.raw_.cards[suit] != b.raw_.cards[suit] || a.raw_.spots[suit] != b.raw_.spots[suit]) {
        return false;
      }
    }
    return true;
  }
  friend bool operator!=(const Hand& a, const Hand& b) noexcept { return !(a == b); }

 private:
  explicit Hand(const bidgauge_hand& raw) noexcept : raw_(raw) {}
  bidgauge_hand raw_;
};

// Kleinman's judgement of the hand beside his points.
enum class Quality { bad = -1, ordinary = 0, good = 1 };

// The four valuations of a hand and its 4-3-2-1 high-card points; the
// fields mean what those of bidgauge_valuation mean.
struct Valuation {
  int knrHundredths = 0;
  bool knrOpens = false;
  int zarPoints = 0;
  bool zarOpens = false;
  int kleinmanPoints = 0;
  Quality kleinmanQuality = Quality::ordinary;
  bool kleinmanOpens = false;
  int honorTrickHalves = 0;
  bool honorTricksOpens = false;
  int highCardPoints = 0;

  double knr() const noexcept { return knrHundredths / 100.0; }           // 12.35
  double honorTricks() const noexcept { return honorTrickHalves / 2.0; }  // 2.5

  static Valuation fromRaw(const bidgauge_valuation& raw) noexcept {
    Valuation valuation;
    valuation.knrHundredths = raw.knr_hundredths;
    valuation.knrOpens = raw.knr_opens != 0;
    valuation.zarPoints = raw.zar_points;
    valuation.zarOpens = raw.zar_opens != 0;
    valuation.kleinmanPoints = raw.kleinman_points;
    valuation.kleinmanQuality = static_cast<Quality>(raw.kleinman_quality);
    valuation.kleinmanOpens = raw.kleinman_opens != 0;
    valuation.honorTrickHalves = raw.honor_trick_halves;
    valuation.honorTricksOpens = raw.honor_tricks_opens != 0;
    valuation.highCardPoints = raw.high_card_points;
    return valuation;
  }

  friend bool operator==(const Valuation& a, const Valuation& b) noexcept {
    return a.knrHundredths == b.knrHundredths && a.knrOpens == b.knrOpens &&
           a.zarPoints == b.zarPoints && a.zarOpens == b.zarOpens &&
           a.kleinmanPoints == b.kleinmanPoints && a.kleinmanQuality == b.kleinmanQuality &&
           a.kleinmanOpens == b.kleinmanOpens && a.honorTrickHalves == b.honorTrickHalves &&
           a.honorTricksOpens == b.honorTricksOpens && a.highCardPoints == b.highCardPoints;
  }
  friend bool operator!=(const Valuation& a, const Valuation& b) noexcept { return !(a == b); }
};

// The values as the results panel shows them, UTF-8: "12.35", " 28", " 11+", " 2½".
struct Texts {
  std::string knr;
  std::string zar;
  std::string kleinman;
  std::string honorTricks;
};

// Values a hand by the four methods.
inline Valuation evaluate(const Hand& hand) noexcept {
  bidgauge_valuation raw{};
  bidgauge_evaluate(&hand.raw(), &raw);  // cannot fail: a Hand holds 13 cards
  return Valuation::fromRaw(raw);
}

// Reads a hand and values it.
inline Result<Valuation> evaluate(std::string_view text) {
  Result<Hand> hand = Hand::read(text);
  if (!hand) return hand.error();
  return evaluate(*hand);
}

// Values each hand, in order.
inline std::vector<Valuation> evaluate(const std::vector<Hand>& hands) {
  std::vector<Valuation> valuations;
  valuations.reserve(hands.size());
  for (const Hand& hand : hands) valuations.push_back(evaluate(hand));
  return valuations;
}

// The texts of the values, as the results panel shows them; all empty for
// a value no hand gives (see bidgauge_format).
inline Texts format(const Valuation& valuation) {
  const bidgauge_valuation raw{
      valuation.knrHundredths,    valuation.zarPoints,
      valuation.kleinmanPoints,   static_cast<int32_t>(valuation.kleinmanQuality),
      valuation.honorTrickHalves, valuation.highCardPoints,
      valuation.knrOpens,         valuation.zarOpens,
      valuation.kleinmanOpens,    valuation.honorTricksOpens};
  bidgauge_texts texts{};
  bidgauge_format(&raw, &texts);
  return {texts.knr, texts.zar, texts.kleinman, texts.honor_tricks};
}

// What each method counted for the hand, as `bidgauge --explain` prints it.
inline std::string explain(const Hand& hand) {
  std::size_t length = 0;
  if (bidgauge_explain(&hand.raw(), nullptr, 0, &length) == BIDGAUGE_ERROR_MEMORY) {
    throw std::bad_alloc();
  }
  std::string text(length, '\0');
  if (bidgauge_explain(&hand.raw(), text.data(), text.size() + 1, &length) != BIDGAUGE_OK) {
    throw std::bad_alloc();
  }
  return text;
}

// The library's version as built, "MAJOR.MINOR.PATCH".
inline std::string version() {
  return bidgauge_version();
}

}  // namespace v1
}  // namespace bidgauge

#endif  // BIDGAUGE_BIDGAUGE_HPP
