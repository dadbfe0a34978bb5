#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "study/inline_svg.hpp"
#include "study/report_json.hpp"
#include "study/report_numbers.hpp"
#include "study/report_templates.hpp"
#include "study/report_text.hpp"
#include "study/report_tsv.hpp"
#include "study/sample_results.hpp"
#include "study/text_table.hpp"

namespace bidgauge {
namespace {

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::vector<std::string> fieldsOf(const std::string& line) {
  std::vector<std::string> fields;
  std::istringstream in(line);
  for (std::string field; std::getline(in, field, '\t');) fields.push_back(field);
  if (!line.empty() && line.back() == '\t') fields.emplace_back();
  return fields;
}

// The lines of `table` that start with `method` followed by a space.
std::vector<std::string> rowsOf(const std::string& table, const std::string& method) {
  std::vector<std::string> rows;
  for (const std::string& line : linesOf(table)) {
    if (line.rfind(method + "  ", 0) == 0) rows.push_back(line);
  }
  return rows;
}

TEST(ReportNumbers, FormatsForPeopleAndExactlyForPrograms) {
  struct Case {
    double value;
    std::string fixed, correlation, exact;
  };
  const Case cases[] = {
      {0.81, "0.81", ".81", "0.81"},          {-0.05, "-0.05", "-.05", "-0.05"},
      {-0.001, "0.00", ".00", "-0.001"},      {1, "1.00", "1.00", "1"},
      {12.3456, "12.35", "12.35", "12.3456"}, {NAN, "-", "-", "NaN"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.exact);
    EXPECT_EQ(fixedNumber(c.value, 2), c.fixed);
    EXPECT_EQ(correlationNumber(c.value), c.correlation);
    EXPECT_EQ(exactNumber(c.value), c.exact);
  }
  // Every double reads back as itself.
  for (const double value : {0.1, 1.0 / 3, -2.5e-300, 6.02214076e23, 0.30000000000000004}) {
    EXPECT_EQ(std::strtod(exactNumber(value).c_str(), nullptr), value);
  }
  EXPECT_EQ(percentText(0.3525), "35.2%");
}

TEST(ReportText, HeadingsSpanTheirColumnsAndNumbersAlignRight) {
  TextTable table;
  table.columns = {{"name", false}, {"deviation"}, {"", false, 1}, {"n"}};
  table.rows = {{"KnR", "1.23", "[1.20,1.27]", "5"}, {"Honor Tricks", "10.50", "[9.9,11.1]", "50"}};
  EXPECT_EQ(renderTable(table),
            "name          deviation           n\n"
            "KnR            1.23 [1.20,1.27]   5\n"
            "Honor Tricks  10.50 [9.9,11.1]   50\n");
}

TEST(ReportText, TableHasEveryMethodOfBothTargetsWithIntervalsAndSigns) {
  const std::string table = studyTable(sampleResults());
  for (const std::string& line : linesOf(table)) {
    EXPECT_LE(line.size(), 100u) << line;
    for (const char ch : line) EXPECT_TRUE(ch >= ' ' && ch <= '~') << line;
  }
  EXPECT_NE(table.find("10000 deals"), std::string::npos);
  EXPECT_NE(table.find("1000 bootstrap resamples"), std::string::npos);
  for (const char* method : {"4-3-2-1", "constant"}) EXPECT_EQ(rowsOf(table, method).size(), 2u);
  // The four methods with an opening mark have a third row, in the opening block.
  for (const char* method : {"KnR", "Zar", "Kleinman", "Honor Tricks"}) {
    EXPECT_EQ(rowsOf(table, method).size(), 3u) << method;
  }
  const std::string knrNotrump = rowsOf(table, "KnR")[0];
  for (const char* cell : {"-2.50", "0.400", ".81 [.80,.83]", "1.25 [1.20,1.30]",
                           "0.97 [0.95,1.00]", "-0.08 [-0.12,-0.04]*"}) {
    EXPECT_NE(knrNotrump.find(cell), std::string::npos) << cell << " in " << knrNotrump;
  }
  // An interval holding 0 gets no mark; the baseline has no difference at all.
  const std::string honorTricks = rowsOf(table, "Honor Tricks")[1];
  EXPECT_NE(honorTricks.find("-0.01 [-0.05,0.02]"), std::string::npos) << honorTricks;
  EXPECT_EQ(honorTricks.find('*'), std::string::npos) << honorTricks;
  EXPECT_EQ(rowsOf(table, "4-3-2-1")[1].back(), '-');
  EXPECT_NE(rowsOf(table, "constant")[0].find("1.50 [1.46,1.54]*"), std::string::npos);
  const std::string openingKnr = rowsOf(table, "KnR")[2];
  for (const char* cell : {"35.0%", "8.12 / 5.50", "9.25 / 6.75", "100.0%", "91.0%"}) {
    EXPECT_NE(openingKnr.find(cell), std::string::npos) << cell << " in " << openingKnr;
  }
}

// Runs python3 on `program` with the JSON on its standard input; its exit status.
int checkWithPython(const std::string& json, const std::string& program) {
  const std::string file = ::testing::TempDir() + "report_summary_test.json";
  {
    std::FILE* out = std::fopen(file.c_str(), "wb");
    std::fwrite(json.data(), 1, json.size(), out);
    std::fclose(out);
  }
  const std::string command = "python3 -c '" + program + "' < " + file;
  return std::system(command.c_str());
}

TEST(ReportJson, ParsesAndHoldsEveryValueExactly) {
  StudyResults results = sampleResults();
  results.targets[1].fits[2].slope = NAN;  // a value that is no number is null
  const std::string program =
      "import json, sys\n"
      "d = json.load(sys.stdin)\n"
      "assert d[\"deals\"] == 10000 and d[\"testSamples\"] == 9998\n"
      "assert d[\"bootstrapSeed\"] == 2**64 - 1 and d[\"resamples\"] == 1000\n"
      "t = d[\"targets\"]\n"
      "assert [x[\"target\"] for x in t] == [\"notrump\", \"longest suit\"]\n"
      "assert list(t[0][\"fits\"]) == [\"KnR\", \"Zar\", \"Kleinman\", \"Honor Tricks\", "
      "\"4-3-2-1\", \"constant\"]\n"
      "f = t[1][\"fits\"][\"Kleinman\"]\n"
      "assert f[\"intercept\"] == -2.5 + 1 + 0.5 and f[\"slope\"] is None\n"
      "assert f[\"residualDeviation\"] == {\"value\": 1.25 + 0.25 + 1, \"low\": 1.2 + 0.25 + 1, "
      "\"high\": 1.3 + 0.25 + 1}\n"
      "assert f[\"deviationOverPoints\"][\"high\"] == 0.02\n"
      "c = t[0][\"calibration\"]\n"
      "assert c[\"Zar\"] == [] and c[\"constant\"] == [{\"count\": 0, \"samples\": 9998, "
      "\"meanTricks\": 7.5, \"deviation\": 2.5}]\n"
      "assert len(c[\"KnR\"]) == 11 and c[\"Kleinman\"][0][\"count\"] == 21.0\n"
      "p = t[1][\"patterns\"][1]\n"
      "assert p[\"pattern\"] == \"void\" and p[\"hands\"] == 640\n"
      "assert p[\"meanResidual\"][\"4-3-2-1\"] == 0.0625\n"
      "o = d[\"opening\"][\"Zar\"]\n"
      "assert o[\"opensShare\"] == 0.35 + 0.01 * 1 and o[\"tricksWhenNot\"][\"longest suit\"] == "
      "5.75\n"
      "assert o[\"agreesWith\"] == {\"KnR\": 0.9 + 0.01 * 1, \"Zar\": 1, \"Kleinman\": 0.9 + 0.01 "
      "* 3, "
      "\"Honor Tricks\": 0.9 + 0.01 * 4}\n";
  EXPECT_EQ(checkWithPython(summaryJson(results), program), 0);
}

TEST(ReportTsv, EveryTableHasItsColumnsOnEveryRow) {
  struct Expected {
    std::string name;
    std::string header;
    std::size_t rows;
  };
  const Expected expected[] = {
      {"fits.tsv", "target\tmethod\tintercept\tslope\tpearsonR\tpearsonRLow\tpearsonRHigh", 12},
      {"calibration.tsv", "target\tmethod\tcount\tsamples\tmeanTricks\tdeviation",
       2 * (4 * 11 + 1)},
      {"patterns.tsv",
       "target\tpattern\thands\tKnR\tZar\tKleinman\tHonor Tricks\t4-3-2-1\tconstant", 4},
      {"opening.tsv", "method\topensShare\tnotrumpTricksWhenOpens\tnotrumpTricksWhenNot", 4},
      {"agreement.tsv", "method\tKnR\tZar\tKleinman\tHonor Tricks", 4},
  };
  const std::vector<ReportFile> files = tsvFiles(sampleResults());
  ASSERT_EQ(files.size(), std::size(expected));
  for (std::size_t file = 0; file < files.size(); ++file) {
    SCOPED_TRACE(files[file].name);
    EXPECT_EQ(files[file].name, expected[file].name);
    const std::vector<std::string> lines = linesOf(files[file].text);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0].rfind(expected[file].header, 0), 0u) << lines[0];
    EXPECT_EQ(lines.size(), expected[file].rows + 1);
    const std::size_t columns = fieldsOf(lines[0]).size();
    for (const std::string& line : lines) EXPECT_EQ(fieldsOf(line).size(), columns) << line;
  }
  const std::vector<std::string> honorTricks = fieldsOf(linesOf(files[0].text)[10]);
  EXPECT_EQ(honorTricks[0], "longest suit");
  EXPECT_EQ(honorTricks[1], "Honor Tricks");
  EXPECT_EQ(honorTricks[2], "-0.75");                      // -2.5 + 1 + 3 * 0.25
  EXPECT_EQ(fieldsOf(linesOf(files[4].text)[2])[2], "1");  // Zar agrees with itself
}

TEST(ReportHtml, DrawingsKeepTheirOwnIdsOnOnePage) {
  const std::string svg =
      "<?xml version=\"1.0\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\">"
      "<path id='gpPt0' stroke='#1f4e8c'/><use xlink:href='#gpPt0'/>"
      "<clipPath id=\"gpClip\"/><g clip-path=\"url(#gpClip)\" grid='a'/></svg>\n";
  EXPECT_EQ(inlineSvg(svg, "p1-"),
            "<svg xmlns=\"http://www.w3.org/2000/svg\">"
            "<path id='p1-gpPt0' stroke='#1f4e8c'/><use xlink:href='#p1-gpPt0'/>"
            "<clipPath id=\"p1-gpClip\"/><g clip-path=\"url(#p1-gpClip)\" grid='a'/></svg>\n");
}

TEST(ReportHtml, TemplateFieldsAreFilledOnceEach) {
  EXPECT_EQ(fillTemplate("a @X@ b @Y@ @X@ c@", {{"@X@", "@Y@"}, {"@Y@", "2"}}), "a @Y@ b 2 @Y@ c@");
}

}  // namespace
}  // namespace bidgauge
