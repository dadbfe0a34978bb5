#include "study/solving_progress.hpp"

#include <cmath>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace bidgauge {
namespace {

constexpr long kMinute = 60;
constexpr long kHour = 60 * kMinute;

std::string timeLeft(double seconds) {
  const auto whole = static_cast<long>(std::lround(seconds));
  if (whole < kMinute) return std::to_string(whole) + " s";
  const long minutes = (whole + kMinute / 2) / kMinute;
  if (minutes < kHour / kMinute) return std::to_string(minutes) + " min";
  return std::to_string(minutes / 60) + " h " + std::to_string(minutes % 60) + " min";
}

}  // namespace

std::string progressText(long done, long total, double seconds) {
  std::string text = "solving: " + std::to_string(done) + "/" + std::to_string(total) + " deals";
  if (done <= 0 || seconds <= 0) return text;
  const double rate = static_cast<double>(done) / seconds;
  char shown[32];
  std::snprintf(shown, sizeof shown, ", %.1f deals/s", rate);
  text += shown;
  if (done < total) text += ", " + timeLeft(static_cast<double>(total - done) / rate) + " left";
  return text;
}

bool isTerminal(std::FILE* stream) {
#ifdef _WIN32
  return _isatty(_fileno(stream)) != 0;
#else
  return isatty(fileno(stream)) != 0;
#endif
}

void ProgressLine::show(long done, long total) {
  if (terminal_ == nullptr) return;
  const Clock::time_point now = Clock::now();
  if (now - shown_ < kInterval && done < total) return;
  shown_ = now;
  const std::string text =
      progressText(done, total, std::chrono::duration<double>(now - start_).count());
  // Blanks over what a longer line before left.
  const std::size_t pad = width_ > text.size() ? width_ - text.size() : 0;
  std::fprintf(terminal_, "\r%s%*s", text.c_str(), static_cast<int>(pad), "");
  std::fflush(terminal_);
  width_ = text.size();
}

void ProgressLine::clear() {
  if (terminal_ == nullptr || width_ == 0) return;
  std::fprintf(terminal_, "\r%*s\r", static_cast<int>(width_), "");
  std::fflush(terminal_);
  width_ = 0;
}

}  // namespace bidgauge
