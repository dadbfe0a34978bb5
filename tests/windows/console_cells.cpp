// Prints, as one JSON object, what the console of a running bidgauge.exe
// holds: the 25 rows of its screen buffer as text and as cell attributes (two
// hex digits a cell), the cursor and the title. Attaches to the console of the
// one process of that name; for the interactive test under wine.
//   bidgauge_console_cells.exe
#include <windows.h>
// After windows.h, whose types it uses.
#include <tlhelp32.h>

#include <array>
#include <cstdio>
#include <cwchar>
#include <string>

namespace {

constexpr int kRows = 25;
constexpr int kColumns = 80;

DWORD findProcess(const wchar_t* name) {
  DWORD found = 0;
  const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32FirstW(snapshot, &entry); more != FALSE;
       more = Process32NextW(snapshot, &entry)) {
    if (_wcsicmp(entry.szExeFile, name) == 0) found = entry.th32ProcessID;
  }
  CloseHandle(snapshot);
  return found;
}

void appendUtf8(std::string& out, wchar_t ch) {
  const auto code = static_cast<unsigned>(ch);
  if (code < 0x80) {
    if (code == '"' || code == '\\') out += '\\';
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

std::string jsonText(const wchar_t* text, std::size_t length) {
  std::string out = "\"";
  for (std::size_t i = 0; i < length; ++i) appendUtf8(out, text[i]);
  return out + "\"";
}

}  // namespace

int wmain() {
  const DWORD process = findProcess(L"bidgauge.exe");
  FreeConsole();
  if (process == 0 || AttachConsole(process) == FALSE) {
    std::fprintf(stderr, "bidgauge_console_cells: no console of bidgauge.exe to attach to\n");
    return 1;
  }
  const HANDLE output =
      CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                  nullptr, OPEN_EXISTING, 0, nullptr);
  std::array<CHAR_INFO, std::size_t{kRows} * kColumns> cells{};
  SMALL_RECT region{0, 0, kColumns - 1, kRows - 1};
  CONSOLE_SCREEN_BUFFER_INFO info{};
  CONSOLE_CURSOR_INFO cursor{};
  std::array<wchar_t, 512> title{};
  const DWORD titleLength = GetConsoleTitleW(title.data(), static_cast<DWORD>(title.size()));
  if (ReadConsoleOutputW(output, cells.data(), COORD{kColumns, kRows}, COORD{0, 0}, &region) ==
          FALSE ||
      GetConsoleScreenBufferInfo(output, &info) == FALSE ||
      GetConsoleCursorInfo(output, &cursor) == FALSE) {
    std::fprintf(stderr, "bidgauge_console_cells: cannot read the console (error %lu)\n",
                 GetLastError());
    return 1;
  }
  std::string rows;
  std::string attrs;
  for (int row = 0; row < kRows; ++row) {
    std::array<wchar_t, kColumns> text{};
    std::string hex;
    for (int column = 0; column < kColumns; ++column) {
      const CHAR_INFO& cell =
          cells[static_cast<std::size_t>(row) * kColumns + static_cast<std::size_t>(column)];
      text[static_cast<std::size_t>(column)] = cell.Char.UnicodeChar;
      std::array<char, 3> digits{};
      std::snprintf(digits.data(), digits.size(), "%02x", cell.Attributes & 0xFF);
      hex += digits.data();
    }
    rows += (row == 0 ? "" : ",") + jsonText(text.data(), text.size());
    attrs += (row == 0 ? "\"" : ",\"") + hex + "\"";
  }
  std::printf(
      "{\"title\":%s,\"size\":{\"columns\":%d,\"rows\":%d},"
      "\"cursor\":{\"row\":%d,\"column\":%d,\"visible\":%s},\"rows\":[%s],\"attrs\":[%s]}\n",
      jsonText(title.data(), titleLength).c_str(), info.dwSize.X, info.dwSize.Y,
      info.dwCursorPosition.Y + 1, info.dwCursorPosition.X + 1,
      cursor.bVisible != FALSE ? "true" : "false", rows.c_str(), attrs.c_str());
  return 0;
}
