#include "exact_files.h"

#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#include "bench_settings.h"
#include "theory/exit_places.h"
#include "theory/start_map.h"
#include "theory/walk_setting.h"
#include "timed_run.h"

namespace quirlweg::bench {

namespace {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

File OpenForWriting(const std::string& path) {
  File file(std::fopen(path.c_str(), "w"));
  if (!file) std::fprintf(stderr, "walkbench: cannot write %s\n", path.c_str());
  return file;
}

// Closing flushes: only then is a full disk noticed.
bool Close(File file, const std::string& path) {
  const bool written = std::ferror(file.get()) == 0 && std::fclose(file.release()) == 0;
  if (!written) std::fprintf(stderr, "walkbench: writing %s failed\n", path.c_str());
  return written;
}

theory::JourneyEnding MapEndingOf(const BenchOptions& options) {
  if (options.mapEnding) return *options.mapEnding;
  return options.home ? theory::JourneyEnding::kHome : theory::JourneyEnding::kRight;
}

}  // namespace

theory::Setting TheorySettingOf(const BenchOptions& options) {
  return theory::SettingOf(
      JourneySettingOf(SettingsFor(options), options.radius, options.startX, options.startY));
}

bool WriteDistributionFile(const BenchOptions& options) {
  std::optional<theory::JourneyStatistics> exact;
  const double seconds =
      SecondsOf([&] { exact = theory::ComputeJourneyStatistics(TheorySettingOf(options)); });
  File file = OpenForWriting(options.distributionFile);
  if (!file || !exact) return false;
  const auto& p = exact->lengthDistribution;
  for (std::size_t n = 1; n < p.size(); ++n) std::fprintf(file.get(), "%zu %.17g\n", n, p[n]);
  if (!Close(std::move(file), options.distributionFile)) return false;
  std::printf("distribution_file=%s distribution_steps=%zu distribution_seconds=%.4f\n",
              options.distributionFile.c_str(), p.size() - 1, seconds);
  return true;
}

bool WriteMapFile(const BenchOptions& options) {
  std::optional<theory::StartMap> map;
  const double seconds = SecondsOf(
      [&] { map = theory::ComputeStartMap(TheorySettingOf(options), MapEndingOf(options)); });
  File file = OpenForWriting(options.mapFile);
  if (!file || !map) return false;
  const int inner = options.radius - 1;
  const int rows = options.dimension == 1 ? 0 : inner;
  for (int y = -rows; y <= rows; ++y) {
    for (int x = -inner; x <= inner; ++x) {
      const std::size_t i = map->IndexOf(x, y);
      std::fprintf(file.get(), "%d %d %.17g %.17g\n", x, y, map->chance[i], map->meanLength[i]);
    }
  }
  if (!Close(std::move(file), options.mapFile)) return false;
  std::printf("map_file=%s map_points=%zu map_seconds=%.4f\n", options.mapFile.c_str(),
              map->chance.size(), seconds);
  return true;
}

bool WriteExitsFile(const BenchOptions& options, const ExitTally& measured) {
  std::optional<theory::ExitPlaces> exact;
  const double seconds =
      SecondsOf([&] { exact = theory::ComputeExitPlaces(TheorySettingOf(options)); });
  File file = OpenForWriting(options.exitsFile);
  if (!file || !exact) return false;
  const double journeys = static_cast<double>(measured.journeys());
  const auto share = [&](std::int64_t count) { return journeys > 0 ? count / journeys : 0.0; };
  static constexpr const char* kSides[] = {"top", "right", "bottom", "left"};
  const int inner = options.radius - 1;
  for (int side = 0; side < 4; ++side) {
    for (int c = -inner; c <= inner; ++c) {
      std::fprintf(
          file.get(), "%s %d %.17g %.17g\n", kSides[side], c, share(measured.OnSide(side, c)),
          exact->sides[static_cast<std::size_t>(side)][static_cast<std::size_t>(c + inner)]);
    }
  }
  std::fprintf(file.get(), "z 0 %.17g %.17g\n", share(measured.zFaces()), exact->zFaces);
  std::fprintf(file.get(), "home 0 %.17g %.17g\n", share(measured.home()), exact->home);
  if (!Close(std::move(file), options.exitsFile)) return false;
  std::printf("exits_file=%s exits_journeys=%lld exits_seconds=%.4f\n", options.exitsFile.c_str(),
              static_cast<long long>(measured.journeys()), seconds);
  return true;
}

}  // namespace quirlweg::bench
