#include "wincon/beep.hpp"

#include <windows.h>
// After windows.h, whose types it uses.
#include <mmsystem.h>

#include <cstddef>

namespace bidgauge {

// resources/beep2.wav, embedded at build time.
extern const unsigned char kBeep2Wav[];
extern const std::size_t kBeep2WavSize;

void startBeep() {
  // PlaySound reads a whole RIFF file from memory that stays valid while it plays.
  const auto* wave = reinterpret_cast<LPCWSTR>(kBeep2Wav);
  if (PlaySoundW(wave, nullptr, SND_MEMORY | SND_ASYNC | SND_NODEFAULT) == FALSE) {
    MessageBeep(0xFFFFFFFF);
  }
}

void stopBeep() {
  PlaySoundW(nullptr, nullptr, 0);
}

}  // namespace bidgauge
