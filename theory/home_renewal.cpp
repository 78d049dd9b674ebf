#include "home_renewal.h"

#include <array>

namespace quirlweg::theory::detail {

namespace {

// sum a[i] b[i]; four partial sums keep the additions from waiting on each other.
double Dot(const double* a, const double* b, std::size_t count) {
  std::array<double, 4> sum{};
  std::size_t i = 0;
  for (; i + 4 <= count; i += 4) {
    for (std::size_t l = 0; l < 4; ++l) sum[l] += a[i + l] * b[i + l];
  }
  for (; i < count; ++i) sum[0] += a[i] * b[i];
  return (sum[0] + sum[1]) + (sum[2] + sum[3]);
}

}  // namespace

HomeRenewal::HomeRenewal(bool startOnOrigin, int startParity, std::size_t capacity)
    : startOnOrigin_(startOnOrigin),
      startParity_(static_cast<std::size_t>(startParity & 1)),
      neverBack_(capacity / 2 + 1),
      firstVisits_(capacity / 2 + 1) {
  returns_.push_back(1);
  if (startParity_ == 0) startVisits_.push_back(0);  // the start itself is no visit
  neverBack_.half[0].Push(0);
  firstVisits_.half[0].Push(0);
}

double HomeRenewal::Next(double u, double v, double exitFromOrigin, double exitFromStart) {
  const std::size_t n = ++n_;
  const std::size_t parity = n % 2, half = n / 2;
  if (parity == 0) returns_.push_back(u);
  if (parity == startParity_) startVisits_.push_back(v);

  // hO(n) = eO(n) - sum_{j >= 1} u(2j) hO(n - 2j); its half holds n - 2, n - 4, ... newest first.
  NewestFirst& back = neverBack_.half[parity];
  const double neverBack = exitFromOrigin - Dot(returns_.data() + 1, back.Newest(), half);
  back.Push(neverBack);

  NewestFirst& first = firstVisits_.half[parity];
  double arrival = 0;
  if (parity == startParity_) arrival = v - Dot(returns_.data() + 1, first.Newest(), half);
  first.Push(arrival);

  if (startOnOrigin_) return arrival + neverBack;
  // sum_{k >= 1, k of the start's parity} v(k) hO(n - k), with k = 2j + parity of the start.
  const std::size_t top = (n - startParity_) / 2;
  const NewestFirst& after = neverBack_.half[(n - startParity_) % 2];
  const double cameBy = startParity_ == 0 ? Dot(startVisits_.data() + 1, after.Newest() + 1, top)
                                          : Dot(startVisits_.data(), after.Newest(), top + 1);
  return arrival + exitFromStart - cameBy;
}

}  // namespace quirlweg::theory::detail
