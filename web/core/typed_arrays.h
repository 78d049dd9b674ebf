#pragma once

#include <emscripten/val.h>

#include <string>
#include <vector>

namespace quirlweg::web {

// A copy the page keeps, as a typed array of T: a view into WebAssembly memory would go stale
// when memory grows.
template <class T>
emscripten::val TypedArrayOf(const std::vector<T>& values) {
  const emscripten::val view(emscripten::typed_memory_view(values.size(), values.data()));
  return view.call<emscripten::val>("slice");
}

// Bytes as a Uint8Array copy, as they are: a JavaScript string made of them would be decoded
// as UTF-8, which drops a leading byte order mark.
inline emscripten::val BytesOf(const std::string& bytes) {
  const emscripten::val view(emscripten::typed_memory_view(
      bytes.size(), reinterpret_cast<const unsigned char*>(bytes.data())));
  return view.call<emscripten::val>("slice");
}

}  // namespace quirlweg::web
