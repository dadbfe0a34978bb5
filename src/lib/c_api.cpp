// The C functions of bidgauge.h over the engine. Nothing here may throw out
// to a C caller: allocation failures become BIDGAUGE_ERROR_MEMORY.

#include <algorithm>
#include <cstring>
#include <new>
#include <string>
#include <string_view>

#include "batch/hand_reader.hpp"
#include "batch/row_format.hpp"
#include "bidgauge/bidgauge.h"
#include "hand/cp437.hpp"
#include "lib/api_keys.hpp"
#include "lib/hand_bridge.hpp"
#include "results/explanation.hpp"
#include "results/result_text.hpp"

namespace bidgauge {
namespace {

constexpr std::string_view kOutOfMemory = "out of memory";
static_assert(BIDGAUGE_MAX_TEXT_LENGTH == 1 << 30, "the message names the limit");
constexpr std::string_view kTooLong = "the text is longer than 1 GiB (1073741824 bytes)";

bool tooLong(std::size_t length) {
  return length > BIDGAUGE_MAX_TEXT_LENGTH;
}

bool isContinuationByte(char byte) {
  return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

// Copies as much of `text` as fits with its NUL, never splitting a UTF-8 character.
void copyText(std::string_view text, char* out, std::size_t size) {
  std::size_t length = text.size();
  if (length >= size) {
    length = size - 1;
    while (length != 0 && isContinuationByte(text[length])) --length;
  }
  std::copy_n(text.data(), length, out);  // an empty view may have no data at all
  out[length] = '\0';
}

// The entry line pads some messages with a blank for the screen; a caller wants the words.
std::string_view withoutTrailingBlanks(std::string_view text) {
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

// The program prints the explanation a blank line below the panel; on its
// own it starts at its first heading.
std::string_view withoutLeadingLineEnd(std::string_view text) {
  if (text.starts_with('\n')) text.remove_prefix(1);
  return text;
}

int fail(bidgauge_error* error, int code, std::string_view message, int position) {
  if (error != nullptr) {
    error->code = code;
    error->position = position;
    copyText(withoutTrailingBlanks(message), error->message, sizeof error->message);
  }
  return code;
}

// The fused table is built by the compiler, so this holds even for a caller's
// own static initialisers.
bidgauge_valuation valuationOf(const Hand& hand) {
  return apiValuation(evaluateFused(hand));
}

bidgauge_text_result textResult(std::string_view text) {
  bidgauge_text_result result{};
  if (tooLong(text.size())) {
    result.code = BIDGAUGE_ERROR_LENGTH;
    return result;
  }
  try {
    const HandReading reading = readOneHand(text);
    if (!reading.hand) {
      result.code = BIDGAUGE_ERROR_HAND;
      result.position = reading.position;
      return result;
    }
    result.hand = apiHand(*reading.hand);
    result.valuation = valuationOf(*reading.hand);
  } catch (const std::bad_alloc&) {
    result.code = BIDGAUGE_ERROR_MEMORY;
  }
  return result;
}

}  // namespace
}  // namespace bidgauge

using namespace bidgauge;

extern "C" {

const char* bidgauge_version(void) {
  return BIDGAUGE_VERSION;
}

int bidgauge_read_hand(const char* text, size_t length, bidgauge_hand* hand,
                       bidgauge_error* error) {
  if (hand == nullptr || (text == nullptr && length != 0)) {
    return fail(error, BIDGAUGE_ERROR_ARGUMENT, "no text or no hand to fill", 0);
  }
  if (tooLong(length)) return fail(error, BIDGAUGE_ERROR_LENGTH, kTooLong, 0);
  try {
    const HandReading reading = readOneHand(std::string_view(text, length));
    if (!reading.hand) return fail(error, BIDGAUGE_ERROR_HAND, reading.error, reading.position);
    *hand = apiHand(*reading.hand);
    return fail(error, BIDGAUGE_OK, {}, 0);
  } catch (const std::bad_alloc&) {
    return fail(error, BIDGAUGE_ERROR_MEMORY, kOutOfMemory, 0);
  }
}

int bidgauge_evaluate(const bidgauge_hand* hand, bidgauge_valuation* valuation) {
  if (hand == nullptr || valuation == nullptr) return BIDGAUGE_ERROR_ARGUMENT;
  const ApiKeys keys = apiKeys(*hand);
  if (!keys.valid) return BIDGAUGE_ERROR_ARGUMENT;
  *valuation = apiValuation(evaluateFusedKeys(keys.lanes));
  return BIDGAUGE_OK;
}

size_t bidgauge_evaluate_hands(const bidgauge_hand* hands, size_t count,
                               bidgauge_valuation* valuations) {
  if (hands == nullptr || valuations == nullptr) return 0;
  for (size_t i = 0; i < count; ++i) {
    const ApiKeys keys = apiKeys(hands[i]);
    if (!keys.valid) return i;
    valuations[i] = apiValuation(evaluateFusedKeys(keys.lanes));
  }
  return count;
}

size_t bidgauge_evaluate_texts(const char* texts, size_t length, char separator,
                               bidgauge_text_result* results, size_t capacity) {
  if (texts == nullptr) length = 0;
  if (results == nullptr) capacity = 0;
  const char* at = texts;
  const char* const end = texts + length;
  size_t count = 0;
  while (at != end) {
    const auto* found = static_cast<const char*>(std::memchr(at, separator, end - at));
    const char* textEnd = found != nullptr ? found : end;
    if (count < capacity) results[count] = textResult(std::string_view(at, textEnd - at));
    ++count;
    at = found != nullptr ? found + 1 : end;
  }
  return count;
}

size_t bidgauge_join_hand_texts(const bidgauge_text_result* results, size_t count, char separator,
                                char* out, size_t size) {
  if (results == nullptr || out == nullptr || size / BIDGAUGE_HAND_TEXT_SIZE < count) return 0;
  char* at = out;
  for (size_t i = 0; i < count; ++i) {
    // A hand text is at most 19 bytes, but the writer wants room to spare.
    char text[kHandTextRoom];
    const char* textEnd = text;
    if (results[i].code == BIDGAUGE_OK && holdsThirteenCards(results[i].hand)) {
      textEnd = writeHandText(text, engineHand(results[i].hand));
    }
    std::memcpy(at, text, textEnd - text);
    at += textEnd - text;
    *at++ = separator;
  }
  return at - out;
}

int bidgauge_hand_is_valid(const bidgauge_hand* hand) {
  return hand != nullptr && holdsThirteenCards(*hand) ? 1 : 0;
}

int bidgauge_hand_text(const bidgauge_hand* hand, char text[BIDGAUGE_HAND_TEXT_SIZE]) {
  if (text == nullptr || bidgauge_hand_is_valid(hand) == 0) return BIDGAUGE_ERROR_ARGUMENT;
  char written[kHandTextRoom];
  const char* written_end = writeHandText(written, engineHand(*hand));
  copyText(std::string_view(written, written_end - written), text, BIDGAUGE_HAND_TEXT_SIZE);
  return BIDGAUGE_OK;
}

int bidgauge_format(const bidgauge_valuation* valuation, bidgauge_texts* texts) {
  if (valuation == nullptr || texts == nullptr) return BIDGAUGE_ERROR_ARGUMENT;
  if (!formatsAsHandValues(*valuation)) {
    *texts = bidgauge_texts{};
    return BIDGAUGE_ERROR_ARGUMENT;
  }
  const auto put = [](const std::string& cp437, char* out) {
    copyText(cp437ToUtf8(cp437), out, BIDGAUGE_VALUE_TEXT_SIZE);
  };
  try {
    put(knrText(valuation->knr_hundredths), texts->knr);
    put(zarText(valuation->zar_points), texts->zar);
    put(kleinmanText(valuation->kleinman_points, valuation->kleinman_quality), texts->kleinman);
    put(honorTricksText(valuation->honor_trick_halves), texts->honor_tricks);
  } catch (const std::bad_alloc&) {
    return BIDGAUGE_ERROR_MEMORY;
  }
  return BIDGAUGE_OK;
}

int bidgauge_explain(const bidgauge_hand* hand, char* buffer, size_t size, size_t* length) {
  if (bidgauge_hand_is_valid(hand) == 0 || (buffer == nullptr && size != 0)) {
    return BIDGAUGE_ERROR_ARGUMENT;
  }
  try {
    const Hand engine = engineHand(*hand);
    const std::string whole = explanationText(engine, computeResults(engine));
    const std::string_view text = withoutLeadingLineEnd(whole);
    if (length != nullptr) *length = text.size();
    if (size != 0) copyText(text, buffer, size);
    return text.size() < size ? BIDGAUGE_OK : BIDGAUGE_ERROR_BUFFER;
  } catch (const std::bad_alloc&) {
    return BIDGAUGE_ERROR_MEMORY;
  }
}

}  // extern "C"
