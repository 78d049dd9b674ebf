#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "engine/display_roles.h"
#include "theory/journey_statistics.h"

namespace quirlweg {

// What a run of journeys without displays counted.
struct SilentRun {
  std::int64_t journeys = 0;
  std::int64_t homeEnds = 0;
  std::int64_t steps = 0;  // the lengths of all its journeys
};

// Runs `journeys` journeys of `setting` through the program's walk with displays that compile
// away, drawing from a generator seeded with `seed`. The setting's p is rounded to the whole
// per cent the scroll bar offers.
SilentRun RunSilently(const theory::Setting& setting, std::int64_t journeys, std::uint64_t seed);

// The same walk handing every journey's record to `journeyEnded`, numbered as the main
// window's protocol numbers it (anew after 1001 journeys), until `journeys` are walked or it
// returns false. The records are what the window's series holds for the same seed and setting.
void WalkSilently(const theory::Setting& setting, std::int64_t journeys, std::uint64_t seed,
                  const std::function<bool(const JourneyRecord&)>& journeyEnded);

// The same walk one journey at a time, for whoever checks a series journey by journey (the
// class server walking a pupil's journeys again): the n-th call of Next() gives the n-th
// record WalkSilently gives for the same setting and seed.
class JourneyWalker {
 public:
  JourneyWalker(const theory::Setting& setting, std::uint64_t seed);
  ~JourneyWalker();
  JourneyWalker(const JourneyWalker&) = delete;
  JourneyWalker& operator=(const JourneyWalker&) = delete;

  JourneyRecord Next();

 private:
  struct Parts;
  std::unique_ptr<Parts> parts_;
};

}  // namespace quirlweg
