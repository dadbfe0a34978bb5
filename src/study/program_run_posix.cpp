#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "study/program_run.hpp"

namespace bidgauge {

std::optional<std::filesystem::path> findProgram(std::string_view name,
                                                 std::string_view searchPath) {
  for (std::size_t start = 0; start <= searchPath.size();) {
    std::size_t end = searchPath.find(':', start);
    if (end == std::string_view::npos) end = searchPath.size();
    // An empty folder in PATH is the current one.
    const std::string_view folder = searchPath.substr(start, end - start);
    const std::filesystem::path candidate =
        std::filesystem::path(folder.empty() ? "." : folder) / name;
    std::error_code error;
    if (std::filesystem::is_regular_file(candidate, error) &&
        ::access(candidate.c_str(), X_OK) == 0) {
      return candidate;
    }
    start = end + 1;
  }
  return std::nullopt;
}

std::string searchPathOfEnvironment() {
  const char* path = std::getenv("PATH");
  return path != nullptr ? path : "";
}

int runProgram(const std::filesystem::path& program, const std::vector<std::string>& arguments,
               const std::filesystem::path& folder, const std::filesystem::path& log) {
  // Everything the child needs is made before fork: between fork and exec a
  // process with threads may only make calls that are async-signal-safe.
  std::vector<char*> argv;
  std::string name = program.string();
  argv.push_back(name.data());
  std::vector<std::string> copies(arguments);
  for (std::string& argument : copies) argv.push_back(argument.data());
  argv.push_back(nullptr);
  const std::string folderName = folder.string();
  const std::string logName = log.string();

  const pid_t child = ::fork();
  if (child < 0) return -1;
  if (child == 0) {
    const int logFile = ::open(logName.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    const int nothing = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    if (logFile < 0 || nothing < 0 || ::dup2(nothing, 0) < 0 || ::dup2(logFile, 1) < 0 ||
        ::dup2(logFile, 2) < 0 || ::chdir(folderName.c_str()) != 0) {
      ::_exit(127);
    }
    ::execv(name.c_str(), argv.data());
    ::_exit(127);
  }
  int status = 0;
  while (::waitpid(child, &status, 0) < 0) {
    if (errno != EINTR) return -1;
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace bidgauge
