#pragma once

#include <algorithm>
#include <cstdint>

namespace quirlweg::classroom {

// A bucket of messages a connection may send: it holds `burst` and fills at `perSecond`. A
// device reporting as it walks stays far below; a flood empties it at once and is refused
// before its messages are read. Times in milliseconds from any fixed start.
class RateLimit {
 public:
  RateLimit(double perSecond, double burst) : perSecond_(perSecond), burst_(burst), left_(burst) {}

  // Takes one message from the bucket; false when it is empty.
  bool Take(std::int64_t nowMs) {
    if (lastMs_ >= 0 && nowMs > lastMs_) {
      left_ = std::min(burst_, left_ + static_cast<double>(nowMs - lastMs_) * perSecond_ / 1000);
    }
    lastMs_ = std::max(lastMs_, nowMs);
    if (left_ < 1) return false;
    left_ -= 1;
    return true;
  }

 private:
  double perSecond_;
  double burst_;
  double left_;
  std::int64_t lastMs_ = -1;
};

}  // namespace quirlweg::classroom
