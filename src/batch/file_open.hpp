#pragma once

#include <cstdio>
#include <string>

namespace bidgauge {

// Opens a file named in UTF-8 for reading its bytes, on Windows too, where
// file names are UTF-16. Nothing, with errno set, when it cannot.
std::FILE* openForReading(const std::string& name);

}  // namespace bidgauge
