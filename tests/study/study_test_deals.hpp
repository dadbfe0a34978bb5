#pragma once

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>

#include <unistd.h>

#include "study/study_input.hpp"
#include "support/memory_file.hpp"

namespace bidgauge::testing_support {

// A deal with every seat holding one suit: N spades, E hearts, S diamonds, W clubs.
inline constexpr std::string_view kSuitDeal =
    "N:AKQJT98765432... .AKQJT98765432.. ..AKQJT98765432. ...AKQJT98765432";
// A deal from a club's hand record.
inline constexpr std::string_view kClubDeal =
    "N:J76.AK.AQJ954.J3 QT.QT8542.62.Q52 AK9543.6.K3.T986 82.J973.T87.AK74";

inline StudyInput readText(std::string text, std::string_view name = "in") {
  const InputText input(std::move(text));
  StudyInput read;
  readStudyInput(input.file(), name, read);
  return read;
}

inline std::string fileText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// A folder of its own for one test, removed after it.
class ScratchFolder {
 public:
  explicit ScratchFolder(std::string_view name)
      : path_(std::filesystem::temp_directory_path() /
              ("bidgauge-study-" + std::string(name) + "-" + std::to_string(::getpid()))) {
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~ScratchFolder() { std::filesystem::remove_all(path_); }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  std::string file(std::string_view name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

}  // namespace bidgauge::testing_support
