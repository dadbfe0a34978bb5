// BeepSound for builds without ALSA: there is never a sound.
#include "terminal/sound.hpp"

namespace bidgauge {

struct BeepSound::Impl {};

std::unique_ptr<BeepSound> BeepSound::open(const std::string&) {
  return nullptr;
}

BeepSound::~BeepSound() = default;

bool BeepSound::play() {
  return false;
}

}  // namespace bidgauge
