// The functions bidgauge.mjs calls. Strings returned are the caller's to free.
#include <emscripten/emscripten.h>

#include "web/c_string.hpp"
#include "web/hand_api.hpp"

extern "C" {

EMSCRIPTEN_KEEPALIVE char* bidgauge_evaluate(const char* text) {
  return bidgauge::mallocCopy(bidgauge::evaluationJson(text));
}

EMSCRIPTEN_KEEPALIVE char* bidgauge_explain(const char* text) {
  return bidgauge::mallocCopy(bidgauge::explanationJson(text));
}

}  // extern "C"
