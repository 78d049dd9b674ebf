#include "sweep/sweep.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "sweep/silent_walk.h"

namespace quirlweg {

namespace {

// Journeys of one chunk: a few milliseconds at R = 50, so a cancel is noticed soon.
constexpr std::int64_t kChunk = 128;

// splitmix64's finaliser: nearby inputs give unrelated seeds. Seeds that differ by the
// generator's own increment would share half of its state.
std::uint64_t Mixed(std::uint64_t x) {
  x += 0x9E3779B97F4A7C15ULL;
  x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
  x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
  return x ^ (x >> 31);
}

std::uint64_t SeedOf(const SweepChunk& chunk, std::uint64_t seed) {
  return Mixed(Mixed(Mixed(seed) ^ chunk.point) ^ static_cast<std::uint64_t>(chunk.index));
}

// Threads that are joined however the scope is left.
class Workers {
 public:
  Workers() = default;
  Workers(const Workers&) = delete;
  Workers& operator=(const Workers&) = delete;
  ~Workers() {
    for (std::thread& t : threads_) t.join();
  }
  template <class Work>
  void Start(int count, Work work) {
    for (int i = 0; i < count; ++i) threads_.emplace_back(work);
  }

 private:
  std::vector<std::thread> threads_;
};

}  // namespace

std::vector<SweepChunk> SweepChunks(std::size_t points, std::int64_t journeysPerPoint) {
  std::vector<SweepChunk> chunks;
  for (std::size_t p = 0; p < points; ++p) {
    for (std::int64_t i = 0; i * kChunk < journeysPerPoint; ++i) {
      chunks.push_back({p, i, std::min(kChunk, journeysPerPoint - i * kChunk)});
    }
  }
  return chunks;
}

MeasuredPoint MeasureChunk(const theory::Setting& point, const SweepChunk& chunk,
                           std::uint64_t seed) {
  const SilentRun r = RunSilently(point, chunk.journeys, SeedOf(chunk, seed));
  return {r.journeys, r.homeEnds, r.steps};
}

std::vector<theory::Setting> SweepPoints(const theory::Setting& base, SweepAxis axis) {
  std::vector<theory::Setting> points;
  switch (axis) {
    case SweepAxis::kRadius:
      for (int r = kSmallestRadius; r <= kLargestRadius; ++r) {
        theory::Setting s = base;
        s.radius = r;
        s.startX = std::clamp(s.startX, 1 - r, r - 1);
        s.startY = std::clamp(s.startY, 1 - r, r - 1);
        points.push_back(s);
      }
      break;
    case SweepAxis::kProbability:
      for (int percent = 0; percent <= 100; percent += 5) {
        theory::Setting s = base;
        s.rightProbability = percent / 100.0;
        points.push_back(s);
      }
      break;
    case SweepAxis::kStart:
      for (int x = 1 - base.radius; x < base.radius; ++x) {
        theory::Setting s = base;
        s.startX = x;
        points.push_back(s);
      }
      break;
    case SweepAxis::kDimensions:
      for (int d = 1; d <= 3; ++d) {
        theory::Setting s = base;
        s.dimension = d;
        points.push_back(s);
      }
      break;
  }
  return points;
}

std::optional<std::vector<MeasuredPoint>> MeasureSweep(const std::vector<theory::Setting>& points,
                                                       const SweepRun& run,
                                                       const SweepProgress& progress,
                                                       const theory::Cancellation& cancel) {
  const std::vector<SweepChunk> chunks = SweepChunks(points.size(), run.journeysPerPoint);
  std::vector<MeasuredPoint> perChunk(chunks.size());
  std::atomic<std::size_t> next{0};
  std::atomic<std::int64_t> done{0};
  std::atomic<bool> stop{false};
  std::atomic<int> working{std::max(1, run.threads)};
  std::mutex mutex;
  std::condition_variable finished;

  const auto work = [&] {
    while (!stop) {
      const std::size_t c = next++;
      if (c >= chunks.size()) break;
      const SweepChunk& chunk = chunks[c];
      perChunk[c] = MeasureChunk(points[chunk.point], chunk, run.seed);
      done += chunk.journeys;
    }
    const std::lock_guard lock(mutex);
    if (--working == 0) finished.notify_all();
  };
  {
    Workers workers;
    workers.Start(std::max(1, run.threads), work);
    const std::int64_t total = run.journeysPerPoint * static_cast<std::int64_t>(points.size());
    for (bool over = false; !over;) {
      {
        std::unique_lock lock(mutex);
        over = finished.wait_for(lock, std::chrono::milliseconds(20), [&] { return working == 0; });
      }
      if (progress) progress(done, total);
      if (!over && cancel.Requested()) stop = true;
    }
  }
  if (stop) return std::nullopt;

  std::vector<MeasuredPoint> measured(points.size());
  for (std::size_t c = 0; c < chunks.size(); ++c) {
    MeasuredPoint& m = measured[chunks[c].point];
    m.journeys += perChunk[c].journeys;
    m.homeEnds += perChunk[c].homeEnds;
    m.steps += perChunk[c].steps;
  }
  return measured;
}

std::optional<std::vector<theory::JourneyStatistics>> ExactSweep(
    const std::vector<theory::Setting>& points, const theory::Cancellation& cancel) {
  std::vector<theory::JourneyStatistics> exact;
  for (const theory::Setting& s : points) {
    auto j = theory::ComputeEndingsAndMoments(s, cancel);
    if (!j) return std::nullopt;
    exact.push_back(*std::move(j));
  }
  return exact;
}

}  // namespace quirlweg
