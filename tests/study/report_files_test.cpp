#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <stdexcept>
#include <string>

#include "study/program_run.hpp"
#include "study/report_files.hpp"
#include "study/sample_results.hpp"

namespace bidgauge {
namespace {

namespace fs = std::filesystem;

// A fresh folder for one test, removed after it.
class ReportFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    dir_ = fs::path(::testing::TempDir()) /
           ("bidgauge_" + std::string(test->name()) + "_" + std::to_string(::getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  static std::string contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }

  // Writes an executable shell script.
  static void writeScript(const fs::path& path, const std::string& body) {
    std::ofstream(path) << "#!/bin/sh\n" << body;
    fs::permissions(path, fs::perms::owner_all);
  }

  fs::path dir_;
};

// PATH set to `value` for one scope.
class ScopedPath {
 public:
  explicit ScopedPath(const std::string& value) {
    const char* old = std::getenv("PATH");
    if (old != nullptr) old_ = old;
    ::setenv("PATH", value.c_str(), 1);
  }
  ~ScopedPath() { ::setenv("PATH", old_.c_str(), 1); }
  ScopedPath(const ScopedPath&) = delete;
  ScopedPath& operator=(const ScopedPath&) = delete;

 private:
  std::string old_;
};

bool gnuplotInstalled() {
  return !reportToolMissing().has_value();
}

TEST_F(ReportFolder, FindsOnlyExecutableProgramsOnThePath) {
  writeScript(dir_ / "tool", "exit 0\n");
  std::ofstream(dir_ / "plain") << "not a program\n";
  const std::string path = "/nonexistent:" + dir_.string();
  EXPECT_EQ(findProgram("tool", path), dir_ / "tool");
  EXPECT_FALSE(findProgram("plain", path));
  EXPECT_FALSE(findProgram("tool", "/nonexistent"));
}

TEST_F(ReportFolder, RunsAProgramInAFolderWithItsArgumentsAsGiven) {
  fs::create_directories(dir_ / "work");
  const std::vector<std::string> arguments = {
      "-c", "printf '%s' \"$0\" > got.txt; echo oops; exit 3", "a b'c $HOME"};
  EXPECT_EQ(runProgram("/bin/sh", arguments, dir_ / "work", dir_ / "log.txt"), 3);
  EXPECT_EQ(contents(dir_ / "work" / "got.txt"), "a b'c $HOME");
  EXPECT_EQ(contents(dir_ / "log.txt"), "oops\n");
  EXPECT_EQ(runProgram(dir_ / "missing", {}, dir_, dir_ / "log.txt"), 127);
}

TEST_F(ReportFolder, WithoutGnuplotTheErrorNamesItsPackageAndNothingIsWritten) {
  fs::create_directories(dir_ / "empty");
  const ScopedPath path((dir_ / "empty").string());
  const std::optional<std::string> missing = reportToolMissing();
  ASSERT_TRUE(missing);
  EXPECT_NE(missing->find("gnuplot-nox"), std::string::npos) << *missing;
  try {
    writeReport(sampleResults(), dir_ / "report");
    FAIL() << "no error";
  } catch (const std::runtime_error& error) {
    EXPECT_EQ(error.what(), *missing);
  }
  EXPECT_FALSE(fs::exists(dir_ / "report"));
}

TEST_F(ReportFolder, GnuplotFailingIsAnErrorWithItsMessageAndNoPage) {
  fs::create_directories(dir_ / "bin");
  writeScript(dir_ / "bin" / "gnuplot",
              "echo \"\\\"$1\\\" line 7: undefined variable: colour\" >&2\nexit 1\n");
  const ScopedPath path((dir_ / "bin").string());
  try {
    writeReport(sampleResults(), dir_ / "report");
    FAIL() << "no error";
  } catch (const std::runtime_error& error) {
    const std::string message = error.what();
    EXPECT_NE(message.find("gnuplot failed on"), std::string::npos) << message;
    EXPECT_NE(message.find("\"calibration.gp\" line 7: undefined variable: colour"),
              std::string::npos)
        << message;
  }
  EXPECT_TRUE(fs::exists(dir_ / "report" / "summary.json"));
  EXPECT_FALSE(fs::exists(dir_ / "report" / "index.html"));
  for (const auto& entry : fs::directory_iterator(dir_ / "report")) {
    EXPECT_NE(entry.path().extension(), ".part") << entry.path();
  }
}

TEST_F(ReportFolder, AFileInTheWayIsAnError) {
  if (!gnuplotInstalled()) GTEST_SKIP() << "gnuplot is not installed";
  std::ofstream(dir_ / "report") << "a file\n";
  EXPECT_THROW(writeReport(sampleResults(), dir_ / "report"), std::runtime_error);
}

TEST_F(ReportFolder, WritesEveryFileAndAPageThatNeedsNoNetwork) {
  if (!gnuplotInstalled()) GTEST_SKIP() << "gnuplot is not installed";
  const fs::path report = dir_ / "new" / "report";
  writeReport(sampleResults(), report);
  for (const char* name :
       {"summary.json", "fits.tsv", "calibration.tsv", "patterns.tsv", "opening.tsv",
        "agreement.tsv", "calibration.dat", "errors.dat", "calibration.gp", "errors.gp",
        "calibration_notrump.svg", "calibration_longest_suit.svg", "errors.svg", "index.html"}) {
    EXPECT_TRUE(fs::is_regular_file(report / name)) << name;
  }
  EXPECT_FALSE(fs::exists(report / "gnuplot.log"));
  const std::string page = contents(report / "index.html");
  EXPECT_EQ(page.rfind("<!DOCTYPE html>", 0), 0u);
  std::size_t drawings = 0;
  for (std::size_t at = page.find("<svg"); at != std::string::npos;
       at = page.find("<svg", at + 1)) {
    ++drawings;
  }
  EXPECT_EQ(drawings, 3u);
  EXPECT_EQ(page.find("<?xml"), std::string::npos);
  EXPECT_NE(page.find("id=\"plot2-gnuplot_canvas\""), std::string::npos);
  // Nothing the browser would fetch: no script, stylesheet or image from
  // elsewhere; the only addresses are the SVG namespace names.
  EXPECT_EQ(page.find("<script"), std::string::npos);
  EXPECT_EQ(page.find("<link"), std::string::npos);
  EXPECT_EQ(page.find("@import"), std::string::npos);
  const std::regex fetched(R"((src|href)\s*=\s*["']?\s*(https?:)?//|url\(\s*["']?\s*(https?:)?//)",
                           std::regex::icase);
  EXPECT_FALSE(std::regex_search(page, fetched));
  const std::string outsideNamespaces =
      std::regex_replace(page, std::regex(R"(xmlns(:\w+)?="http://www\.w3\.org/[^"]*")"), "");
  EXPECT_EQ(outsideNamespaces.find("http://"), std::string::npos);
  EXPECT_EQ(outsideNamespaces.find("https://"), std::string::npos);
  // The tables are on the page too.
  EXPECT_NE(page.find("<td>Honor Tricks</td>"), std::string::npos);
  EXPECT_NE(page.find("<td>void</td>"), std::string::npos);
}

}  // namespace
}  // namespace bidgauge
