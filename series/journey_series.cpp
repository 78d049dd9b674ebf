#include "series/journey_series.h"

#include <algorithm>
#include <limits>

namespace quirlweg {

JourneySeries::JourneySeries(std::initializer_list<JourneyRecord> journeys) {
  for (const JourneyRecord& journey : journeys) Add(journey);
}

void JourneySeries::Add(const JourneyRecord& journey) {
  journeys_.push_back({journey.length, static_cast<std::uint16_t>(journey.number),
                       SettingIndex(journey.setting), static_cast<std::int8_t>(journey.x),
                       static_cast<std::int8_t>(journey.y), static_cast<std::int8_t>(journey.z),
                       static_cast<std::uint8_t>(journey.end)});
  lengthSum_ += journey.length;
  longest_ = std::max(longest_, journey.length);
  ++endCounts_[static_cast<std::size_t>(journey.end)];
  const auto length = static_cast<std::size_t>(std::max<std::int64_t>(0, journey.length));
  if (length >= lengthCounts_.size()) lengthCounts_.resize(length + 1, 0);
  ++lengthCounts_[length];
  ++revision_;
}

void JourneySeries::Clear() {
  journeys_.clear();
  settings_.clear();
  lengthSum_ = 0;
  longest_ = 0;
  endCounts_ = {};
  lengthCounts_.clear();
  ++revision_;
}

JourneyRecord JourneySeries::operator[](std::size_t index) const {
  const Stored& s = journeys_[index];
  return {s.number, s.length, s.x, s.y, s.z, static_cast<JourneyEnd>(s.end), settings_[s.setting]};
}

// A series seldom changes its setting: the last one is looked at first.
std::uint16_t JourneySeries::SettingIndex(const JourneySetting& setting) {
  if (!settings_.empty() && settings_.back() == setting) {
    return static_cast<std::uint16_t>(settings_.size() - 1);
  }
  const auto known = std::find(settings_.begin(), settings_.end(), setting);
  if (known != settings_.end()) return static_cast<std::uint16_t>(known - settings_.begin());
  // More settings than an index holds: the journeys after that count as of the last one.
  if (settings_.size() > std::numeric_limits<std::uint16_t>::max()) {
    return static_cast<std::uint16_t>(settings_.size() - 1);
  }
  settings_.push_back(setting);
  return static_cast<std::uint16_t>(settings_.size() - 1);
}

}  // namespace quirlweg
