#pragma once

#include <cstddef>
#include <vector>

#include "walk_sequences.h"

namespace quirlweg::theory::detail {

// Two independent walks `a` and `b` on separate axes, of which each step moves `a` with
// probability alpha and `b` otherwise: the combined walk ends when either ends. After m steps
// `a` has taken a binomial number of them, so each sequence of the pair is a binomial mixture
// of the parts' sequences, e.g. inside(m) = sum_k B(m, k) inside_a(k) inside_b(m - k). The
// weights are summed over mean +- 10 sigma only: beyond that they add below 1e-20.
//
// Several pairs share one mixture when they share alpha, so the weights are worked out once.
// The sequences grow on request, so a caller that stops at a coverage pays for no more; `a`
// may grow along (it must be long enough for each request), `b` must be complete at the start.
class StepMixture {
 public:
  struct Pair {
    const WalkSequences* a;
    const WalkSequences* b;
  };
  // Which sequences the combined walk needs besides `exit`.
  struct Wanted {
    bool inside = true;
    bool atOrigin = false;
  };

  StepMixture(double alpha, const std::vector<Pair>& pairs, Wanted wanted);

  // The length the parts must have (as `inside` entries) before ExtendTo(length).
  static std::size_t LengthOfAFor(double alpha, std::size_t length);
  static std::size_t LengthOfBFor(double alpha, std::size_t length);

  // Mixes until the sequences have `length` entries (and `exit` one more).
  void ExtendTo(std::size_t length);

  std::size_t length() const { return length_; }
  const WalkSequences& Mixed(std::size_t pair) const { return mixed_[pair]; }

 private:
  struct Window {
    std::size_t low;
    std::size_t high;
  };
  // `b`'s sequences last first, so that the sums read both parts forwards.
  struct Reversed {
    std::vector<double> inside;
    std::vector<double> atOrigin;
    std::vector<double> exit;  // exit[n + 1] at the place of inside[n]
  };
  static Window WindowOf(double alpha, std::size_t steps);
  static Reversed ReversedOf(const WalkSequences& b, bool atOrigin);
  void NextWeights(std::size_t steps);
  template <bool kInside, bool kAtOrigin>
  void MixStep(std::size_t steps);

  double alpha_;
  Wanted wanted_;
  std::vector<const WalkSequences*> parts_;  // each pair's `a`
  std::vector<Reversed> reversed_;           // each pair's `b`
  std::vector<WalkSequences> mixed_;
  Window window_{0, 0};
  std::vector<double> weights_{1.0};  // B(m, k) for k in the window, its low end at [0]
  std::vector<double> nextWeights_;
  std::size_t length_ = 0;
};

}  // namespace quirlweg::theory::detail
