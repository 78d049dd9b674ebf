#pragma once

#include <cstddef>
#include <vector>

namespace quirlweg::theory::detail {

// Turns the box walk without home into the walk whose origin ends a journey, one step count
// at a time. From the walk without home it takes, for step n:
//   u(n)  P(origin -> origin in n steps, inside all along), u(0) = 1,
//   v(n)  the same from the start (equal to u for a start on the origin),
//   eO(n) P(the first step onto the boundary is step n) from the origin, eS(n) from the start.
// A journey that reaches the boundary at step n either never met the origin before, or met
// it last at step k: eO = u * hO, so hO(n) = eO(n) - sum_k u(k) hO(n - k) are the exits that
// never return to the origin. In the same way v = f * u gives f, the first arrivals at the
// origin, and the home walk's exits from the start are eS - v * hO. Each sum is a product of
// two growing series; u vanishes on odd n and v off the start's parity, so each series is kept
// in two halves by parity and every sum runs over contiguous memory.
class HomeRenewal {
 public:
  // `capacity`: the most step counts that will be fed.
  HomeRenewal(bool startOnOrigin, int startParity, std::size_t capacity);

  // Feeds step n = 1, 2, ... in turn; returns P(L = n) of the home walk: first arrivals at
  // the origin plus exits that came there first.
  double Next(double u, double v, double exitFromOrigin, double exitFromStart);

 private:
  // One half of a series by parity, newest first, so that a sum against a series stored
  // oldest first reads both forwards.
  class NewestFirst {
   public:
    explicit NewestFirst(std::size_t capacity) : values_(capacity + 1, 0.0) {}
    void Push(double v) { values_[values_.size() - 1 - count_++] = v; }
    std::size_t count() const { return count_; }
    const double* Newest() const { return values_.data() + values_.size() - count_; }

   private:
    std::vector<double> values_;
    std::size_t count_ = 0;
  };
  struct ByParity {
    explicit ByParity(std::size_t capacity) : half{NewestFirst(capacity), NewestFirst(capacity)} {}
    NewestFirst half[2];
  };

  bool startOnOrigin_;
  std::size_t startParity_;
  std::size_t n_ = 0;
  std::vector<double> returns_;      // u(2j)
  std::vector<double> startVisits_;  // v(2j + parity of the start)
  ByParity neverBack_;               // hO
  ByParity firstVisits_;             // f
};

}  // namespace quirlweg::theory::detail
