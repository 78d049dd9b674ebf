#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace quirlweg::classroom {

// Why a message from a device or the board changed nothing. The ids go to the device as they
// are; the page and the board word them.
enum class Refusal {
  TooLarge,         // over kLargestMessage bytes
  NotJson,          // no JSON text, or not UTF-8
  NotAnObject,      // JSON, but no object with a "type"
  UnknownType,      // a type no device or board sends
  BadField,         // a field missing or of the wrong kind
  OutOfRange,       // a number outside what the field allows
  WrongCode,        // the class code is not this class's
  BadName,          // a first name of more than 16 letters, or not only letters
  UnknownDevice,    // a device token this class never gave out
  NotJoined,        // journeys from a connection that has not joined
  AlreadyJoined,    // a second join on one connection
  WrongRound,       // journeys of a round that is over
  Gap,              // journeys after ones not yet reported
  Replayed,         // journeys already pooled
  Forged,           // a journey the device's seed does not walk
  Paused,           // the teacher paused the class
  TooFast,          // more messages than a device sends
  NotBoard,         // a board command from a connection without the board's token
  Removed,          // the teacher removed the device
  Ended,            // the class is over
  ClassFull,        // no more devices can join
  TooManyJourneys,  // more journeys in a round than the class keeps for one device
  AddressFull,      // more devices joined from one network address than a class has pupils
};

inline constexpr std::array<std::string_view, 23> kRefusalIds{
    "tooLarge",  "notJson",  "notAnObject",   "unknownType",     "badField",      "outOfRange",
    "wrongCode", "badName",  "unknownDevice", "notJoined",       "alreadyJoined", "wrongRound",
    "gap",       "replayed", "forged",        "paused",          "tooFast",       "notBoard",
    "removed",   "ended",    "classFull",     "tooManyJourneys", "addressFull"};
static_assert(static_cast<std::size_t>(Refusal::AddressFull) + 1 == kRefusalIds.size());

inline constexpr std::size_t kRefusalKinds = kRefusalIds.size();

inline std::string_view RefusalId(Refusal refusal) {
  return kRefusalIds[static_cast<std::size_t>(refusal)];
}

}  // namespace quirlweg::classroom
