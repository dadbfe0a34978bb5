#pragma once

namespace bidgauge {

// The program's exit statuses.
enum class ExitStatus {
  ok = 0,
  invalidLines = 1,  // batch input had invalid lines; every valid one was still printed
  failed = 2,        // a usage error, an invalid hand, or input or output that failed
};

constexpr int exitCode(ExitStatus status) {
  return static_cast<int>(status);
}

}  // namespace bidgauge
