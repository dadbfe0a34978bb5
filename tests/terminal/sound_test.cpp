#include "terminal/sound.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

namespace bidgauge {
namespace {

using Bytes = std::vector<unsigned char>;

void append32(Bytes& out, std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8)
    out.push_back(static_cast<unsigned char>(value >> shift));
}

void append16(Bytes& out, std::uint16_t value) {
  out.push_back(static_cast<unsigned char>(value));
  out.push_back(static_cast<unsigned char>(value >> 8));
}

Bytes chunk(const std::string& id, const Bytes& body) {
  Bytes out(id.begin(), id.end());
  append32(out, static_cast<std::uint32_t>(body.size()));
  out.insert(out.end(), body.begin(), body.end());
  if (body.size() % 2 != 0) out.push_back(0);
  return out;
}

// A 16-byte fmt body: PCM at 22050 Hz, 16-bit, `channels` channels.
Bytes fmtBody(std::uint16_t channels) {
  Bytes out;
  append16(out, 1);
  append16(out, channels);
  append32(out, 22050);
  append32(out, 22050u * 2 * channels);
  append16(out, static_cast<std::uint16_t>(2 * channels));
  append16(out, 16);
  return out;
}

const Bytes kSamples = {0x01, 0x00, 0xFF, 0x7F, 0x00, 0x80, 0xFE, 0xFF};

Bytes riff(const std::vector<Bytes>& chunks) {
  Bytes body = {'W', 'A', 'V', 'E'};
  for (const Bytes& c : chunks) body.insert(body.end(), c.begin(), c.end());
  Bytes out = {'R', 'I', 'F', 'F'};
  append32(out, static_cast<std::uint32_t>(body.size()));
  out.insert(out.end(), body.begin(), body.end());
  return out;
}

Bytes withSize(Bytes file, std::size_t at, std::uint32_t size) {
  for (int i = 0; i < 4; ++i) file[at + i] = static_cast<unsigned char>(size >> (8 * i));
  return file;
}

const Bytes kCanonical = riff({chunk("fmt ", fmtBody(1)), chunk("data", kSamples)});

struct WaveCase {
  const char* name;
  Bytes file;
  bool valid;
};

std::vector<WaveCase> waveCases() {
  Bytes extensibleFmt = fmtBody(1);
  extensibleFmt.resize(40, 0);
  Bytes shortFmt = fmtBody(1);
  shortFmt.resize(14);
  Bytes notWave = kCanonical;
  notWave[8] = 'A';
  return {
      {"canonical", kCanonical, true},
      {"list chunk before data",
       riff({chunk("fmt ", fmtBody(1)), chunk("LIST", Bytes(10, 'x')), chunk("data", kSamples)}),
       true},
      {"odd chunk with pad byte",
       riff({chunk("fmt ", fmtBody(1)), chunk("odd ", Bytes(3, 'x')), chunk("data", kSamples)}),
       true},
      {"data before fmt", riff({chunk("data", kSamples), chunk("fmt ", fmtBody(1))}), true},
      {"extensible fmt", riff({chunk("fmt ", extensibleFmt), chunk("data", kSamples)}), true},
      {"riff size past the end", withSize(kCanonical, 4, 0xFFFFFFFF), true},
      {"empty", {}, false},
      {"not riff", Bytes(kCanonical.begin() + 1, kCanonical.end()), false},
      {"not wave", notWave, false},
      {"no data chunk", riff({chunk("fmt ", fmtBody(1))}), false},
      {"no fmt chunk", riff({chunk("data", kSamples)}), false},
      {"short fmt", riff({chunk("fmt ", shortFmt), chunk("data", kSamples)}), false},
      {"zero channels", riff({chunk("fmt ", fmtBody(0)), chunk("data", kSamples)}), false},
      {"data past the end", withSize(kCanonical, 40, 9), false},
      {"huge chunk size", withSize(kCanonical, 16, 0xFFFFFFF8), false},
      {"riff size cuts the data", withSize(kCanonical, 4, 40), false},
  };
}

TEST(WaveParsing, AcceptsWellFormedFilesAndRejectsBrokenOnes) {
  for (const WaveCase& c : waveCases()) {
    const auto wave = parseWave(c.file);
    ASSERT_EQ(wave.has_value(), c.valid) << c.name;
    if (!wave) continue;
    EXPECT_EQ(wave->formatTag, 1) << c.name;
    EXPECT_EQ(wave->channels, 1) << c.name;
    EXPECT_EQ(wave->sampleRate, 22050u) << c.name;
    EXPECT_EQ(wave->blockAlign, 2) << c.name;
    EXPECT_EQ(wave->bitsPerSample, 16) << c.name;
    EXPECT_TRUE(std::ranges::equal(wave->data, kSamples)) << c.name;
  }
}

TEST(WaveParsing, DecodesLittleEndianSamplesAndDropsAnOddByte) {
  Bytes data = kSamples;
  data.push_back(0x55);
  EXPECT_EQ(pcm16Samples(data), (std::vector<std::int16_t>{1, 32767, -32768, -2}));
}

TEST(EmbeddedBeep, HasTheStatedFormat) {
  const auto wave = parseWave(beep2Wav());
  ASSERT_TRUE(wave.has_value());
  EXPECT_EQ(wave->formatTag, 1);
  EXPECT_EQ(wave->channels, 1);
  EXPECT_EQ(wave->sampleRate, 22050u);
  EXPECT_EQ(wave->bitsPerSample, 16);
  EXPECT_EQ(wave->blockAlign, 2);
  EXPECT_EQ(wave->data.size(), 17088u);
  EXPECT_EQ(pcm16Samples(wave->data).size(), 8544u);
}

TEST(EmbeddedBeep, IsAudibleWithoutClippingOrClicks) {
  const auto wave = parseWave(beep2Wav());
  ASSERT_TRUE(wave.has_value());
  const std::vector<std::int16_t> samples = pcm16Samples(wave->data);
  ASSERT_FALSE(samples.empty());
  const auto [low, high] = std::ranges::minmax(samples);
  const int peak = std::max(-int{low}, int{high});
  EXPECT_GT(peak, 8000);   // clearly audible
  EXPECT_LT(peak, 32000);  // headroom: never at full scale
  // Starting or stopping away from zero clicks.
  EXPECT_LT(std::abs(samples.front()), 100);
  EXPECT_LT(std::abs(samples.back()), 100);
}

TEST(BeepSoundDevice, OpeningAndPlayingPrintNothing) {
  testing::internal::CaptureStdout();
  testing::internal::CaptureStderr();
  {
    // This machine may have no sound device at all: still no ALSA chatter.
    const auto sound = BeepSound::open();
#ifndef BIDGAUGE_HAVE_ALSA
    EXPECT_EQ(sound, nullptr);
#endif
    if (sound) {
      sound->play();
      sound->play();
    }
  }  // the destructor joins the worker, so any message would be out by now
  const std::string out = testing::internal::GetCapturedStdout();
  const std::string err = testing::internal::GetCapturedStderr();
  EXPECT_EQ(out, "");
  EXPECT_EQ(err, "");
}

TEST(BeepSoundDevice, RestartsRepeatedlyOnTheNullDevice) {
  const auto sound = BeepSound::open("null");
  if (!sound) GTEST_SKIP() << "built without ALSA";
  for (int i = 0; i < 20; ++i) sound->play();
}

TEST(BeepSoundDevice, SaysSoWhenNoDeviceOpens) {
  const auto sound = BeepSound::open("no-such-device");
  if (!sound) GTEST_SKIP() << "built without ALSA";
  // The device is opened in the background: within a while play() must report
  // that it cannot sound, so the terminal bell rings instead.
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  bool played = true;
  while (played && std::chrono::steady_clock::now() < deadline) {
    played = sound->play();
    if (played) std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  EXPECT_FALSE(played);
}

TEST(BeepSoundDevice, StopsAtAnyPoint) {
  for (int i = 0; i < 5; ++i) {
    const auto sound = BeepSound::open("null");
    if (!sound) GTEST_SKIP() << "built without ALSA";
    sound->play();
  }
}

std::filesystem::path sourceDir() {
  if (const char* dir = std::getenv("BIDGAUGE_SOURCE_DIR")) return dir;
  return std::filesystem::path(__FILE__).parent_path().parent_path().parent_path();
}

std::uint32_t big32(const Bytes& bytes, std::size_t at) {
  return std::uint32_t{bytes[at]} << 24 | std::uint32_t{bytes[at + 1]} << 16 |
         std::uint32_t{bytes[at + 2]} << 8 | std::uint32_t{bytes[at + 3]};
}

std::uint32_t crc32(const unsigned char* data, std::size_t size) {
  std::uint32_t crc = 0xFFFFFFFF;
  for (std::size_t i = 0; i < size; ++i) {
    crc ^= data[i];
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
  }
  return ~crc;
}

TEST(ApplicationIcon, IsA48By48RgbPngWithIntactChunks) {
  std::ifstream file(sourceDir() / "resources" / "bidgauge.png", std::ios::binary);
  ASSERT_TRUE(file) << "resources/bidgauge.png not found";
  const Bytes png{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};

  const Bytes signature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  ASSERT_GE(png.size(), signature.size());
  ASSERT_TRUE(std::equal(signature.begin(), signature.end(), png.begin()));

  std::vector<std::string> kinds;
  for (std::size_t at = signature.size(); at + 12 <= png.size();) {
    const std::size_t length = big32(png, at);
    ASSERT_LE(at + 12 + length, png.size()) << "chunk runs past the end";
    kinds.emplace_back(png.begin() + static_cast<long>(at) + 4,
                       png.begin() + static_cast<long>(at) + 8);
    EXPECT_EQ(crc32(&png[at + 4], length + 4), big32(png, at + 8 + length)) << kinds.back();
    if (kinds.back() == "IHDR") {
      ASSERT_EQ(length, 13u);
      EXPECT_EQ(big32(png, at + 8), 48u);   // width
      EXPECT_EQ(big32(png, at + 12), 48u);  // height
      EXPECT_EQ(png[at + 16], 8);           // bits per channel
      EXPECT_EQ(png[at + 17], 2);           // colour type: RGB, no alpha
      EXPECT_EQ(png[at + 20], 0);           // not interlaced
    }
    at += 12 + length;
  }
  ASSERT_FALSE(kinds.empty());
  EXPECT_EQ(kinds.front(), "IHDR");
  EXPECT_EQ(kinds.back(), "IEND");
  EXPECT_NE(std::ranges::find(kinds, "IDAT"), kinds.end());
}

}  // namespace
}  // namespace bidgauge
