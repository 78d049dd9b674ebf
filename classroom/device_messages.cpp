#include "classroom/device_messages.h"

#include <algorithm>
#include <nlohmann/json.hpp>

#include "classroom/json_reading.h"

namespace quirlweg::classroom {

using nlohmann::json;

std::string JoinText(const std::string& code, const std::string& name) {
  json message = {{"type", "join"}, {"code", code}};
  if (!name.empty()) message["name"] = name;
  return message.dump();
}

std::string RejoinText(const std::string& code, const std::string& token) {
  return json{{"type", "rejoin"}, {"code", code}, {"token", token}}.dump();
}

std::string JourneysText(int round, std::int64_t from, std::span<const SavedJourney> series) {
  if (from < 1 || from > static_cast<std::int64_t>(series.size())) return {};
  const auto first = static_cast<std::size_t>(from - 1);
  const std::size_t count = std::min(kMostJourneysPerMessage, series.size() - first);
  return json{{"type", "journeys"},
              {"round", round},
              {"from", from},
              {"journeys", reading::JourneysJson(series.subspan(first, count))}}
      .dump();
}

std::string BoardText(const std::string& token) {
  return json{{"type", "board"}, {"token", token}}.dump();
}

std::string StatusText() {
  return json{{"type", "status"}}.dump();
}

std::string PauseText(bool paused) {
  return json{{"type", "pause"}, {"paused", paused}}.dump();
}

std::string NewRoundText(const JourneySetting& setting) {
  return json{{"type", "newRound"}, {"setting", reading::SettingJson(setting)}}.dump();
}

std::string RemoveText(int device) {
  return json{{"type", "remove"}, {"device", device}}.dump();
}

std::string EndText() {
  return json{{"type", "end"}}.dump();
}

}  // namespace quirlweg::classroom
