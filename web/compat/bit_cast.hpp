// Emscripten 3.1.6 ships libc++ 14, which lacks std::bit_cast (C++20). The
// fused evaluator reads a hand's four suits as one word with it; the
// compiler's builtin does the same.
#pragma once

#include <bit>
#include <type_traits>

#ifndef __cpp_lib_bit_cast
namespace std {
template <class To, class From>
requires(sizeof(To) == sizeof(From) && is_trivially_copyable_v<To> &&
         is_trivially_copyable_v<From>) constexpr To bit_cast(const From& from) noexcept {
  return __builtin_bit_cast(To, from);
}
}  // namespace std
#endif
