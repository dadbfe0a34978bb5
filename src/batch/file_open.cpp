#include "batch/file_open.hpp"

namespace bidgauge {

std::FILE* openForReading(const std::string& name) {
  return std::fopen(name.c_str(), "rb");
}

}  // namespace bidgauge
