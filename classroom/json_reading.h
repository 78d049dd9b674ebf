#pragma once

// Reading the fields of the class's JSON messages and record lines: each reader throws a
// Refused that names what was wrong, caught where one message or line is read.

#include <cmath>
#include <cstdint>
#include <nlohmann/json.hpp>
#include <span>
#include <string>
#include <vector>

#include "classroom/class_message.h"

namespace quirlweg::classroom::reading {

using nlohmann::json;

// A refusal thrown inside the reading of one message, caught at its end.
struct Refused {
  Refusal refusal;
};

[[noreturn]] inline void Refuse(Refusal refusal) {
  throw Refused{refusal};
}

inline const json& Field(const json& object, const char* name) {
  const auto it = object.find(name);
  if (it == object.end()) Refuse(Refusal::BadField);
  return *it;
}

inline std::string Text(const json& object, const char* name, std::size_t longest) {
  const json& value = Field(object, name);
  if (!value.is_string()) Refuse(Refusal::BadField);
  std::string text = value.get<std::string>();
  if (text.size() > longest) Refuse(Refusal::OutOfRange);
  return text;
}

inline std::int64_t Whole(const json& value, std::int64_t low, std::int64_t high) {
  if (!value.is_number_integer()) Refuse(Refusal::BadField);
  // Unsigned JSON numbers above the signed range would wrap.
  if (value.is_number_unsigned() && value.get<std::uint64_t>() > static_cast<std::uint64_t>(high)) {
    Refuse(Refusal::OutOfRange);
  }
  const auto number = value.get<std::int64_t>();
  if (number < low || number > high) Refuse(Refusal::OutOfRange);
  return number;
}

inline std::int64_t Whole(const json& object, const char* name, std::int64_t low,
                          std::int64_t high) {
  return Whole(Field(object, name), low, high);
}

inline bool Flag(const json& object, const char* name) {
  const json& value = Field(object, name);
  if (!value.is_boolean()) Refuse(Refusal::BadField);
  return value.get<bool>();
}

inline JourneySetting SettingOf(const json& value) {
  if (!value.is_object()) Refuse(Refusal::BadField);
  JourneySetting s;
  s.dimension = static_cast<int>(Whole(value, "dimension", 1, 3));
  s.radius = static_cast<int>(Whole(value, "radius", kSmallestRadius, kLargestRadius));
  s.rightProbability = static_cast<double>(Whole(value, "rightPercent", 0, kMostPercent)) / 100;
  s.homeAbsorbs = Flag(value, "homeAbsorbs");
  s.startX = static_cast<int>(Whole(value, "startX", -kLargestRadius, kLargestRadius));
  s.startY = static_cast<int>(Whole(value, "startY", -kLargestRadius, kLargestRadius));
  if (!IsClassSetting(s)) Refuse(Refusal::OutOfRange);
  return s;
}

inline std::vector<SavedJourney> JourneysOf(const json& value) {
  if (!value.is_array() || value.empty()) Refuse(Refusal::BadField);
  if (value.size() > kMostJourneysPerMessage) Refuse(Refusal::OutOfRange);
  std::vector<SavedJourney> journeys;
  journeys.reserve(value.size());
  for (const json& j : value) {
    if (!j.is_array() || j.size() != 4) Refuse(Refusal::BadField);
    SavedJourney journey;
    journey.length = Whole(j[0], 1, std::int64_t{1} << 40);
    journey.x = static_cast<int>(Whole(j[1], -kLargestRadius, kLargestRadius));
    journey.y = static_cast<int>(Whole(j[2], -kLargestRadius, kLargestRadius));
    journey.z = static_cast<int>(Whole(j[3], -kLargestRadius, kLargestRadius));
    journeys.push_back(journey);
  }
  return journeys;
}

// The setting as messages and the record write it.
inline json SettingJson(const JourneySetting& s) {
  return {{"dimension", s.dimension},
          {"radius", s.radius},
          {"rightPercent", static_cast<int>(std::lround(s.rightProbability * 100))},
          {"homeAbsorbs", s.homeAbsorbs},
          {"startX", s.startX},
          {"startY", s.startY}};
}

inline json JourneysJson(std::span<const SavedJourney> journeys) {
  json list = json::array();
  for (const SavedJourney& j : journeys) list.push_back({j.length, j.x, j.y, j.z});
  return list;
}

}  // namespace quirlweg::classroom::reading
