#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "engine/display_roles.h"

namespace quirlweg {

// Journey ends counted by boundary cell, as theory::ExitPlaces lays them out: per side (top,
// right, bottom, left) by the other in-plane coordinate, the z faces and home as one count each.
class ExitTally {
 public:
  explicit ExitTally(int radius) : radius_(radius) {
    for (auto& side : sides_) side.assign(static_cast<std::size_t>(2 * radius - 1), 0);
  }

  void Count(const JourneyRecord& j) {
    ++journeys_;
    switch (j.end) {
      case JourneyEnd::Home:
        ++home_;
        break;
      case JourneyEnd::Top:
        ++sides_[0][Cell(j.x)];
        break;
      case JourneyEnd::Right:
        ++sides_[1][Cell(j.y)];
        break;
      case JourneyEnd::Bottom:
        ++sides_[2][Cell(j.x)];
        break;
      case JourneyEnd::Left:
        ++sides_[3][Cell(j.y)];
        break;
      case JourneyEnd::ZFace:
        ++zFaces_;
        break;
    }
  }

  std::int64_t journeys() const { return journeys_; }
  std::int64_t OnSide(int side, int cell) const {
    return sides_[static_cast<std::size_t>(side)][Cell(cell)];
  }
  std::int64_t zFaces() const { return zFaces_; }
  std::int64_t home() const { return home_; }

 private:
  std::size_t Cell(int c) const { return static_cast<std::size_t>(c + radius_ - 1); }

  int radius_;
  std::array<std::vector<std::int64_t>, 4> sides_;
  std::int64_t zFaces_ = 0;
  std::int64_t home_ = 0;
  std::int64_t journeys_ = 0;
};

}  // namespace quirlweg
