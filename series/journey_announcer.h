#pragma once

#include <chrono>
#include <cstdint>
#include <optional>

#include "series/journey_series.h"

namespace quirlweg {

// What a screen reader is to say of the journeys that ended since it last spoke: one journey
// on its own, or a summary of several that ended faster than a listener can follow.
struct Announcement {
  std::size_t first = 0;  // numbers in the series, from 1
  std::size_t last = 0;
  JourneyRecord journey;  // the last one: where and after how many steps it ended
  std::int64_t home = 0;  // of first..last, those that ended at home
  std::int64_t boundary = 0;
  bool Summary() const { return last > first; }
};

// Speaks at most once in `kAnnouncementGap`, so that one sentence is over before the next
// begins: journeys walked at a pupil's tempo are told one by one, at full speed together.
inline constexpr std::chrono::milliseconds kAnnouncementGap{2000};

class JourneyAnnouncer {
 public:
  // Asked often, e.g. four times a second: what to say now of the journeys not yet told, if
  // anything. A cleared series starts over without a word.
  std::optional<Announcement> Next(const JourneySeries& series, std::chrono::milliseconds now);

 private:
  std::size_t told_ = 0;
  std::optional<std::chrono::milliseconds> spoke_;
};

}  // namespace quirlweg
