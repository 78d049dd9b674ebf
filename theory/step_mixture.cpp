#include "step_mixture.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace quirlweg::theory::detail {

namespace {

// Half the window in standard deviations.
constexpr double kSigmas = 10;

}  // namespace

StepMixture::StepMixture(double alpha, const std::vector<Pair>& pairs, Wanted wanted)
    : alpha_(alpha), wanted_(wanted), mixed_(pairs.size()) {
  for (const Pair& p : pairs) {
    parts_.push_back(p.a);
    reversed_.push_back(ReversedOf(*p.b, wanted.atOrigin));
  }
  for (WalkSequences& m : mixed_) m.exit.push_back(0);
}

StepMixture::Window StepMixture::WindowOf(double alpha, std::size_t steps) {
  const double m = static_cast<double>(steps);
  const double mean = alpha * m;
  const double spread = kSigmas * std::sqrt(alpha * (1 - alpha) * m) + 1;
  const double low = std::max(0.0, std::floor(mean - spread));
  const double high = std::min(m, std::ceil(mean + spread));
  return {static_cast<std::size_t>(low), static_cast<std::size_t>(high)};
}

std::size_t StepMixture::LengthOfAFor(double alpha, std::size_t length) {
  return length == 0 ? 0 : WindowOf(alpha, length - 1).high + 1;
}

std::size_t StepMixture::LengthOfBFor(double alpha, std::size_t length) {
  return length == 0 ? 0 : length - WindowOf(alpha, length - 1).low;
}

StepMixture::Reversed StepMixture::ReversedOf(const WalkSequences& b, bool atOrigin) {
  Reversed r;
  r.inside.assign(b.inside.rbegin(), b.inside.rend());
  if (atOrigin) r.atOrigin.assign(b.atOrigin.rbegin(), b.atOrigin.rend());
  r.exit.assign(b.exit.rbegin(), b.exit.rend() - 1);
  return r;
}

// B(m + 1, k) = alpha B(m, k - 1) + (1 - alpha) B(m, k): no factorials, no division, and
// every weight a sum of positive terms. Weights beyond the window are dropped as zero.
void StepMixture::NextWeights(std::size_t steps) {
  const Window next = WindowOf(alpha_, steps);
  const double alpha = alpha_, beta = 1 - alpha_;
  const auto old = [&](std::size_t k) {
    return k >= window_.low && k <= window_.high ? weights_[k - window_.low] : 0.0;
  };
  nextWeights_.assign(next.high - next.low + 1, 0.0);
  for (std::size_t k = next.low; k <= next.high; ++k) {
    const double fromBelow = k > 0 ? alpha * old(k - 1) : 0.0;
    nextWeights_[k - next.low] = fromBelow + beta * old(k);
  }
  weights_.swap(nextWeights_);
  window_ = next;
}

// Step m's entries of every pair, and the exit at step m + 1: that step moves `a` with
// probability alpha and ends the walk if `a` ends, or else moves `b`.
template <bool kInside, bool kAtOrigin>
void StepMixture::MixStep(std::size_t steps) {
  const std::size_t count = window_.high - window_.low + 1;
  const double* w = weights_.data();
  for (std::size_t p = 0; p < parts_.size(); ++p) {
    const WalkSequences& a = *parts_[p];
    const Reversed& b = reversed_[p];
    // Part a after k = low + i of the steps, part b after steps - k: reversed, that is
    // place r0 + i.
    const std::size_t r0 = b.inside.size() - 1 - (steps - window_.low);
    const double* aInside = a.inside.data() + window_.low;
    const double* aExit = a.exit.data() + window_.low + 1;
    const double* aOrigin = kAtOrigin ? a.atOrigin.data() + window_.low : nullptr;
    const double* bInside = b.inside.data() + r0;
    const double* bExit = b.exit.data() + r0;
    const double* bOrigin = kAtOrigin ? b.atOrigin.data() + r0 : nullptr;
    // Two partial sums each keep the additions from waiting on each other.
    std::array<double, 2> inside{}, origin{}, exitA{}, exitB{};
    for (std::size_t i = 0; i < count; ++i) {
      const std::size_t l = i & 1;
      const double stays = w[i] * aInside[i];
      exitA[l] += w[i] * aExit[i] * bInside[i];
      exitB[l] += stays * bExit[i];
      if constexpr (kInside) inside[l] += stays * bInside[i];
      if constexpr (kAtOrigin) origin[l] += w[i] * aOrigin[i] * bOrigin[i];
    }
    if constexpr (kInside) mixed_[p].inside.push_back(inside[0] + inside[1]);
    if constexpr (kAtOrigin) mixed_[p].atOrigin.push_back(origin[0] + origin[1]);
    mixed_[p].exit.push_back(alpha_ * (exitA[0] + exitA[1]) + (1 - alpha_) * (exitB[0] + exitB[1]));
  }
}

void StepMixture::ExtendTo(std::size_t length) {
  for (; length_ < length; ++length_) {
    if (length_ > 0) NextWeights(length_);
    if (wanted_.inside && wanted_.atOrigin) {
      MixStep<true, true>(length_);
    } else if (wanted_.inside) {
      MixStep<true, false>(length_);
    } else if (wanted_.atOrigin) {
      MixStep<false, true>(length_);
    } else {
      MixStep<false, false>(length_);
    }
  }
}

}  // namespace quirlweg::theory::detail
