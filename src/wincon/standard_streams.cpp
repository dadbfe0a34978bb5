#include "wincon/standard_streams.hpp"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>

namespace bidgauge {
namespace {

bool isConsole(DWORD stream) {
  DWORD mode = 0;
  return GetConsoleMode(GetStdHandle(stream), &mode) != FALSE;
}

}  // namespace

StandardStreams::StandardStreams(bool writesText) {
  for (std::FILE* stream : {stdin, stdout, stderr}) _setmode(_fileno(stream), _O_BINARY);
  // The console's own code page stays for drawing: raster fonts show the
  // screen's glyphs only in it.
  if (!writesText) return;
  if (isConsole(STD_OUTPUT_HANDLE) || isConsole(STD_ERROR_HANDLE)) {
    savedOutputCodePage_ = GetConsoleOutputCP();
    SetConsoleOutputCP(CP_UTF8);
  }
  const HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
  if (DWORD mode = 0; GetConsoleMode(output, &mode) != FALSE &&
                      SetConsoleMode(output, mode | ENABLE_VIRTUAL_TERMINAL_PROCESSING) != FALSE) {
    savedOutputMode_ = mode;
  }
}

StandardStreams::~StandardStreams() {
  std::fflush(stdout);
  std::fflush(stderr);
  if (savedOutputMode_) SetConsoleMode(GetStdHandle(STD_OUTPUT_HANDLE), *savedOutputMode_);
  if (savedOutputCodePage_) SetConsoleOutputCP(*savedOutputCodePage_);
}

bool standardOutputShowsColour() {
  DWORD mode = 0;
  return GetConsoleMode(GetStdHandle(STD_OUTPUT_HANDLE), &mode) != FALSE &&
         (mode & ENABLE_VIRTUAL_TERMINAL_PROCESSING) != 0;
}

}  // namespace bidgauge
