#include "bench_options.h"

#include <algorithm>
#include <charconv>

#include "ui/tempo_scale.h"

namespace quirlweg::bench {

namespace {

template <class T>
bool ParseNumber(const std::string& text, T& value) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size();
}

bool InRange(std::int64_t value, std::int64_t low, std::int64_t high) {
  return value >= low && value <= high;
}

std::optional<theory::JourneyEnding> EndingNamed(const std::string& name) {
  using theory::JourneyEnding;
  if (name == "home") return JourneyEnding::kHome;
  if (name == "top") return JourneyEnding::kTop;
  if (name == "right") return JourneyEnding::kRight;
  if (name == "bottom") return JourneyEnding::kBottom;
  if (name == "left") return JourneyEnding::kLeft;
  if (name == "z") return JourneyEnding::kZFace;
  return std::nullopt;
}

std::optional<SweepAxis> SweepAxisNamed(const std::string& name) {
  if (name == "radius") return SweepAxis::kRadius;
  if (name == "probability") return SweepAxis::kProbability;
  if (name == "start") return SweepAxis::kStart;
  if (name == "dimensions") return SweepAxis::kDimensions;
  return std::nullopt;
}

}  // namespace

std::optional<BenchOptions> ParseOptions(const std::vector<std::string>& args, std::string& error) {
  BenchOptions options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& name = args[i];
    if (name == "--limits") {
      options.limits = true;
      continue;
    }
    if (name == "--show") {
      options.showWindow = true;
      continue;
    }
    if (name == "--theory") {
      options.theory = true;
      continue;
    }
    if (name == "--evaluation") {
      options.evaluation = true;
      continue;
    }
    if (i + 1 >= args.size()) {
      error = "missing value after " + name;
      return std::nullopt;
    }
    const std::string& value = args[++i];
    bool ok = true;
    if (name == "--mode") {
      if (value == "engine") {
        options.mode = Mode::Engine;
      } else if (value == "display") {
        options.mode = Mode::Display;
      } else if (value == "window") {
        options.mode = Mode::Window;
      } else {
        ok = false;
      }
    } else if (name == "--dimension") {
      ok = ParseNumber(value, options.dimension) && InRange(options.dimension, 1, 3);
    } else if (name == "--radius") {
      ok = ParseNumber(value, options.radius) && InRange(options.radius, 2, 50);
    } else if (name == "--right-probability") {
      ok =
          ParseNumber(value, options.rightProbability) && InRange(options.rightProbability, 0, 100);
    } else if (name == "--home") {
      ok = value == "on" || value == "off";
      options.home = value == "on";
    } else if (name == "--start") {
      const auto comma = value.find(',');
      ok = comma != std::string::npos && ParseNumber(value.substr(0, comma), options.startX) &&
           ParseNumber(value.substr(comma + 1), options.startY);
    } else if (name == "--journeys") {
      ok = ParseNumber(value, options.journeys) && options.journeys > 0;
    } else if (name == "--tempo") {
      ok = ParseNumber(value, options.tempo) && options.tempo != kFastestTempo &&
           std::find(kTempoSteps.begin(), kTempoSteps.end(), options.tempo) != kTempoSteps.end();
    } else if (name == "--seconds") {
      ok = ParseNumber(value, options.seconds) && options.seconds > 0 && options.seconds < 3600;
    } else if (name == "--seed") {
      ok = ParseNumber(value, options.seed);
    } else if (name == "--distribution") {
      options.distributionFile = value;
      ok = !value.empty();
    } else if (name == "--map") {
      options.mapFile = value;
      ok = !value.empty();
    } else if (name == "--map-ending") {
      options.mapEnding = EndingNamed(value);
      ok = options.mapEnding.has_value();
    } else if (name == "--sweep") {
      options.sweep = SweepAxisNamed(value);
      ok = options.sweep.has_value();
    } else if (name == "--per-point") {
      ok = ParseNumber(value, options.perPoint) && options.perPoint > 0;
    } else if (name == "--threads") {
      ok = ParseNumber(value, options.threads) && InRange(options.threads, 1, 64);
    } else if (name == "--exits") {
      options.exitsFile = value;
      ok = !value.empty();
    } else {
      error = "unknown option " + name;
      return std::nullopt;
    }
    if (!ok) {
      error = "bad value for " + name + ": " + value;
      return std::nullopt;
    }
  }
  if (options.tempo > 0 && options.mode != Mode::Window) {
    error = "--tempo paces runs of the window: use it with --mode window";
    return std::nullopt;
  }
  if (options.sweep && options.mode != Mode::Engine) {
    error = "--sweep runs the engine without displays: use it with --mode engine";
    return std::nullopt;
  }
  if (!options.exitsFile.empty() && options.mode != Mode::Engine) {
    error = "--exits counts the journeys of the engine mode: use it with --mode engine";
    return std::nullopt;
  }
  const int inside = options.radius - 1;
  if (!InRange(options.startX, -inside, inside) || !InRange(options.startY, -inside, inside)) {
    error = "the start point must lie inside the boundary";
    return std::nullopt;
  }
  return options;
}

}  // namespace quirlweg::bench
