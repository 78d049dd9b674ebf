#pragma once

#include <cstdint>
#include <vector>

#include "engine/display_roles.h"

namespace quirlweg {

// The journeys counted since the counters were last reset, one record each, as the main
// window's boxes count them. Readers poll `Revision()` to see whether anything changed.
class JourneySeries {
 public:
  void Add(const JourneyRecord& journey) {
    journeys_.push_back(journey);
    ++revision_;
  }
  void Clear() {
    journeys_.clear();
    ++revision_;
  }

  const std::vector<JourneyRecord>& Journeys() const { return journeys_; }
  std::uint64_t Revision() const { return revision_; }

 private:
  std::vector<JourneyRecord> journeys_;
  std::uint64_t revision_ = 0;
};

}  // namespace quirlweg
