#include "reference_evaluators.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>

namespace bidgauge {
namespace {

using Flag = std::int16_t;

struct Flags {
  Flag hasAce = 0;
  Flag hasKing = 0;
  Flag hasQueen = 0;
  Flag hasJack = 0;
  Flag hasTen = 0;
  Flag hasNine = 0;
  Flag hasEight = 0;
};

Flags flagsOf(const Hand& hand, int suit) {
  const int cards = hand.suitCards[static_cast<std::size_t>(suit)];
  const auto has = [cards](int bit) { return static_cast<Flag>((cards & bit) != 0 ? 1 : 0); };
  return {has(2), has(4), has(8), has(16), has(32), has(64), has(128)};
}

int lengthOf(const Hand& hand, int suit) {
  return hand.suitLength[static_cast<std::size_t>(suit)];
}

float knrHonourValue(const Flags& f, int length) {
  float value = 0;
  if (f.hasAce == 1) value += 3;
  if (f.hasKing == 1) {
    if (length == 1) {
      value += 0.5f;
    } else if (length >= 2) {
      value += 2;
    }
  }
  if (f.hasQueen == 1) {
    const bool aceOrKing = f.hasAce == 1 || f.hasKing == 1;
    if (aceOrKing && length == 2) {
      value += 0.5f;
    } else if (aceOrKing && length >= 3) {
      value += 1;
    } else if (!aceOrKing && length == 2) {
      value += 0.25f;
    } else if (!aceOrKing && length >= 3) {
      value += 0.75f;
    }
  }
  if (f.hasJack == 1) {
    const int higher = f.hasAce + f.hasKing + f.hasQueen;
    if (higher == 1) {
      value += 0.25f;
    } else if (higher == 2) {
      value += 0.5f;
    }
  }
  if (f.hasTen == 1) {
    const int higher = f.hasAce + f.hasKing + f.hasQueen + f.hasJack;
    if (higher == 2) {
      value += 0.25f;
    } else if (higher == 1 && f.hasNine == 1) {
      value += 0.25f;
    }
  }
  return value;
}

float knrSupport(const Flags& f, int length) {
  const int honours = f.hasAce + f.hasKing + f.hasQueen + f.hasJack;
  float support = 0;
  if (length <= 6) {
    if (f.hasTen == 1 && (f.hasJack == 1 || honours >= 2)) support += 0.5f;
    if (f.hasNine == 1 && (f.hasTen == 1 || f.hasEight == 1 || honours == 2)) support += 0.5f;
    if (f.hasNine == 1 && f.hasTen == 0 && honours == 3 && length <= 5) support += 0.5f;
  }
  if (length >= 7 && (f.hasQueen == 0 || f.hasJack == 0)) {
    if (length == 7) {
      support = 1;
    } else if (length == 8) {
      support = f.hasQueen == 0 ? 2.0f : 1.0f;
    } else {
      support = (f.hasQueen == 0 ? 2.0f : 0.0f) + (f.hasJack == 0 ? 1.0f : 0.0f);
    }
  }
  return support;
}

}  // namespace

ReferenceKnr referenceKnR(const Hand& hand) {
  float runningTotal = 0;
  float distribution = 0;
  for (int suit = 0; suit < kSuitCount; ++suit) {
    const int length = lengthOf(hand, suit);
    if (length == 0) distribution += 3;
    if (length == 1) distribution += 2;
    if (length == 2) distribution += 1;
    if (length == 0) continue;
    const Flags f = flagsOf(hand, suit);
    float highCardSum = 0;
    if (f.hasAce == 1) highCardSum += 4;
    if (f.hasKing == 1) highCardSum += 3;
    if (f.hasQueen == 1) highCardSum += 2;
    if (f.hasJack == 1) highCardSum += 1;
    if (f.hasTen == 1) highCardSum += 0.5f;
    const float honourValue = knrHonourValue(f, length);
    const float supportSum = knrSupport(f, length);
    const float suitQuality = (highCardSum + supportSum) * static_cast<float>(length) / 10;
    runningTotal = suitQuality + honourValue + runningTotal;
  }
  if (distribution == 0) {
    distribution = -0.5f;
  } else {
    distribution -= 1;
  }
  const float knrPoints = std::nearbyint((distribution + runningTotal) * 100) / 100;
  return {knrPoints, static_cast<Flag>(knrPoints >= 12 ? 1 : 0)};
}

ReferenceZar referenceZar(const Hand& hand) {
  int hcp = 0;
  int controls = 0;
  int hcpSuits = 0;
  int allHonorSuits = 0;
  std::array<int, kSuitCount> sortedLength{};
  for (int suit = 0; suit < kSuitCount; ++suit) {
    const int m = hand.suitCards[static_cast<std::size_t>(suit)];
    const int length = lengthOf(hand, suit);
    sortedLength[static_cast<std::size_t>(suit)] = length;
    int suitHcp = 0;
    if ((m & 2) != 0) suitHcp += 4;
    if ((m & 4) != 0) suitHcp += 3;
    if ((m & 8) != 0) suitHcp += 2;
    if ((m & 16) != 0) suitHcp += 1;
    if (suitHcp != 0) {
      hcp += suitHcp;
      if ((m & 2) != 0) controls += 2;
      if ((m & 4) != 0) controls += 1;
      hcpSuits += 1;
    }
    int honorCount = 0;
    for (const int bit : {2, 4, 8, 16, 32}) {
      if ((m & bit) != 0) ++honorCount;
    }
    if (honorCount == length) allHonorSuits += 1;
  }
  std::sort(sortedLength.begin(), sortedLength.end(), std::greater<>());
  const int shapePoints = 2 * sortedLength[0] + sortedLength[1] - sortedLength[3];
  int concentration = 0;
  if (hcp >= 11 && hcp <= 14 && hcpSuits == 2) concentration += 1;
  if (hcp >= 15 && hcpSuits <= 3) concentration += 1;
  const auto zarPoints =
      static_cast<float>(shapePoints + hcp + controls + concentration - allHonorSuits);
  return {zarPoints, static_cast<Flag>(zarPoints >= 26 ? 1 : 0)};
}

ReferenceKleinman referenceKleinman(const Hand& hand) {
  Flag basePoints = 0;
  Flag adjustment = 0;
  Flag shortSuits = 0;
  for (int suit = 0; suit < kSuitCount; ++suit) {
    const int length = lengthOf(hand, suit);
    if (length < 3) ++shortSuits;
    if (length == 0) continue;
    const Flags f = flagsOf(hand, suit);
    basePoints = static_cast<Flag>(basePoints + 13 * f.hasAce + 9 * f.hasKing + 5 * f.hasQueen +
                                   2 * f.hasJack);
    int adjust = 0;
    if (f.hasAce == 1) {
      adjust += f.hasKing + f.hasQueen + f.hasJack;
    } else if (f.hasKing == 1) {
      adjust += f.hasQueen + f.hasJack;
      if (length < 2) adjust -= 1;
    }
    if (f.hasQueen == 1 && f.hasAce == 0 && f.hasKing == 0 && length < 3) adjust -= 1;
    if (f.hasJack == 1 && f.hasAce == 0 && f.hasKing == 0 && f.hasQueen == 0 && length < 4) {
      adjust -= 1;
    }
    if (f.hasTen == 1) {
      const int n = f.hasAce + f.hasKing + f.hasQueen + f.hasJack + f.hasNine;
      if (n == 1) adjust += 1;
      if (n >= 2) adjust += 2;
    }
    if (length == f.hasAce + f.hasKing + f.hasQueen + f.hasJack) adjust -= 1;
    adjustment = static_cast<Flag>(adjustment + adjust);
  }
  const Flag flatPenalty = shortSuits == 0 ? -2 : 0;
  const int kleinmanTotal = basePoints + adjustment + flatPenalty;
  const int points = kleinmanTotal / 3;
  const int remainder = kleinmanTotal - 3 * points;
  Flag quality = 0;
  if (remainder == 2) quality = 1;
  if (remainder == 0) quality = -1;
  return {static_cast<Flag>(points), quality, static_cast<Flag>(points >= 11 ? 1 : 0)};
}

ReferenceCulbertson referenceCulbertson(const Hand& hand) {
  float tricks = 0;
  int plusValues = 0;
  int kxCount = 0;
  int qxCount = 0;
  for (int suit = 0; suit < kSuitCount; ++suit) {
    const int length = lengthOf(hand, suit);
    const Flags f = flagsOf(hand, suit);
    if (f.hasAce == 1) {
      tricks += 1;
      if (f.hasKing == 1) {
        tricks += 1;
        if (f.hasQueen == 1 || f.hasJack == 1) plusValues += 1;
      } else if (f.hasQueen == 1) {
        tricks += 0.5f;
        if (f.hasJack == 1) plusValues += 1;
      } else if (f.hasJack == 1 && length >= 3) {
        plusValues += 1;
      }
    } else if (f.hasKing == 1) {
      if (length == 1) {
        plusValues += 1;
      } else if (f.hasQueen == 1) {
        tricks += 1;
        if (f.hasJack == 1) tricks += 0.5f;
      } else if (f.hasJack == 1) {
        if (f.hasTen == 1) {
          tricks += 1;
        } else {
          tricks += 0.5f;
          if (length >= 3) plusValues += 1;
        }
      } else {
        tricks += 0.5f;
        kxCount += 1;
      }
    } else if (f.hasQueen == 1) {
      if (length >= 2) {
        if (f.hasJack == 1 && length >= 3) {
          tricks += 0.5f;
        } else {
          plusValues += 1;
          qxCount += 1;
        }
      }
    } else if (f.hasJack == 1 && length >= 2) {
      plusValues += 1;
    }
  }
  while (kxCount > 0 && qxCount > 0) {
    tricks += 0.5f;
    --kxCount;
    --qxCount;
    --plusValues;
  }
  const float honorTricks = tricks + static_cast<float>(plusValues / 2) * 0.5f;
  return {honorTricks, static_cast<Flag>(honorTricks >= 2.5f ? 1 : 0)};
}

}  // namespace bidgauge
