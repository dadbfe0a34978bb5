#pragma once

#include <cstdint>

#include "study/solved_deal.hpp"

namespace bidgauge {

// Random deals fixed by a seed on every platform, compiler and number of
// workers: deal `index` of `seed` depends on those two numbers alone, so a
// worker can make any deal without the ones before it. Every deal of the 52
// cards is equally likely. The whole definition, for another program to
// reproduce the deals (all arithmetic on unsigned 64-bit numbers, modulo 2^64):
//
//   mix(z):      z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9
//                z = (z ^ (z >> 27)) * 0x94D049BB133111EB
//                return z ^ (z >> 31)
//   The deal's stream: state = mix(seed + (index + 1) * 0x9E3779B97F4A7C15);
//     each draw: state += 0x9E3779B97F4A7C15, the number is mix(state)
//     (SplitMix64 seeded with that first state).
//   below(n):    t = (2^64 - n) mod n; draw x until x >= t; return x mod n.
//   The pack:    card c = 0..51 is suit c / 13 (spades, hearts, diamonds,
//                clubs) and rank c mod 13 (ace, king, ..., two).
//   The shuffle: for k = 51 down to 1: j = below(k + 1); swap pack[k], pack[j].
//   The deal:    pack[0..12] to North, [13..25] East, [26..38] South,
//                [39..51] West.
WholeDeal randomDeal(std::uint64_t seed, std::uint64_t index);

// A seed for a run not given one, different on each call: from the system's
// random source and the clock, since some systems' random source repeats.
std::uint64_t freshSeed();

}  // namespace bidgauge
