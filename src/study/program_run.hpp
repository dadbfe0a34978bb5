#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace bidgauge {

// Another program the study runs (gnuplot). The build picks the system's way
// to start one: program_run_posix.cpp or program_run_windows.cpp.

// The program file named `name` in one of the folders of `searchPath` (the
// form of the PATH variable; on Windows "name.exe"), the first one found.
std::optional<std::filesystem::path> findProgram(std::string_view name,
                                                 std::string_view searchPath);

// The PATH variable, empty when it is not set.
std::string searchPathOfEnvironment();

// Runs `program` with `arguments` in `folder`, its output and messages to
// the file `log`, reading nothing, and waits for it. Its exit status: 127
// when it could not be run (as shells say), -1 when no process could be
// made or it did not end by itself. No shell reads the arguments.
int runProgram(const std::filesystem::path& program, const std::vector<std::string>& arguments,
               const std::filesystem::path& folder, const std::filesystem::path& log);

}  // namespace bidgauge
