#!/usr/bin/env python3
"""Writes beep2.wav, the short "ding" played when a key is refused.

A bell-like tone: 880 Hz with two softer overtones that die away faster,
a 4 ms raised-cosine attack (no click at the start) and an exponential
decay that ends in a short fade to exact silence (no click at the end).

Format: RIFF WAVE, PCM, mono, 22,050 Hz, 16-bit, exactly 8,544 samples.
The output is deterministic, so regenerating gives the same bytes.

Usage: make_beep2.py [output path]   (default: beep2.wav next to this script)
"""

import math
import os
import struct
import sys
import wave

SAMPLE_RATE = 22050
SAMPLE_COUNT = 8544
PEAK = 0.5  # of full scale: audible without being harsh

FUNDAMENTAL_HZ = 880.0
# (frequency ratio, relative amplitude, decay time constant in seconds)
PARTIALS = ((1.0, 1.0, 0.090), (2.0, 0.30, 0.045), (3.0, 0.12, 0.030))
ATTACK_S = 0.004
FADE_OUT_S = 0.020


def envelope(t, tau):
    attack = 0.5 - 0.5 * math.cos(math.pi * min(t / ATTACK_S, 1.0))
    end = SAMPLE_COUNT / SAMPLE_RATE
    fade = min((end - t) / FADE_OUT_S, 1.0)
    return attack * math.exp(-t / tau) * (0.5 - 0.5 * math.cos(math.pi * fade))


def sample(n):
    t = n / SAMPLE_RATE
    return sum(amp * envelope(t, tau) * math.sin(2.0 * math.pi * FUNDAMENTAL_HZ * ratio * t)
               for ratio, amp, tau in PARTIALS)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    path = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "beep2.wav")
    raw = [sample(n) for n in range(SAMPLE_COUNT)]
    scale = PEAK * 32767 / max(abs(x) for x in raw)
    frames = b"".join(struct.pack("<h", round(x * scale)) for x in raw)
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(SAMPLE_RATE)
        out.writeframes(frames)


if __name__ == "__main__":
    main()
