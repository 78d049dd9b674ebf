#include "series/binomial_test.h"

#include <algorithm>
#include <cmath>

namespace quirlweg {
namespace {

constexpr double kAlpha = 0.05;
// Outcomes this close in chance to the observed one count as equally likely.
constexpr double kLogTie = 1e-7;

// The binomial distribution of `n` tries with chance `p`, by the logarithm of its terms.
class Binomial {
 public:
  Binomial(int n, double p)
      : n_(n), logP_(std::log(p)), logQ_(std::log1p(-p)), logNFactorial_(std::lgamma(n + 1.0)) {
    const auto mode = static_cast<int>(std::floor((n + 1) * p));
    mode_ = mode < 0 ? 0 : (mode > n ? n : mode);
  }
  int n() const { return n_; }
  int mode() const { return mode_; }
  double Odds() const { return std::exp(logP_ - logQ_); }
  double LogTerm(int k) const {
    return logNFactorial_ - std::lgamma(k + 1.0) - std::lgamma(n_ - k + 1.0) + k * logP_ +
           (n_ - k) * logQ_;
  }

 private:
  int n_;
  double logP_;
  double logQ_;
  double logNFactorial_;
  int mode_ = 0;
};

// The first k in [from, n] with a term at most exp(limit), the terms falling there; n + 1 for
// none.
int FirstFallenTo(const Binomial& b, int from, double limit) {
  int low = from;
  int high = b.n();
  int found = b.n() + 1;
  while (low <= high) {
    const int middle = low + (high - low) / 2;
    if (b.LogTerm(middle) <= limit) {
      found = middle;
      high = middle - 1;
    } else {
      low = middle + 1;
    }
  }
  return found;
}

// The last k in [0, to] with a term at most exp(limit), the terms rising there; -1 for none.
int LastRisenTo(const Binomial& b, int to, double limit) {
  int low = 0;
  int high = to;
  int found = -1;
  while (low <= high) {
    const int middle = low + (high - low) / 2;
    if (b.LogTerm(middle) <= limit) {
      found = middle;
      low = middle + 1;
    } else {
      high = middle - 1;
    }
  }
  return found;
}

// The chance of the terms from `start` outwards by `step` until they stop counting; gives up
// once it passes `enough`. Each term follows from the one before.
double TailFrom(const Binomial& b, int start, int step, double enough) {
  double term = std::exp(b.LogTerm(start));
  double sum = 0;
  const double odds = b.Odds();  // p / (1 - p)
  for (int k = start; k >= 0 && k <= b.n();) {
    sum += term;
    if (sum > enough || term < sum * 1e-17) break;
    const double n = b.n();
    if (step > 0) {
      term *= (n - k) / (k + 1) * odds;
      ++k;
    } else {
      term *= k / (n - k + 1) / odds;
      --k;
    }
  }
  return sum;
}

}  // namespace

bool BinomialTestRefuses(int count, int total, double p, double alpha) {
  if (total <= 0 || count < 0 || count > total) return false;
  if (p <= 0) return count > 0;
  if (p >= 1) return count < total;
  const Binomial b(total, p);
  const double limit = b.LogTerm(count) + kLogTie;
  // The outcomes at most as likely as the observed one lie in two tails around the mode.
  const int m = b.mode();
  const int lastLow = count <= m ? count : LastRisenTo(b, m, limit);
  const int firstHigh = count > m ? count : FirstFallenTo(b, std::max(m, count + 1), limit);
  const double low = lastLow >= 0 ? TailFrom(b, lastLow, -1, alpha) : 0.0;
  if (low > alpha) return false;
  const double high = firstHigh <= total ? TailFrom(b, firstHigh, 1, alpha - low) : 0.0;
  return low + high <= alpha;
}

std::optional<std::pair<double, double>> ExactShareRange(int count, int total) {
  if (total <= 0 || count < 0 || count > total) return std::nullopt;
  const double measured = static_cast<double>(count) / total;
  // Each end where the test begins to refuse, found by halving.
  const auto edge = [&](double refused, double kept) {
    // 2^-30 of a share: far finer than the table shows.
    for (int i = 0; i < 30; ++i) {
      const double middle = (refused + kept) / 2;
      (BinomialTestRefuses(count, total, middle, kAlpha) ? refused : kept) = middle;
    }
    return kept;
  };
  const double low = count == 0 ? 0.0 : edge(0.0, measured);
  const double high = count == total ? 1.0 : edge(1.0, measured);
  return std::pair{low, high};
}

}  // namespace quirlweg
