#include "web/hand_api.hpp"

#include <gtest/gtest.h>

#include <string_view>

namespace bidgauge {
namespace {

TEST(EvaluationJson, AHandGivesTheBatchRowFieldsAfterOk) {
  EXPECT_EQ(evaluationJson("KQ7543 QT2 A J98"),
            R"({"ok":true,"hand":"KQ7543 QT2 A J98","knr":12.35,"knr_opens":true,"zar":28,)"
            R"("zar_opens":true,"kleinman":11,"kleinman_quality":"ordinary","kleinman_opens":true,)"
            R"("honor_tricks":2.5,"honor_tricks_opens":true,"hcp":12})");
}

TEST(EvaluationJson, EveryFormTheBatchReaderTakesIsRead) {
  const std::string typed = evaluationJson("KQ7543 QT2 A J98");
  EXPECT_EQ(evaluationJson("KQ7543.QT2.A.J98"), typed);
  EXPECT_EQ(evaluationJson("kq7543 q12 a j98"), typed);
  constexpr std::string_view kVoid = R"({"ok":true,"hand":"AKT9xx - QJxxx T2",)";
  EXPECT_TRUE(evaluationJson("AKT9xx - QJxxx T2").starts_with(kVoid));
  EXPECT_TRUE(evaluationJson("AKT9xx..QJxxx.T2").starts_with(kVoid));
}

TEST(EvaluationJson, AStrayCharacterIsReportedWithItsPosition) {
  EXPECT_EQ(evaluationJson("KQ7543 QT2 A J9Z"),
            R"({"ok":false,"error":"unexpected character 'Z' at position 16","position":16})");
}

TEST(EvaluationJson, ARuleBrokenByTheWholeHandHasNoPosition) {
  EXPECT_EQ(evaluationJson("KQ7543 QT2 A J9"),
            R"({"ok":false,"error":"The hand has only 12 cards","position":0})");
  EXPECT_EQ(evaluationJson(""), R"({"ok":false,"error":"no hand given","position":0})");
}

TEST(EvaluationJson, TheMessageIsEscapedAsJson) {
  EXPECT_EQ(evaluationJson("K\"Q"),
            R"({"ok":false,"error":"unexpected character '\"' at position 2","position":2})");
}

TEST(ExplanationJson, AHandGivesWhatEachMethodCounted) {
  const std::string json = explanationJson("KQ7543 QT2 A J98");
  EXPECT_TRUE(json.starts_with(R"({"ok":true,"text":"\n)")) << json;
  EXPECT_NE(json.find("KnR Points: 12.35 *"), std::string::npos);
  EXPECT_NE(json.find("\\n"), std::string::npos);  // newlines escaped, not raw
  EXPECT_EQ(json.find('\n'), std::string::npos);
}

TEST(ExplanationJson, AnUnreadableHandGivesTheSameErrorAsEvaluation) {
  EXPECT_EQ(explanationJson("KQ7543 QT2 A J9Z"), evaluationJson("KQ7543 QT2 A J9Z"));
}

}  // namespace
}  // namespace bidgauge
