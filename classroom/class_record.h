#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "classroom/classroom.h"

namespace quirlweg::classroom {

// The class's record: one JSON line for each change, appended as it happens and before the
// device is told, so that a server started again on it resumes the lesson where it stood.
// Each line is complete in itself; a line cut short by the end of the process is left out.
namespace record {

std::string Opening(const Classroom& classroom);
std::string Joined(const Device& device);
std::string Reported(int device, int round, std::int64_t from,
                     std::span<const SavedJourney> journeys);
std::string NewRound(const Classroom& classroom);  // after the round has begun
std::string Paused(bool paused);
std::string NamesAllowed(bool allowed);
std::string Removed(int device);

}  // namespace record

struct RestoredClass {
  std::optional<Classroom> classroom;  // none when even the first line is unreadable
  int lines = 0;                       // lines taken
  int skipped = 0;                     // lines unreadable or refused
  // Reports of the record whose journeys walking them again did not give: an edited record.
  int refusedReports = 0;
};

// The class as its record left it. Every reported journey is walked again from its device's
// seed, as when it was first reported, so that an edited record cannot put any into the pool.
RestoredClass Restore(std::string_view text);

}  // namespace quirlweg::classroom
