#pragma once

#include <utility>
#include <vector>

#include "engine/uniform_source.h"

namespace quirlweg {

// Plays its script, then keeps returning 0. In two dimensions u = 0 steps right (+x), 1/6
// left, 2/6 up, 3/6 down.
class ScriptedSource final : public UniformSource {
 public:
  float Next() override { return next_ < script_.size() ? script_[next_++] : 0.0F; }
  void Play(std::vector<float> script) {
    script_ = std::move(script);
    next_ = 0;
  }

 private:
  std::vector<float> script_;
  std::size_t next_ = 0;
};

inline constexpr float kRight = 0.0F;
inline constexpr float kLeft = 1.5F / 6;
inline constexpr float kUp = 2.5F / 6;

}  // namespace quirlweg
