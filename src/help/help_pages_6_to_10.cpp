// Help pages 6 to 10: Zar, Kleinman, Culbertson, the KnR disclaimer and the closing page.
#include "hand/cp437.hpp"
#include "help/help_pages.hpp"

namespace bidgauge {
namespace {

using namespace help_piece;
using namespace help_role;

// clang-format off
constexpr HelpPiece kZarPoints[] = {
    at(5, 6), say("This evaluation method, derived by ", body), say("its designer", emphasis),
              say(", is based upon extensive", body),
    at(6, 6), say("statistical compilation of tactics employed by international stars in", body),
    at(7, 6), say("world-class competition.  It takes ", body), say("the originator's", body),
              say(" Rule-of-20 concept to", body),
    at(8, 6), say("a much higher level by factoring in shape, control values, placement of", body),
    at(9, 6), say("honors, and even a bit of bidding strategy.", body),
    at(11, 30), sym(glyph::horizontal, heading, 2), say(" THE CALCULATION ", heading),
                sym(glyph::horizontal, heading, 2),
    at(13, 8), say("HCP:", label), tab(24), say("Total the standard 4-3-2-1 point count.", body),
    at(14, 8), say("STRENGTH:", label), tab(24),
               say("Add the lengths of the two longest suits.", body),
    at(15, 8), say("SHAPE:", label), tab(24),
               say("Add the difference of the longest and shortest suits.", body),
    at(16, 8), say("CONTROLS:", label), tab(24),
               say("Add 2 points for each Ace, 1 point for each King.", body),
    at(17, 8), say("CONCENTRATION:", label), tab(24),
               say("With 11-14 HCP, add 1 if all HCP are in two suits.", body),
    at(18, 24), say("With 15+ HCP, add 1 if all HCP are in three suits.", body),
    at(19, 8), say("SHORT HONORS:", label), tab(24),
               say("Subtract 1 for short-suit honors such as KQ or QJ.", body),
    at(20, 8), say("SPADE SUIT:", label), tab(24),
               say("With 25 Zar points and 5+ spades, upgrade and open!", body),
    at(22, 6), say("26 Zar Points = opening bid.", emphasis)};

constexpr HelpPiece kKleinmanPoints[] = {
    at(4, 6), say("This evaluation method began as something called ", body),
              say("\"Little Jack Points\",", body),
    at(5, 6), say("developed by ", body), say("a researcher", body),
              say(" of Toronto from his double-dummy analysis of", body),
    at(6, 6), say("thousands of (balanced only) hands.  His conclusions suggested these", body),
    at(7, 6), say("high-card values:  ", body),
              say("Ace = 6.5    King = 4.5    Queen = 2.5    Jack = 1", emphasis),
    at(8, 6), say("Subsequently, ", body), say("its namesake", body),
              say(" adapted the method to reflect both his own", body),
    at(9, 6), say("judgment and that of ", body), say("the KnR designer", body),
              say(" in his own ", body), say("\"Four C's\"", emphasis), say(" evaluation.", body),
    at(11, 6), say("HCP:", label), tab(20),
               say("Ace=13;  King=9;  Queen=5;  Jack=2   (= 2x ", body),
               say("the researcher's", body), say(")", body),
    at(12, 6), say("TEN FACTOR:", label), tab(20),
               say("Add 1 for a Ten accompanied by the Nine or else an honor,", body),
    at(13, 20), say("or add 2 for a Ten accompanied by 2 or more such cards.", body),
    at(14, 6), say("GOOD SUITS:", label), tab(20),
               say("Add 1 for every honor supported by an Ace or King.", body),
    at(15, 6), say("COMPRESSION:", label), tab(20),
               say("Subtract 1 for any suit with no card lower than a Jack.", body),
    at(16, 20), say("Subtract 1 for a suit with unguarded honor(s) (K,QJ,Qx,Jxx).", body),
    at(17, 6), say("FLAT HAND:", label), tab(20),
               say("Subtract 2 for 4-3-3-3 distribution.", body),
    at(19, 6), say("Total/3 = Kleinman Points.  ", emphasis),
               say("Remainder=0 suggests a \"bad\" hand for the", body),
    at(20, 6), say("point count; remainder=1 shows ordinary quality;", body),
               say(" remainder=2 is \"good\".", body),
    at(21, 6), say("These ratings are denoted in the results by ", body), say("\"+/-\"", emphasis),
               say(" for \"good/bad\".", body),
    at(23, 6), say("11 Kleinman Points = opening bid.", emphasis)};

// Labels from column 17, holdings from column 36.
constexpr HelpPiece kHonorTricks[] = {
    at(4, 5), say("At one point in the early days of contract bridge,", body),
              say(" some twenty million", body),
    at(5, 5), say("players religiously subscribed to the bidding methods of ", body),
              say("one bridge guru", emphasis), say(".", body),
    at(6, 5), say("This useful, albeit historic, comparison strictly adheres to the guru's", body),
    at(7, 5), say("specification as published in ", body),
              say("The Gold Book of Bidding and Play, 1937", emphasis), say(".", body),
    at(9, 17), say("2 honor tricks:", label), tab(36), say("AK", emphasis),
    at(10, 17), say("1", label), sym(glyph::half, label), say(" honor tricks:", label), tab(36),
                say("AQ", emphasis), say(", ", body), say("KQJ", emphasis),
    at(11, 17), say("1 honor trick:", label), tab(36),
                say("A", emphasis), say(", ", body), say("KQ", emphasis), say(", ", body),
                say("KJT", emphasis), say(", combination ", body), say("Kx", emphasis),
                say(" and ", body), say("Qx", emphasis),
    at(12, 17), sym(glyph::half, label), say(" honor trick:", label), tab(36),
                say("Kx", emphasis), say(", ", body), say("QJx", emphasis),
    at(13, 17), say("Plus-values:", label), tab(36),
                say("short honors: ", body), say("K", emphasis), say(", ", body),
                say("Qx", emphasis), say(", ", body), say("Jx", emphasis), say(", ", body),
                say("Jxx", emphasis), say(", ", body), say("JTx", emphasis),
    at(14, 36), say("Queen in:     ", body), say("AKQ", emphasis),
    at(15, 36), say("Jack in:      ", body), say("AKJ", emphasis), say(", ", body),
                say("AQJ", emphasis), say(", ", body), say("AJx", emphasis), say(", ", body),
                say("KJx", emphasis),
    at(17, 5),
        say("Plus-values are worth approximately 1/4 honor trick; do not consider them", body),
    at(18, 5), say("singly, but count any pair of values as 1/2 honor trick.  Include only", body),
    at(19, 5),
        say("values that have not otherwise been counted.  Example: for the combination", body),
    at(20, 5), say("Kx", emphasis), say(" and ", body), say("Qx", emphasis), say(", do not", body),
               say(" count either holding twice; the total is 1 honor trick.", body),
    at(22, 5), say("2", emphasis), sym(glyph::half, emphasis),
               say(" honor tricks = opening bid.", emphasis)};

// Every row from column 4.
constexpr HelpPiece kDisclaimer[] = {
    at(4, 4), say("Some online hand evaluators produce erroneous ", body), say("KnR", emphasis),
              say(" calculations.", body),
    at(6, 4),
        say("Evaluator #1 ignores the \"swallow-point\" value for a Jack in a 7-card suit,", body),
    at(7, 4), say("producing a value of ", body), say("13.40", emphasis),
              say(" for this hand:  ", body),
              sym(glyph::spade, example), say(" KQTxxxx ", emphasis),
              sym(glyph::heart, example), say(" Axx ", emphasis),
              sym(glyph::diamond, example), say(" Tx ", emphasis),
              sym(glyph::club, example), say(" x", emphasis),
    at(8, 4), say("The correct value of ", body), say("14.10", emphasis), say(" differs by ", body),
              say(".7", emphasis), say(", or ", body), say("(1 x spade-length ", emphasis),
              sym(glyph::divide, emphasis), say(" 10)", emphasis), say(".", body),
    at(9, 4), say("Program #2 forgets the ", body), say(".5", emphasis),
              say(" adjustment for a ten-spot, coming up with ", body), say("13.75", emphasis),
    at(10, 4), say("for the same hand.  Here, the error is ", body), say(".35", emphasis),
               say(", or ", body), say("(.5 x spade-length ", emphasis),
               sym(glyph::divide, emphasis), say(" 10)", emphasis), say(".", body),
    at(12, 4), say("There is another anomaly in Evaluator #1.  Although that website's text", body),
    at(13, 4),
        say("description of the KnR method is accurate, in practice it overvalues the", body),
    at(14, 4), say("nine-spot in suits such as ", body), say("AKT9x(x)", emphasis),
               say(", awarding ", body), say(".50", emphasis),
               say(" points whenever there are", body),
    at(15, 4), say("two or more higher honors", label), say(".  The Bridge World text says ", body),
               say("\"two higher\"", label), say(".  In an", body),
    at(16, 4), say("Oct-2006 correspondence, ", body), say("the co-designer", body),
               say(" himself \"guessed\" that ", body), say("the designer", body),
    // "his" on the next row is the designer named here.
    at(17, 4), say("might have intended the higher rating; but ", body), say("the designer", body),
               say(" was renowned for", body),
    at(18, 4), say("his writing skills, which fact suggests a literal interpretation.", body),
    at(20, 4), say("In deference to the ambiguity, a compromise has been adopted for this", body),
    at(21, 4), say("program: in a suit of ", body), say("five", label),
               say(" cards or fewer, a Nine under three or more", body),
    at(22, 4), say("honors, not including the Ten, is assigned ", body), say(".50", emphasis),
               say(" points instead of nothing.", body)};

// A double frame over rows 9 to 16 and columns 18 to 62. Only its first row is
// placed; each later row is reached by the tab to column 18, which wraps.
constexpr HelpPiece kClosing[] = {
    at(9, 18), sym(glyph::doubleTopLeft, closingFrame),
               sym(glyph::doubleHorizontal, closingFrame, 62 - 18 - 1),
               sym(glyph::doubleTopRight, closingFrame),
    tab(18), sym(glyph::doubleVertical, closingFrame), tab(62),
             sym(glyph::doubleVertical, closingFrame),
    tab(18), sym(glyph::doubleVertical, closingFrame),
             say("  Thanks for your interest in my program.", body), tab(62),
             sym(glyph::doubleVertical, closingFrame),
    tab(18), sym(glyph::doubleVertical, closingFrame),
             say("  Please address any correspondence to:", body), tab(62),
             sym(glyph::doubleVertical, closingFrame),
    tab(18), sym(glyph::doubleVertical, closingFrame), tab(62),
             sym(glyph::doubleVertical, closingFrame),
    tab(18), sym(glyph::doubleVertical, closingFrame),
             say("             see \"Feedback\" in the README", emphasis), tab(62),
             sym(glyph::doubleVertical, closingFrame),
    tab(18), sym(glyph::doubleVertical, closingFrame), tab(62),
             sym(glyph::doubleVertical, closingFrame),
    tab(18), sym(glyph::doubleBottomLeft, closingFrame),
             sym(glyph::doubleHorizontal, closingFrame, 62 - 18 - 1),
             sym(glyph::doubleBottomRight, closingFrame)};

constexpr HelpPage kPages[] = {
    {"ZAR POINTS", 36, {}, kZarPoints},
    {"KLEINMAN POINTS  :  for balanced hands", 22, {}, kKleinmanPoints},
    {"CULBERTSON HONOR TRICKS", 28, {}, kHonorTricks},
    {"KNR DISCLAIMER", 33, {}, kDisclaimer},
    {"", 0, {}, kClosing}};
// clang-format on

}  // namespace

std::span<const HelpPage> helpPagesSixToTen() {
  return kPages;
}

}  // namespace bidgauge
