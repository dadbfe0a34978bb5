#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "web/screen_html.hpp"
#include "web/web_session.hpp"

namespace bidgauge {
namespace {

// The page holds the title screen in its HTML, so a slow phone paints it
// before the program has loaded. It must be the program's own first frame.
TEST(SiteTitle, ThePageHoldsTheProgramsTitleScreen) {
  const char* root = std::getenv("BIDGAUGE_SOURCE_DIR");
  ASSERT_NE(root, nullptr) << "run through ctest, which sets BIDGAUGE_SOURCE_DIR";
  std::ifstream file(std::string(root) + "/web/site/index.html");
  std::stringstream page;
  page << file.rdbuf();
  const std::string html = page.str();
  const std::string open = "<div id=\"screen\">";
  const std::size_t start = html.find(open);
  ASSERT_NE(start, std::string::npos);
  const std::size_t end = html.find("\n    <div id=\"cursor\"", start);
  ASSERT_NE(end, std::string::npos);

  WebSession session;
  std::string rows;
  for (const Frame::Row& row : session.takeFrame().rows) {
    rows += "<div class=\"row\">" + runsHtml(row.runs) + "</div>";
  }
  const std::string expected = open + rows + "</div>";
  EXPECT_EQ(html.substr(start, end - start), expected)
      << "put the line below in web/site/index.html:\n"
      << expected;
}

}  // namespace
}  // namespace bidgauge
