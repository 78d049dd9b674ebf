#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "engine/settings.h"
#include "lesson/experiment.h"

namespace quirlweg::classroom {

// Where devices and the board open the class's WebSocket.
inline constexpr char kClassSocketPath[] = "/class";

// What a device sends, as the server reads it.
std::string JoinText(const std::string& code, const std::string& name);
std::string RejoinText(const std::string& code, const std::string& token);
// Journeys `from`, `from` + 1, ... of `series` (all the device's journeys of the round), as
// many as one message carries; empty when the series has none from there.
std::string JourneysText(int round, std::int64_t from, std::span<const SavedJourney> series);

// What the teacher's board sends: who it is, then its commands.
std::string BoardText(const std::string& token);
std::string StatusText();
std::string PauseText(bool paused);
std::string NewRoundText(const JourneySetting& setting);
std::string RemoveText(int device);
std::string EndText();

}  // namespace quirlweg::classroom
