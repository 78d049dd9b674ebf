#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <vector>

#include "engine/display_roles.h"

namespace quirlweg {

// The journeys of one series, as the evaluation follows them: from the last counter reset by
// the user or a new lattice size on, across the statistics' restart after 1001 journeys (which
// only the main window's boxes and protocol take part in). Kept compact, 16 bytes a journey,
// so that a class can let a million journeys run; the settings they ran under are kept once
// each. Readers poll `Revision()` to see whether anything changed.
class JourneySeries {
 public:
  class Iterator {
   public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = JourneyRecord;
    using difference_type = std::ptrdiff_t;
    using pointer = void;
    using reference = JourneyRecord;

    Iterator() = default;
    Iterator(const JourneySeries* series, std::size_t index) : series_(series), index_(index) {}
    JourneyRecord operator*() const { return (*series_)[index_]; }
    Iterator& operator++() {
      ++index_;
      return *this;
    }
    Iterator operator++(int) {
      Iterator before = *this;
      ++index_;
      return before;
    }
    bool operator==(const Iterator& other) const { return index_ == other.index_; }

   private:
    const JourneySeries* series_ = nullptr;
    std::size_t index_ = 0;
  };

  JourneySeries() = default;
  JourneySeries(std::initializer_list<JourneyRecord> journeys);

  void Add(const JourneyRecord& journey);
  void Clear();

  std::size_t size() const { return journeys_.size(); }
  bool empty() const { return journeys_.empty(); }
  JourneyRecord operator[](std::size_t index) const;
  // What refreshing an evaluation of a million journeys reads, without making whole records.
  JourneyEnd EndAt(std::size_t index) const {
    return static_cast<JourneyEnd>(journeys_[index].end);
  }
  std::int64_t LengthAt(std::size_t index) const { return journeys_[index].length; }
  // Where `Settings()` holds the setting the journey ran under.
  std::size_t SettingAt(std::size_t index) const { return journeys_[index].setting; }
  std::int64_t EndCount(JourneyEnd end) const { return endCounts_[static_cast<std::size_t>(end)]; }
  std::int64_t Longest() const { return longest_; }
  // [n] = how many journeys took n steps, up to the longest.
  const std::vector<std::int64_t>& LengthCounts() const { return lengthCounts_; }
  Iterator begin() const { return {this, 0}; }
  Iterator end() const { return {this, journeys_.size()}; }

  // The settings the journeys ran under, each once, in the order they first came.
  const std::vector<JourneySetting>& Settings() const { return settings_; }
  std::int64_t LengthSum() const { return lengthSum_; }
  std::uint64_t Revision() const { return revision_; }

 private:
  struct Stored {
    std::int64_t length;
    std::uint16_t number;
    std::uint16_t setting;  // index into settings_
    std::int8_t x, y, z;
    std::uint8_t end;
  };
  static_assert(sizeof(Stored) == 16);

  std::uint16_t SettingIndex(const JourneySetting& setting);

  std::vector<Stored> journeys_;
  std::vector<JourneySetting> settings_;
  std::int64_t lengthSum_ = 0;
  std::int64_t longest_ = 0;
  std::array<std::int64_t, 6> endCounts_{};  // by JourneyEnd
  std::vector<std::int64_t> lengthCounts_;
  std::uint64_t revision_ = 0;
};

}  // namespace quirlweg
