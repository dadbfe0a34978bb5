#include <windows.h>

#include <cstdlib>

#include "hand/wide_text.hpp"
#include "study/program_run.hpp"

namespace bidgauge {
namespace {

// One argument of a command line as the C runtime splits it again: quoted,
// with the backslashes before a quote doubled.
std::wstring quotedArgument(const std::wstring& argument) {
  std::wstring out = L"\"";
  std::size_t backslashes = 0;
  for (const wchar_t ch : argument) {
    if (ch == L'\\') {
      ++backslashes;
      continue;
    }
    out.append(ch == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
    backslashes = 0;
    out += ch;
  }
  out.append(backslashes * 2, L'\\');
  return out + L"\"";
}

std::wstring wideOf(std::string_view utf8) {
  const std::u16string wide = utf16FromUtf8(utf8);
  return std::wstring(wide.begin(), wide.end());
}

}  // namespace

std::optional<std::filesystem::path> findProgram(std::string_view name,
                                                 std::string_view searchPath) {
  for (std::size_t start = 0; start <= searchPath.size();) {
    std::size_t end = searchPath.find(';', start);
    if (end == std::string_view::npos) end = searchPath.size();
    const std::string_view folder = searchPath.substr(start, end - start);
    if (!folder.empty()) {
      const std::filesystem::path candidate =
          std::filesystem::path(wideOf(folder)) / wideOf(std::string(name) + ".exe");
      std::error_code error;
      if (std::filesystem::is_regular_file(candidate, error)) return candidate;
    }
    start = end + 1;
  }
  return std::nullopt;
}

std::string searchPathOfEnvironment() {
  const wchar_t* path = _wgetenv(L"PATH");
  return path != nullptr ? utf8FromUtf16(reinterpret_cast<const char16_t*>(path)) : "";
}

int runProgram(const std::filesystem::path& program, const std::vector<std::string>& arguments,
               const std::filesystem::path& folder, const std::filesystem::path& log) {
  std::wstring commandLine = quotedArgument(program.wstring());
  for (const std::string& argument : arguments) {
    commandLine += L" " + quotedArgument(wideOf(argument));
  }
  SECURITY_ATTRIBUTES inherited{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  HANDLE logFile = CreateFileW(log.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherited,
                               CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (logFile == INVALID_HANDLE_VALUE) return -1;
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = nullptr;
  startup.hStdOutput = logFile;
  startup.hStdError = logFile;
  PROCESS_INFORMATION process{};
  const BOOL started =
      CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
                     nullptr, folder.c_str(), &startup, &process);
  CloseHandle(logFile);
  if (!started) return -1;
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD status = 0;
  const BOOL known = GetExitCodeProcess(process.hProcess, &status);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return known ? static_cast<int>(status) : -1;
}

}  // namespace bidgauge
