#pragma once

#include <emscripten/val.h>

#include <vector>

namespace quirlweg::web {

// A copy the page keeps, as a typed array of T: a view into WebAssembly memory would go stale
// when memory grows.
template <class T>
emscripten::val TypedArrayOf(const std::vector<T>& values) {
  const emscripten::val view(emscripten::typed_memory_view(values.size(), values.data()));
  return view.call<emscripten::val>("slice");
}

}  // namespace quirlweg::web
