#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "classroom/class_refusal.h"
#include "engine/settings.h"
#include "lesson/experiment.h"

namespace quirlweg::classroom {

// No message of a device or the board is longer; a longer one is refused unread.
inline constexpr std::size_t kLargestMessage = 4096;
// Journeys one message reports at most ("20 Reisen" reports twenty).
inline constexpr std::size_t kMostJourneysPerMessage = 100;
// Journeys one device pools in a round at most: what an experiment file keeps of a series.
inline constexpr std::int64_t kMostJourneysPerDevice =
    static_cast<std::int64_t>(kMostSavedJourneys);

// A device asks to join with the class code and, where the class takes names, a first name.
struct JoinMessage {
  std::string code;
  std::string name;  // as typed; empty for none
};
// A device that joined before comes back with the token it was given.
struct RejoinMessage {
  std::string code;
  std::string token;
};
// Journeys `from`, `from` + 1, ... of the device's series in the round, as the page's series
// saves them (length, x, y upward, z).
struct JourneysMessage {
  int round = 0;
  std::int64_t from = 0;
  std::vector<SavedJourney> journeys;
};
// The teacher's board says who it is; only then are its commands taken.
struct BoardHello {
  std::string token;
};
// Board commands.
struct NewRoundCommand {
  std::optional<JourneySetting> setting;  // none: the round's setting again
};
struct PauseCommand {
  bool paused = true;
};
struct NamesCommand {
  bool allowed = true;  // whether joining devices may give a first name
};
struct RemoveCommand {
  int device = 0;
};
struct EndCommand {};
struct StatusRequest {};

using Message =
    std::variant<JoinMessage, RejoinMessage, JourneysMessage, BoardHello, NewRoundCommand,
                 PauseCommand, NamesCommand, RemoveCommand, EndCommand, StatusRequest>;

// Only the board may send these.
bool IsBoardCommand(const Message& message);

struct ParsedMessage {
  std::optional<Message> message;
  Refusal refusal = Refusal::NotJson;  // why there is none
};

// Reads one message; every field is checked for its kind and range.
ParsedMessage ParseMessage(std::string_view text);

// A setting a whole class can walk: p in whole per cent, the start inside the boundary.
bool IsClassSetting(const JourneySetting& setting);

}  // namespace quirlweg::classroom
