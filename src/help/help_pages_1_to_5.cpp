// Help pages 1 to 5: typing a hand, the KnR summary and the story of KnR.
#include "hand/cp437.hpp"
#include "help/help_pages.hpp"

namespace bidgauge {
namespace {

using namespace help_piece;
using namespace help_role;

// clang-format off
constexpr HelpPiece kInstructionsRemark[] = {
    tab(24), say("(Put your mouse aside. This program is rodent-free.)", footnote)};

constexpr HelpPiece kInstructions[] = {
    at(4, 14), say("Enter a hand, something like this:", body), say("  KQ7543 QT2 A J98", emphasis),
    at(6, 17), say("Specify suits in ranking order: ", body),
               say(" ", label), sym(glyph::spade, label), say(" ", label), sym(glyph::heart, label),
               say(" ", label), sym(glyph::diamond, label),
               say(" ", label), sym(glyph::club, label),
    at(7, 17), say("Separate suits with a", body), say(" space.", emphasis),
    at(8, 17), say("Denote a void suit with a", body), say(" hyphen.", emphasis),
    at(10, 17), say("'", emphasis), say("X", emphasis),
                say("' may be used to indicate a spot-card.", body),
    at(11, 17), say("A Ten may be denoted by '", body), say("T", emphasis), say("', '", body),
                say("1", emphasis), say("', or '", body), say("0", emphasis), say("'.", body),
    at(12, 17), say("Cards within a suit may be listed in any order.", body),
    at(14, 14), say("Example:  ", body),
                sym(glyph::spade, label), say(" A K 10 9 4 3  ", emphasis),
                sym(glyph::heart, label), say(" (void)  ", emphasis),
                sym(glyph::diamond, label), say(" Q J 8 7 5  ", emphasis),
                sym(glyph::club, label), say(" 10 2", emphasis),
    at(16, 17), say("    could be typed as:   ", body), say("ka09xx - qxxxj 12", emphasis),
    at(18, 17), say("    Press", body), say(" <enter>", emphasis),
                say(" when the hand is complete.", body),
    at(20, 14), say("To enter a hand from an external program or command prompt,", body),
    at(21, 17), say("Type:  ", body), say("bidgauge akt9xx -- qjxxx  t2  <enter>", emphasis),
    at(22, 17), say("Extra spaces or hyphens are accepted.", body),
    at(23, 17), say("HELP", example), say(" can be accessed by:  ", body),
                say("bidgauge ?", emphasis), say("  or  ", body), say("bidgauge h", emphasis)};

constexpr HelpPiece kSuitQuality[] = {
    at(4, 32), sym(glyph::horizontal, heading), say(" SUIT QUALITY ", heading),
               sym(glyph::horizontal, heading),
    at(5, 8), say("High-Card Points", label),
    at(6, 11), say("Ace = 4    King = 3    Queen = 2    Jack = 1    Ten = .5", body),
    at(8, 8), say("Supporting Honors (6-card or shorter suits):", label),
    at(9, 11), say("Ten with the Jack or any two or more honors = .5", body),
    at(10, 11), say("Nine with the Ten, Eight, or two higher honors = .5", body),
                say("   *", footnote),
    at(11, 11), say("Nine with three higher honors, but not the Ten = .25", body),
                say("  *", footnote),
    at(12, 11), say("  * based upon discussion with ", footnote),
                say("the method's co-designer", footnote), say(", Oct-06", footnote),
    at(14, 8), say("Swallow Points (long-suit \"smother\" potential, 1-3 pts)", label),
    at(15, 11), say("7  cards: missing Queen or Jack or both = 1", body),
    at(16, 11), say("8  cards: missing Queen or Queen-Jack = 2; missing Jack only = 1", body),
    at(17, 11), say("9+ cards: missing Queen = 2, plus missing Jack = 1", body),
    at(19, 8), say("All values are cumulative.  Suits are calculated separately.", body),
    at(20, 8), say("  Example:  for AKT9xx,    A=4;  K=3;  Ten=.5+.5;  Nine=.5", example),
    at(21, 8), say("  Example:  for KQT9xxxx,  K=3;  Q=2;  Ten=.5;  missing J=1", example),
    at(23, 8), say("Each sum is multiplied by the suit's length, then divided by 10.", body)};

constexpr HelpPiece kHonorValues[] = {
    at(5, 31), sym(glyph::horizontal, heading), say(" HONOR VALUES ", heading),
               sym(glyph::horizontal, heading),
    at(7, 8), say("Control Cards", label),
    at(8, 11), say("Ace = 3     guarded King = 2        singleton King = .5", body),
    at(9, 11), say("            guarded Queen = .75     doubleton Queen = .25", body),
    at(11, 8), say("Honor Combinations", label),
    at(12, 11), say("Queen with one or more higher honors = 1", body),
    at(13, 11), say("Jack with exactly two higher honors = .5", body),
    at(14, 11), say("Jack with exactly one higher honor = .25", body),
    at(15, 11), say("Ten with two higher honors,", body),
                say(" or with the Nine and one higher = .25", body),
    at(18, 8), say("Points for a card are not combined; only the highest value is counted.", body),
    at(19, 17), say("Example:  for AQxx,   A=3;    Q=1", example),
    at(20, 17), say("Example:  for KJT9x,  K=2;    J=.25;  Ten=.25", example),
    at(21, 17), say("Example:  for QJ,     Q=.25;  J=.25", example),
    at(22, 17), say("Example:  for KQJT,   K=2;    Q=1;    J=.5", example)};

// The box of rows 11 to 13 spans columns 10 to 72; row 12's text fills it exactly.
constexpr HelpPiece kDistribution[] = {
    at(5, 30), sym(glyph::horizontal, heading), say(" DISTRIBUTION ", heading),
               sym(glyph::horizontal, heading),
    at(7, 11), say("Void = 3     Singleton = 2     Doubleton = 1", body),
    at(8, 11), say("4-3-3-3 hand = -.5", body),
    at(9, 11), say("For other patterns, the first point is discounted.", body),
    at(11, 10), sym(glyph::topLeft, example), sym(glyph::horizontal, example, 61),
                sym(glyph::topRight, example),
    at(12, 10), sym(glyph::vertical, example),
                say(" TOTAL VALUATION = SUIT QUALITY + HONOR VALUE + DISTRIBUTION ", emphasis),
                sym(glyph::vertical, example),
    at(13, 10), sym(glyph::bottomLeft, example), sym(glyph::horizontal, example, 61),
                sym(glyph::bottomRight, example),
    at(15, 24), sym(glyph::horizontal, requirementsHeading),
                say(" OPENING BID REQUIREMENTS ", requirementsHeading),
                sym(glyph::horizontal, requirementsHeading),
    at(17, 11), say("One Heart, Spade, or Weak (12+) Notrump      optional   @ 12", body),
    at(18, 11), say("                                             mandatory  @ 12.5", body),
    at(19, 11), say("One Club, One Diamond                        optional   @ 13", body),
    at(20, 11), say("                                             mandatory  @ 13.5", body),
    at(21, 11), say("Two Clubs with a major                                  @ 22", body),
    at(22, 11), say("Two Clubs with a minor                                  @ 24", body)};

constexpr HelpPiece kAboutKnr[] = {
    at(5, 6), say("Conceived by ", body), say("its designer", emphasis), say(", with", body),
              say(" its co-designer", emphasis), say(" serving as consultant and", body),
    at(6, 6), say("programmer, KnR evaluates hands based upon controls, loser count, suit", body),
    at(7, 6), say("quality, and honor placement, rather than upon the rote totaling of", body),
    at(8, 6), say("the inventor's", body),
              say(" inadequate 4-3-2-1 point count.  KnR provides some expert", body),
    at(9, 6), say("insight into the 'starting' valuation of a hand, for the purpose of", body),
    at(10, 6), say("choosing whether to open the bidding.", body),
    at(12, 6), say("The method was first published in The Bridge World, October, 1982.  The", body),
    at(13, 6), say("article's title was ", body), say("\"FOUR C's\"", emphasis),
               say(", for ", body), say("\"Caution! Complex Computer Count", emphasis),
               say(".", body),
    at(14, 6), say("As its name suggests, KnR was designed primarily for use by non-humans;", body),
    at(15, 6), say("performing the necessary arithmetic at the table is not for everyone!", body),
    at(17, 6), say("The formula proved too complex, it seems, even for its creators, as the", body),
    at(18, 6), say("original article contains a numeric error!  One of the example hands,", body),
    at(19, 6), sym(glyph::spade, example), say(" 764 ", emphasis),
               sym(glyph::heart, example), say(" AQJ74 ", emphasis),
               sym(glyph::diamond, example), say(" 42 ", emphasis),
               sym(glyph::club, example), say(" A83", emphasis),
               say(", evaluates to", body), say(" 12.20", emphasis), say(", not", body),
               say(" 12.25", emphasis), say(".", body),
    // "he" on the next row is the designer named here.
    at(21, 6), say("Despite that anomaly, ", body), say("the designer", body),
               say(" was so pleased with his brain-child", body),
    at(22, 6), say("that he commonly calculated the KnR count at the table in close cases.", body),
    at(23, 6), say("So do I.", body)};

constexpr HelpPage kPages[] = {
    {"INSTRUCTIONS", 6, kInstructionsRemark, kInstructions},
    {"KAPLAN-RUBENS HAND-EVALUATION SUMMARY   (1/3)", 18, {}, kSuitQuality},
    {"KAPLAN-RUBENS HAND-EVALUATION SUMMARY   (2/3)", 18, {}, kHonorValues},
    {"KAPLAN-RUBENS HAND-EVALUATION SUMMARY   (3/3)", 18, {}, kDistribution},
    {"ABOUT KnR", 36, {}, kAboutKnr}};
// clang-format on

}  // namespace

std::span<const HelpPage> helpPagesOneToFive() {
  return kPages;
}

}  // namespace bidgauge
