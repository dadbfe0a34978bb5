// BeepSound through ALSA. One worker thread owns the PCM handle: ALSA handles
// must not be used from two threads at once.
#include <alsa/asoundlib.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>

#include "terminal/sound.hpp"

namespace bidgauge {

namespace {

// Small chunks keep a cut-off prompt: a blocked write returns within one chunk.
constexpr snd_pcm_uframes_t kChunkFrames = 256;
constexpr unsigned kLatencyMicroseconds = 100'000;
constexpr int kMaxWriteFailures = 4;

// Without a sound device, ALSA prints a screenful of "ALSA lib ..." lines
// over the program's screen.
void ignoreAlsaError(const char*, int, const char*, int, const char*, ...) {}

void silenceAlsa() {
  static std::once_flag once;
  std::call_once(once, [] { snd_lib_error_set_handler(&ignoreAlsaError); });
}

struct PcmCloser {
  void operator()(snd_pcm_t* pcm) const { snd_pcm_close(pcm); }
};
using Pcm = std::unique_ptr<snd_pcm_t, PcmCloser>;

Pcm openDevice(const std::string& device, unsigned channels, unsigned rate) {
  silenceAlsa();
  snd_pcm_t* raw = nullptr;
  // Non-blocking, so a busy or absent device fails at once instead of hanging.
  if (snd_pcm_open(&raw, device.c_str(), SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK) < 0) {
    return nullptr;
  }
  Pcm pcm(raw);
  if (snd_pcm_nonblock(raw, 0) < 0 ||
      snd_pcm_set_params(raw, SND_PCM_FORMAT_S16, SND_PCM_ACCESS_RW_INTERLEAVED, channels, rate, 1,
                         kLatencyMicroseconds) < 0) {
    return nullptr;
  }
  return pcm;
}

bool isPlayable(const WaveFile& wave) {
  return wave.formatTag == 1 && wave.bitsPerSample == 16 && wave.channels <= 2 &&
         wave.blockAlign == 2 * wave.channels && wave.data.size() >= wave.blockAlign;
}

}  // namespace

struct BeepSound::Impl {
  Impl(std::string device, std::vector<std::int16_t> samples, unsigned channels, unsigned rate)
      : device_(std::move(device)),
        samples_(std::move(samples)),
        channels_(channels),
        rate_(rate),
        worker_([this] { run(); }) {}

  ~Impl() {
    {
      const std::lock_guard lock(mutex_);
      stopping_ = true;
    }
    wake_.notify_one();
    worker_.join();
  }

  Impl(const Impl&) = delete;
  Impl& operator=(const Impl&) = delete;

  bool play() {
    if (deviceFailed_) return false;
    {
      const std::lock_guard lock(mutex_);
      requested_ = true;
    }
    wake_.notify_one();
    return true;
  }

 private:
  void run() {
    const Pcm pcm = openDevice(device_, channels_, rate_);
    if (!pcm) {
      deviceFailed_ = true;  // no device: the caller rings the bell instead
      return;
    }
    std::unique_lock lock(mutex_);
    while (true) {
      wake_.wait(lock, [this] { return requested_ || stopping_; });
      if (stopping_) return;
      requested_ = false;
      lock.unlock();
      playOnce(pcm.get());
      lock.lock();
    }
  }

  // A new request or the destructor interrupts the sound.
  bool cutOff() {
    const std::lock_guard lock(mutex_);
    return requested_ || stopping_;
  }

  void playOnce(snd_pcm_t* pcm) {
    if (writeSamples(pcm) && waitUntilPlayed(pcm)) {
      snd_pcm_drain(pcm);
    } else {
      snd_pcm_drop(pcm);
    }
    snd_pcm_prepare(pcm);
  }

  // False when cut off or when the device keeps failing.
  bool writeSamples(snd_pcm_t* pcm) {
    const std::size_t frames = samples_.size() / channels_;
    std::size_t done = 0;
    int failures = 0;
    while (done < frames) {
      if (cutOff()) return false;
      const auto count = std::min<std::size_t>(kChunkFrames, frames - done);
      const snd_pcm_sframes_t written =
          snd_pcm_writei(pcm, samples_.data() + done * channels_, count);
      if (written > 0) {
        done += static_cast<std::size_t>(written);
        failures = 0;
        continue;
      }
      if (++failures > kMaxWriteFailures) return false;
      if (written < 0 && snd_pcm_recover(pcm, static_cast<int>(written), 1) < 0) return false;
    }
    return true;
  }

  // Sleeps while the buffered tail plays, so a new request can still cut it
  // off; snd_pcm_drain would block for up to the whole buffer. False when cut off.
  bool waitUntilPlayed(snd_pcm_t* pcm) {
    // A sound shorter than the start threshold has not started yet.
    if (snd_pcm_state(pcm) == SND_PCM_STATE_PREPARED) snd_pcm_start(pcm);
    snd_pcm_sframes_t delay = 0;
    while (snd_pcm_state(pcm) == SND_PCM_STATE_RUNNING && snd_pcm_delay(pcm, &delay) == 0 &&
           delay > 0) {
      const std::chrono::microseconds remaining{delay * 1'000'000 / static_cast<long>(rate_)};
      std::unique_lock lock(mutex_);
      if (wake_.wait_for(lock, remaining, [this] { return requested_ || stopping_; })) {
        return false;
      }
    }
    return true;
  }

  const std::string device_;
  const std::vector<std::int16_t> samples_;
  const unsigned channels_;
  const unsigned rate_;

  std::mutex mutex_;
  std::condition_variable wake_;
  bool requested_ = false;  // guarded by mutex_
  bool stopping_ = false;   // guarded by mutex_
  std::atomic<bool> deviceFailed_ = false;

  std::thread worker_;  // last: starts once everything above is ready
};

std::unique_ptr<BeepSound> BeepSound::open(const std::string& device) {
  const auto wave = parseWave(beep2Wav());
  if (!wave || !isPlayable(*wave)) return nullptr;
  try {
    auto impl =
        std::make_unique<Impl>(device, pcm16Samples(wave->data), wave->channels, wave->sampleRate);
    return std::unique_ptr<BeepSound>(new BeepSound(std::move(impl)));
  } catch (const std::system_error&) {
    return nullptr;  // no thread: play silently
  }
}

BeepSound::BeepSound(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}

BeepSound::~BeepSound() = default;

bool BeepSound::play() {
  return impl_->play();
}

}  // namespace bidgauge
