#include "web/frame.hpp"

#include <gtest/gtest.h>

namespace bidgauge {
namespace {

TEST(FrameJson, CarriesEveryFieldWithTheRowsInOrder) {
  Frame frame;
  frame.title = "EVAL:  \"Four C's\"";
  frame.beeps = 2;
  frame.cursorRow = 5;
  frame.cursorColumn = 19;
  frame.cursorVisible = false;
  frame.cursorColor = 15;
  frame.rows = {{3, {{7, 1, 2, "a\"", {}}, {12, 1, 1, "\u2660", "Spades"}}}, {25, {}}};
  frame.running = false;
  EXPECT_EQ(frameJson(frame), R"({"title":"EVAL:  \"Four C's\"","beeps":2,)"
                              R"("cursor":{"row":5,"column":19,"visible":false,"color":15},)"
                              R"("rows":[[3,[[7,1,2,"a\""],[12,1,1,")"
                              "\u2660"
                              R"(","Spades"]]],[25,[]]],"running":false,)"
                              R"("mode":"entry","message":"","card":null})");
}

TEST(FrameJson, AFrameWithoutChangesHasNoRows) {
  EXPECT_EQ(frameJson(Frame{}),
            R"({"title":"","beeps":0,"cursor":{"row":1,"column":1,"visible":true,"color":7},)"
            R"("rows":[],"running":true,"mode":"entry","message":"","card":null})");
}

TEST(FrameJson, CarriesTheModeTheMessageAndTheResultCard) {
  Frame frame;
  frame.mode = "error";
  frame.message = "The hand has only 7 cards. Press any key to go on.";
  ResultCard card;
  card.suits.fill({"\u2660", "A \"K\"", "Spades: Ace, King."});
  card.values.fill({"Zar", "28", true, "Zar 28, opens."});
  card.values[3].opens = false;
  frame.card = card;
  const std::string suit = R"({"symbol":")"
                           "\u2660"
                           R"(","cards":"A \"K\"","spoken":"Spades: Ace, King."})";
  const std::string opens = R"({"name":"Zar","shown":"28","opens":true,"spoken":"Zar 28, opens."})";
  const std::string json = frameJson(frame);
  EXPECT_EQ(json.substr(json.find(",\"mode\"")),
            R"(,"mode":"error","message":"The hand has only 7 cards. Press any key to go on.",)"
            R"("card":{"suits":[)" +
                suit + ',' + suit + ',' + suit + ',' + suit + R"(],"values":[)" + opens + ',' +
                opens + ',' + opens + ',' +
                R"({"name":"Zar","shown":"28","opens":false,"spoken":"Zar 28, opens."}]}})");
}

}  // namespace
}  // namespace bidgauge
