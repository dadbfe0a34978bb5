#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace bidgauge {

// resources/beep2.wav, embedded at build time.
extern const unsigned char kBeep2Wav[];
extern const std::size_t kBeep2WavSize;

inline std::span<const unsigned char> beep2Wav() {
  return {kBeep2Wav, kBeep2WavSize};
}

// The format and sample bytes of a RIFF WAVE file. `data` points into the parsed bytes.
struct WaveFile {
  std::uint16_t formatTag = 0;  // 1 is integer PCM
  std::uint16_t channels = 0;
  std::uint32_t sampleRate = 0;
  std::uint16_t blockAlign = 0;  // bytes per frame
  std::uint16_t bitsPerSample = 0;
  std::span<const unsigned char> data;
};

// Finds the first "fmt " and "data" chunks wherever they lie, skipping other
// chunks and their pad bytes. Nothing when the bytes are not a well-formed
// WAVE file: no RIFF/WAVE header, a chunk running past the end, a missing or
// short fmt chunk, no data chunk, or a zero channel count, rate or frame size.
std::optional<WaveFile> parseWave(std::span<const unsigned char> bytes);

// Little-endian 16-bit samples; an odd trailing byte is dropped.
std::vector<std::int16_t> pcm16Samples(std::span<const unsigned char> data);

// Plays the embedded beep in the background through ALSA.
class BeepSound {
 public:
  // nullptr when the program was built without ALSA or the embedded wave is
  // not 16-bit PCM. Returns at once: the device is opened by the worker
  // thread, so a slow sound server never delays start-up. If that open fails
  // play() says so from then on. ALSA never prints: its error output is silenced
  // for the whole process. `device` is an ALSA PCM name ("null" discards).
  static std::unique_ptr<BeepSound> open(const std::string& device = "default");

  // Stops the sound and waits for the worker: at most one short chunk, or a
  // device open still in progress.
  ~BeepSound();
  BeepSound(const BeepSound&) = delete;
  BeepSound& operator=(const BeepSound&) = delete;

  // Starts the beep and returns at once; a beep still playing is cut off and
  // started again. False when the device could not be opened, so the caller
  // can ring the terminal bell instead.
  bool play();

 private:
  struct Impl;
  explicit BeepSound(std::unique_ptr<Impl> impl);

  std::unique_ptr<Impl> impl_;
};

}  // namespace bidgauge
