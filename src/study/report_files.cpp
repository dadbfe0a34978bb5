#include "study/report_files.hpp"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "study/program_run.hpp"
#include "study/report_html.hpp"
#include "study/report_json.hpp"
#include "study/report_plots.hpp"
#include "study/report_tsv.hpp"

namespace bidgauge {
namespace {

#ifdef _WIN32
constexpr const char* kGnuplotMissing =
    "--report needs gnuplot: install it from gnuplot.info and put its bin folder on PATH";
#else
constexpr const char* kGnuplotMissing = "--report needs gnuplot: install the gnuplot-nox package";
#endif

// The log gnuplot's messages go to while it draws; kept only when it fails.
constexpr const char* kGnuplotLog = "gnuplot.log";
// Longest part of gnuplot's messages an error repeats: its end, where the
// error is.
constexpr std::size_t kMessageTail = 1500;

std::string quotedPath(const std::filesystem::path& path) {
  return "'" + path.string() + "'";
}

// Writes a temporary file beside `path` and renames it into place, so a
// reader never sees half a file.
void writeWhole(const std::filesystem::path& path, const std::string& text) {
  std::filesystem::path part = path;
  part += ".part";
  {
    std::ofstream out(part, std::ios::binary | std::ios::trunc);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.close();
    if (!out) {
      const int error = errno;
      std::error_code ignored;
      std::filesystem::remove(part, ignored);
      throw std::runtime_error("cannot write " + quotedPath(path) + ": " + std::strerror(error));
    }
  }
  std::error_code error;
  std::filesystem::rename(part, path, error);
  if (error) {
    std::error_code ignored;
    std::filesystem::remove(part, ignored);
    throw std::runtime_error("cannot write " + quotedPath(path) + ": " + error.message());
  }
}

std::string contentsOf(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void runGnuplot(const std::filesystem::path& gnuplot, const std::filesystem::path& dir,
                const std::string& script) {
  const std::filesystem::path log = dir / kGnuplotLog;
  const int status = runProgram(gnuplot, {script}, dir, log);
  if (status == 0) {
    std::error_code ignored;
    std::filesystem::remove(log, ignored);
    return;
  }
  std::string messages = contentsOf(log);
  if (messages.size() > kMessageTail)
    messages = "..." + messages.substr(messages.size() - kMessageTail);
  while (!messages.empty() && messages.back() == '\n') messages.pop_back();
  throw std::runtime_error(status < 0 ? "cannot run " + quotedPath(gnuplot)
                                      : "gnuplot failed on " + quotedPath(dir / script) + ":\n" +
                                            messages);
}

std::filesystem::path gnuplotOrThrow() {
  const auto gnuplot = findProgram("gnuplot", searchPathOfEnvironment());
  if (!gnuplot) throw std::runtime_error(kGnuplotMissing);
  return *gnuplot;
}

}  // namespace

std::optional<std::string> reportToolMissing() {
  if (findProgram("gnuplot", searchPathOfEnvironment())) return std::nullopt;
  return kGnuplotMissing;
}

void writeReport(const StudyResults& results, const std::filesystem::path& dir) {
  const std::filesystem::path gnuplot = gnuplotOrThrow();
  std::error_code error;
  std::filesystem::create_directories(dir, error);
  if (error) throw std::runtime_error("cannot make " + quotedPath(dir) + ": " + error.message());

  writeWhole(dir / "summary.json", summaryJson(results));
  for (const ReportFile& file : tsvFiles(results)) writeWhole(dir / file.name, file.text);
  for (const ReportFile& file : plotFiles(results)) writeWhole(dir / file.name, file.text);

  std::vector<std::string> drawings;
  for (const PlotScript& script : plotScripts()) {
    runGnuplot(gnuplot, dir, script.name);
    for (const std::string& drawing : script.drawings) {
      drawings.push_back(contentsOf(dir / drawing));
      if (drawings.back().empty()) {
        throw std::runtime_error("gnuplot drew nothing into " + quotedPath(dir / drawing));
      }
    }
  }
  writeWhole(dir / "index.html", indexHtml(results, drawings));
}

}  // namespace bidgauge
