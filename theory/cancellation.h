#pragma once

#include <functional>
#include <utility>

namespace quirlweg::theory {

// Asked now and then during a long computation; when it answers yes, the computation gives up
// early. A plain callable rather than std::stop_token, which not every standard library has
// (the browser edition's does not).
class Cancellation {
 public:
  Cancellation() = default;
  explicit Cancellation(std::function<bool()> asked) : asked_(std::move(asked)) {}

  bool Requested() const { return asked_ && asked_(); }

 private:
  std::function<bool()> asked_;
};

}  // namespace quirlweg::theory
