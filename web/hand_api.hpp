#pragma once

#include <string>
#include <string_view>

namespace bidgauge {

// The answers of the JavaScript module, as JSON objects. A hand is read in
// any form the batch reader takes; when it cannot be read, both give
// {"ok":false,"error":"<message>","position":N}.

// {"ok":true,"hand":"KQ7543 QT2 A J98","knr":12.35,"knr_opens":true,...}:
// the fields of a JSONL batch row without board and seat.
std::string evaluationJson(std::string_view text);

// {"ok":true,"text":"..."}: what each method counted, as --explain prints it.
std::string explanationJson(std::string_view text);

}  // namespace bidgauge
