// A C++ program using an installed libbidgauge, built through find_package.
#include <bidgauge/bidgauge.hpp>

#include <iostream>

namespace {

int failures = 0;

void check(bool ok, const char* what) {
  if (!ok) {
    std::cerr << "consumer.cpp: failed: " << what << '\n';
    ++failures;
  }
}

}  // namespace

int main() {
  const auto first = bidgauge::evaluate("KQ7543 QT2 A J98");
  check(first.has_value(), "reads KQ7543 QT2 A J98");
  if (first) {
    check(first->knrHundredths == 1235 && first->knrOpens, "KnR 12.35 opens");
    check(first->zarPoints == 28 && first->zarOpens, "Zar 28 opens");
    check(first->kleinmanPoints == 11 && first->kleinmanQuality == bidgauge::Quality::ordinary &&
              first->kleinmanOpens,
          "Kleinman 11 ordinary opens");
    check(first->honorTrickHalves == 5 && first->honorTricksOpens, "2.5 honor tricks open");
    check(bidgauge::format(*first).kleinman == " 11", "Kleinman text");
  }
  check(bidgauge::evaluate("764 AQJ74 42 A83").value().knrHundredths == 1220, "KnR 12.20");

  const auto bad = bidgauge::evaluate("KQ7543 QT2 A J9Z");
  check(!bad && bad.error().position == 16 &&
            bad.error().message == "unexpected character 'Z' at position 16",
        "error with message and position");

  std::cout << "C++ consumer: libbidgauge " << bidgauge::version() << ", " << failures
            << " failures\n";
  return failures == 0 ? 0 : 1;
}
