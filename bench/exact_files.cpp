#include "exact_files.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>

#include "bench_settings.h"
#include "files/safe_file.h"
#include "theory/exit_places.h"
#include "theory/start_map.h"
#include "timed_run.h"

namespace quirlweg::bench {

namespace {

// One line of a file in the making, formatted as printf would.
template <class... Values>
void AppendLine(std::string& text, const char* format, Values... values) {
  char line[160];
  const int length = std::snprintf(line, sizeof line, format, values...);
  text.append(line, static_cast<std::size_t>(std::min<int>(length, sizeof line - 1)));
}

const char* ProblemName(const FileFailure& failure) {
  switch (failure.problem) {
    case FileProblem::Missing:
      return "no such folder";
    case FileProblem::Folder:
      return "a folder is there";
    case FileProblem::Pipe:
      return "a pipe is there, not a regular file";
    case FileProblem::Device:
      return "a device is there, not a regular file";
    case FileProblem::Socket:
    case FileProblem::OtherKind:
      return "no regular file is there";
    case FileProblem::NotAllowed:
      return "permission denied";
    case FileProblem::ReadOnlyDisk:
      return "read-only file system";
    case FileProblem::DiskFull:
      return "no space left";
    case FileProblem::TooBigForDisk:
    case FileProblem::TooLarge:
      return "file too large";
    case FileProblem::DeviceError:
      return "input/output error";
    case FileProblem::Other:
      break;
  }
  return std::strerror(failure.error);
}

// Written whole or not at all: a full disk leaves the old file as it was, and a pipe or device
// named as the file is not replaced.
bool WriteWhole(const std::string& path, const std::string& text) {
  if (const auto failure = WriteFileAtomically(path, text)) {
    std::fprintf(stderr, "walkbench: writing %s failed: %s\n", path.c_str(), ProblemName(*failure));
    return false;
  }
  return true;
}

theory::JourneyEnding MapEndingOf(const BenchOptions& options) {
  if (options.mapEnding) return *options.mapEnding;
  return options.home ? theory::JourneyEnding::kHome : theory::JourneyEnding::kRight;
}

}  // namespace

theory::Setting TheorySettingOf(const BenchOptions& options) {
  return SettingOf(options);
}

bool WriteDistributionFile(const BenchOptions& options) {
  std::optional<theory::JourneyStatistics> exact;
  const double seconds =
      SecondsOf([&] { exact = theory::ComputeJourneyStatistics(TheorySettingOf(options)); });
  if (!exact) return false;
  const auto& p = exact->lengthDistribution;
  std::string text;
  for (std::size_t n = 1; n < p.size(); ++n) AppendLine(text, "%zu %.17g\n", n, p[n]);
  if (!WriteWhole(options.distributionFile, text)) return false;
  std::printf("distribution_file=%s distribution_steps=%zu distribution_seconds=%.4f\n",
              options.distributionFile.c_str(), p.size() - 1, seconds);
  return true;
}

bool WriteMapFile(const BenchOptions& options) {
  std::optional<theory::StartMap> map;
  const double seconds = SecondsOf(
      [&] { map = theory::ComputeStartMap(TheorySettingOf(options), MapEndingOf(options)); });
  if (!map) return false;
  std::string text;
  const int inner = options.radius - 1;
  const int rows = options.dimension == 1 ? 0 : inner;
  for (int y = -rows; y <= rows; ++y) {
    for (int x = -inner; x <= inner; ++x) {
      const std::size_t i = map->IndexOf(x, y);
      AppendLine(text, "%d %d %.17g %.17g\n", x, y, map->chance[i], map->meanLength[i]);
    }
  }
  if (!WriteWhole(options.mapFile, text)) return false;
  std::printf("map_file=%s map_points=%zu map_seconds=%.4f\n", options.mapFile.c_str(),
              map->chance.size(), seconds);
  return true;
}

bool WriteExitsFile(const BenchOptions& options, const ExitTally& measured) {
  std::optional<theory::ExitPlaces> exact;
  const double seconds =
      SecondsOf([&] { exact = theory::ComputeExitPlaces(TheorySettingOf(options)); });
  if (!exact) return false;
  std::string text;
  const double journeys = static_cast<double>(measured.journeys());
  const auto share = [&](std::int64_t count) { return journeys > 0 ? count / journeys : 0.0; };
  static constexpr const char* kSides[] = {"top", "right", "bottom", "left"};
  const int inner = options.radius - 1;
  for (int side = 0; side < 4; ++side) {
    for (int c = -inner; c <= inner; ++c) {
      AppendLine(text, "%s %d %.17g %.17g\n", kSides[side], c, share(measured.OnSide(side, c)),
                 exact->sides[static_cast<std::size_t>(side)][static_cast<std::size_t>(c + inner)]);
    }
  }
  AppendLine(text, "z 0 %.17g %.17g\n", share(measured.zFaces()), exact->zFaces);
  AppendLine(text, "home 0 %.17g %.17g\n", share(measured.home()), exact->home);
  if (!WriteWhole(options.exitsFile, text)) return false;
  std::printf("exits_file=%s exits_journeys=%lld exits_seconds=%.4f\n", options.exitsFile.c_str(),
              static_cast<long long>(measured.journeys()), seconds);
  return true;
}

}  // namespace quirlweg::bench
