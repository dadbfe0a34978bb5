// Emscripten 3.1.6 ships libc++ 14, which lacks std::make_unique_for_overwrite
// (C++20). The batch reader's buffers use it; this stands in until the
// library has it.
#pragma once

#include <memory>

#ifndef __cpp_lib_smart_ptr_for_overwrite
namespace std {
template <class T>
requires is_unbounded_array_v<T> unique_ptr<T> make_unique_for_overwrite(size_t size) {
  return unique_ptr<T>(new remove_extent_t<T>[size]);
}
}  // namespace std
#endif
