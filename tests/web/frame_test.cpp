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
  frame.rows = {{3, "<span class=\"f7 b1\">a</span>"}, {25, ""}};
  frame.running = false;
  EXPECT_EQ(frameJson(frame),
            R"({"title":"EVAL:  \"Four C's\"","beeps":2,)"
            R"("cursor":{"row":5,"column":19,"visible":false,"color":15},)"
            R"("rows":[[3,"<span class=\"f7 b1\">a</span>"],[25,""]],"running":false})");
}

TEST(FrameJson, AFrameWithoutChangesHasNoRows) {
  EXPECT_EQ(frameJson(Frame{}),
            R"({"title":"","beeps":0,"cursor":{"row":1,"column":1,"visible":true,"color":7},)"
            R"("rows":[],"running":true})");
}

}  // namespace
}  // namespace bidgauge
