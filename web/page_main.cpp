// The functions the web page calls. Strings returned are the caller's to free.
#include <emscripten/emscripten.h>

#include "web/c_string.hpp"
#include "web/web_session.hpp"

namespace bidgauge {
extern const unsigned char kBeep2Wav[];
extern const std::size_t kBeep2WavSize;
}  // namespace bidgauge

extern "C" {

EMSCRIPTEN_KEEPALIVE bidgauge::WebSession* bidgauge_session_open() {
  return new bidgauge::WebSession();
}

EMSCRIPTEN_KEEPALIVE void bidgauge_session_close(bidgauge::WebSession* session) {
  delete session;
}

// Modifiers: 1 Shift, 2 Ctrl, 4 Alt, 8 Meta. Returns 1 when the program took the key.
EMSCRIPTEN_KEEPALIVE int bidgauge_session_press(bidgauge::WebSession* session, const char* key,
                                                int modifiers) {
  const bidgauge::DomKey event{key, (modifiers & 1) != 0, (modifiers & 2) != 0,
                               (modifiers & 4) != 0, (modifiers & 8) != 0};
  return session->press(event) ? 1 : 0;
}

// Returns the number of keys the pasted UTF-8 text typed.
EMSCRIPTEN_KEEPALIVE int bidgauge_session_paste(bidgauge::WebSession* session, const char* text) {
  return session->paste(text);
}

EMSCRIPTEN_KEEPALIVE char* bidgauge_session_frame(bidgauge::WebSession* session) {
  return bidgauge::mallocCopy(bidgauge::frameJson(session->takeFrame()));
}

EMSCRIPTEN_KEEPALIVE const unsigned char* bidgauge_beep_data() {
  return bidgauge::kBeep2Wav;
}

EMSCRIPTEN_KEEPALIVE int bidgauge_beep_size() {
  return static_cast<int>(bidgauge::kBeep2WavSize);
}

}  // extern "C"
