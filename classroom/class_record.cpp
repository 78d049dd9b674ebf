#include "classroom/class_record.h"

#include <nlohmann/json.hpp>

#include "classroom/json_reading.h"

namespace quirlweg::classroom {
namespace {

using namespace reading;

std::string Line(const json& value) {
  return value.dump() + '\n';
}

std::uint64_t SeedOf(const json& value) {
  return static_cast<std::uint64_t>(Whole(value, 0, static_cast<std::int64_t>(kLargestSeed)));
}

void ApplyDevice(Classroom& classroom, const json& line) {
  const std::string token = Text(line, "token", 64);
  const auto number = classroom.AddDevice(token, std::string(), SeedOf(Field(line, "seed")));
  // The numbers are given in order of joining; a line out of order is no record of ours.
  if (!std::holds_alternative<int>(number) ||
      std::get<int>(number) != Whole(line, "device", 1, kMostDevices)) {
    Refuse(Refusal::BadField);
  }
}

// The journeys pooled again; false where any of them was refused.
bool ApplyReport(Classroom& classroom, const json& line) {
  const auto journeys = JourneysOf(Field(line, "journeys"));
  const ReportOutcome outcome =
      classroom.Report(static_cast<int>(Whole(line, "report", 1, kMostDevices)),
                       static_cast<int>(Whole(line, "round", 1, 1'000'000)),
                       Whole(line, "from", 1, kMostJourneysPerDevice), journeys);
  return !outcome.refusal;
}

void ApplyRound(Classroom& classroom, const json& line) {
  const JourneySetting setting = SettingOf(Field(line, "setting"));
  std::map<int, std::uint64_t> seeds;
  const json& list = Field(line, "seeds");
  if (!list.is_array()) Refuse(Refusal::BadField);
  for (const json& pair : list) {
    if (!pair.is_array() || pair.size() != 2) Refuse(Refusal::BadField);
    seeds[static_cast<int>(Whole(pair[0], 1, kMostDevices))] = SeedOf(pair[1]);
  }
  if (Whole(line, "round", 1, 1'000'000) != classroom.Round() + 1) Refuse(Refusal::WrongRound);
  classroom.NewRound(setting, seeds);
}

// One line after the first; false where it changed nothing.
bool ApplyLine(Classroom& classroom, const json& line) {
  if (!line.is_object()) return false;
  if (line.contains("device")) {
    ApplyDevice(classroom, line);
  } else if (line.contains("report")) {
    return ApplyReport(classroom, line);
  } else if (line.contains("round")) {
    ApplyRound(classroom, line);
  } else if (line.contains("paused")) {
    classroom.SetPaused(Flag(line, "paused"));
  } else if (line.contains("names")) {
    classroom.AllowNames(Flag(line, "names"));
  } else if (line.contains("remove")) {
    classroom.Remove(static_cast<int>(Whole(line, "remove", 1, kMostDevices)));
  } else {
    return false;
  }
  return true;
}

std::optional<Classroom> Opened(const json& line) {
  if (!line.is_object()) return std::nullopt;
  try {
    const auto code = Text(line, "class", 16);
    Classroom classroom(code, SettingOf(Field(line, "setting")));
    classroom.AllowNames(Flag(line, "names"));
    return classroom;
  } catch (const Refused&) {
    return std::nullopt;
  }
}

}  // namespace

namespace record {

std::string Opening(const Classroom& c) {
  return Line(
      {{"class", c.Code()}, {"setting", SettingJson(c.Setting())}, {"names", c.NamesAllowed()}});
}

// Without the first name: the record outlives the lesson where the program is closed before
// the class is ended, and a pupil's name is nothing to leave on the teacher's disk. A class
// resumed from it calls its devices "Gerät <number>".
std::string Joined(const Device& d) {
  return Line({{"device", d.number}, {"token", d.token}, {"seed", d.seed}});
}

std::string Reported(int device, int round, std::int64_t from,
                     std::span<const SavedJourney> journeys) {
  return Line(
      {{"report", device}, {"round", round}, {"from", from}, {"journeys", JourneysJson(journeys)}});
}

std::string NewRound(const Classroom& c) {
  json seeds = json::array();
  for (const Device& d : c.Devices()) seeds.push_back({d.number, d.seed});
  return Line({{"round", c.Round()}, {"setting", SettingJson(c.Setting())}, {"seeds", seeds}});
}

std::string Paused(bool paused) {
  return Line({{"paused", paused}});
}

std::string NamesAllowed(bool allowed) {
  return Line({{"names", allowed}});
}

std::string Removed(int device) {
  return Line({{"remove", device}});
}

}  // namespace record

RestoredClass Restore(std::string_view text) {
  RestoredClass restored;
  bool first = true;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    // A last line without its end was being written when the process ended.
    if (end == std::string_view::npos) {
      ++restored.skipped;
      break;
    }
    const json line = json::parse(text.substr(0, end), nullptr, false);
    text.remove_prefix(end + 1);
    if (first) {
      restored.classroom = Opened(line);
      if (!restored.classroom) return restored;
      first = false;
      ++restored.lines;
      continue;
    }
    bool taken = false;
    try {
      taken = !line.is_discarded() && ApplyLine(*restored.classroom, line);
    } catch (const Refused&) {
    }
    if (taken) {
      ++restored.lines;
    } else {
      ++restored.skipped;
      if (line.is_object() && line.contains("report")) ++restored.refusedReports;
    }
  }
  return restored;
}

}  // namespace quirlweg::classroom
