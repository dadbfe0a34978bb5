#include "terminal/sound.hpp"

#include <algorithm>
#include <string_view>

namespace bidgauge {

namespace {

constexpr std::size_t kRiffHeaderSize = 12;  // "RIFF", size, "WAVE"
constexpr std::size_t kChunkHeaderSize = 8;  // id, size
constexpr std::size_t kMinFmtSize = 16;

std::uint16_t read16(std::span<const unsigned char> bytes, std::size_t at) {
  return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

std::uint32_t read32(std::span<const unsigned char> bytes, std::size_t at) {
  return static_cast<std::uint32_t>(read16(bytes, at)) |
         static_cast<std::uint32_t>(read16(bytes, at + 2)) << 16;
}

bool hasId(std::span<const unsigned char> bytes, std::size_t at, std::string_view id) {
  return std::string_view(reinterpret_cast<const char*>(bytes.data()) + at, 4) == id;
}

WaveFile readFormat(std::span<const unsigned char> fmt) {
  return WaveFile{.formatTag = read16(fmt, 0),
                  .channels = read16(fmt, 2),
                  .sampleRate = read32(fmt, 4),
                  .blockAlign = read16(fmt, 12),
                  .bitsPerSample = read16(fmt, 14),
                  .data = {}};
}

}  // namespace

std::optional<WaveFile> parseWave(std::span<const unsigned char> bytes) {
  if (bytes.size() < kRiffHeaderSize || !hasId(bytes, 0, "RIFF") || !hasId(bytes, 8, "WAVE")) {
    return std::nullopt;
  }
  // Writers that stream often leave the RIFF size too large: trust the bytes.
  const std::size_t end = std::min<std::size_t>(bytes.size(), std::size_t{read32(bytes, 4)} + 8);
  std::optional<WaveFile> format;
  std::optional<std::span<const unsigned char>> data;
  for (std::size_t at = kRiffHeaderSize; end - at >= kChunkHeaderSize && !(format && data);) {
    const std::size_t size = read32(bytes, at + 4);
    const std::size_t body = at + kChunkHeaderSize;
    if (size > end - body) return std::nullopt;
    const auto chunk = bytes.subspan(body, size);
    if (!format && hasId(bytes, at, "fmt ")) {
      if (size < kMinFmtSize) return std::nullopt;
      format = readFormat(chunk);
    } else if (!data && hasId(bytes, at, "data")) {
      data = chunk;
    }
    // Chunks start on even offsets; the pad byte may be missing after the last one.
    at = std::min(end, body + size + (size & 1));
  }
  if (!format || !data || format->channels == 0 || format->sampleRate == 0 ||
      format->blockAlign == 0) {
    return std::nullopt;
  }
  format->data = *data;
  return format;
}

std::vector<std::int16_t> pcm16Samples(std::span<const unsigned char> data) {
  std::vector<std::int16_t> samples(data.size() / 2);
  for (std::size_t i = 0; i < samples.size(); ++i) {
    samples[i] = static_cast<std::int16_t>(read16(data, 2 * i));
  }
  return samples;
}

}  // namespace bidgauge
