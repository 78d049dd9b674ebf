#include "classroom/class_message.h"

#include <cmath>
#include <cstdlib>
#include <nlohmann/json.hpp>

#include "classroom/json_reading.h"

namespace quirlweg::classroom {
namespace {

using nlohmann::json;
using namespace reading;

Message MessageOf(const json& object, const std::string& type) {
  if (type == "join") {
    JoinMessage m{Text(object, "code", 16), {}};
    if (object.contains("name")) m.name = Text(object, "name", 64);
    return m;
  }
  if (type == "rejoin") return RejoinMessage{Text(object, "code", 16), Text(object, "token", 64)};
  if (type == "journeys") {
    JourneysMessage m;
    m.round = static_cast<int>(Whole(object, "round", 1, 1'000'000));
    m.from = Whole(object, "from", 1, kMostJourneysPerDevice);
    m.journeys = JourneysOf(Field(object, "journeys"));
    return m;
  }
  if (type == "board") return BoardHello{Text(object, "token", 64)};
  if (type == "newRound") {
    NewRoundCommand m;
    if (object.contains("setting")) m.setting = SettingOf(object["setting"]);
    return m;
  }
  if (type == "pause") return PauseCommand{Flag(object, "paused")};
  if (type == "names") return NamesCommand{Flag(object, "allowed")};
  if (type == "remove")
    return RemoveCommand{static_cast<int>(Whole(object, "device", 1, 1'000'000))};
  if (type == "end") return EndCommand{};
  if (type == "status") return StatusRequest{};
  Refuse(Refusal::UnknownType);
}

}  // namespace

bool IsBoardCommand(const Message& message) {
  return std::holds_alternative<NewRoundCommand>(message) ||
         std::holds_alternative<PauseCommand>(message) ||
         std::holds_alternative<NamesCommand>(message) ||
         std::holds_alternative<RemoveCommand>(message) ||
         std::holds_alternative<EndCommand>(message) ||
         std::holds_alternative<StatusRequest>(message);
}

bool IsClassSetting(const JourneySetting& s) {
  const auto inside = [&](int c) { return std::abs(c) < s.radius; };
  const double percent = s.rightProbability * 100;
  return s.dimension >= 1 && s.dimension <= 3 && s.radius >= kSmallestRadius &&
         s.radius <= kLargestRadius && percent >= 0 && percent <= kMostPercent &&
         std::abs(percent - std::round(percent)) < 1e-9 && inside(s.startX) && inside(s.startY) &&
         (s.dimension > 1 || s.startY == 0);
}

ParsedMessage ParseMessage(std::string_view text) {
  if (text.size() > kLargestMessage) return {std::nullopt, Refusal::TooLarge};
  const json object = json::parse(text, nullptr, false);
  if (object.is_discarded()) return {std::nullopt, Refusal::NotJson};
  if (!object.is_object()) return {std::nullopt, Refusal::NotAnObject};
  const auto type = object.find("type");
  if (type == object.end() || !type->is_string()) return {std::nullopt, Refusal::NotAnObject};
  try {
    return {MessageOf(object, type->get<std::string>()), Refusal::NotJson};
  } catch (const Refused& r) {
    return {std::nullopt, r.refusal};
  }
}

}  // namespace quirlweg::classroom
