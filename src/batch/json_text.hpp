#pragma once

#include <string>
#include <string_view>

namespace bidgauge {

// Appends `text` (UTF-8) escaped for the inside of a JSON string.
void appendJsonEscaped(std::string& out, std::string_view text);

// Appends `text` (UTF-8) as a JSON string literal, quotes included.
void appendJsonString(std::string& out, std::string_view text);

}  // namespace bidgauge
