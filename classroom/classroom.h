#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "classroom/class_refusal.h"
#include "engine/settings.h"
#include "lesson/experiment.h"

namespace quirlweg {
class JourneyWalker;
}

namespace quirlweg::classroom {

// Devices a class takes at most.
inline constexpr int kMostDevices = static_cast<int>(kMostClassDevices);

// One device of the class: the pupil's tablet or laptop, numbered as it joined.
struct Device {
  int number = 0;
  std::string token;       // what it rejoins with; never shown on the board
  std::string name;        // the first name given, or empty: the board calls it "Gerät <number>"
  std::uint64_t seed = 1;  // its series' seed in the current round
  bool removed = false;
  std::int64_t journeys = 0;  // pooled in the current round
  std::int64_t homeEnds = 0;
};

// What came of a device's report.
struct ReportOutcome {
  std::int64_t pooled = 0;         // journeys of the message pooled now
  std::int64_t verified = 0;       // the device's pooled journeys after it
  std::optional<Refusal> refusal;  // why the rest was not pooled
  std::int64_t refusedIndex = 0;   // the first journey not pooled, for the device
};

// The class's pool: devices that joined, the round's setting, and every journey a device
// reported that walking it again from the device's seed gave exactly. Nothing reaches the pool
// any other way.
class Classroom {
 public:
  Classroom(std::string code, const JourneySetting& setting);
  ~Classroom();
  Classroom(Classroom&&) noexcept;
  Classroom& operator=(Classroom&&) noexcept;

  const std::string& Code() const { return code_; }
  int Round() const { return round_; }
  const JourneySetting& Setting() const { return setting_; }
  bool Paused() const { return paused_; }
  bool Ended() const { return ended_; }
  bool NamesAllowed() const { return namesAllowed_; }

  // A new device with its token, checked name (or empty) and seed: its number, or why not.
  std::variant<int, Refusal> AddDevice(const std::string& token, const std::string& name,
                                       std::uint64_t seed);
  // The device a token belongs to; none for a token never given out.
  const Device* DeviceWithToken(const std::string& token) const;
  const Device* DeviceNumbered(int number) const;
  const std::vector<Device>& Devices() const { return devices_; }
  // Whether a device of this round walks from `seed`: two devices on one seed would pool the
  // same journeys twice.
  bool SeedInUse(std::uint64_t seed) const { return seedsInUse_.contains(seed); }

  // Journeys `from`, `from` + 1, ... of device `number`'s series in `round`; the ones its seed
  // walks are pooled up to the first that it does not.
  ReportOutcome Report(int number, int round, std::int64_t from,
                       std::span<const SavedJourney> journeys);

  // A new round under `setting`, each device walking from the seed given for it; the pool
  // starts empty.
  void NewRound(const JourneySetting& setting, const std::map<int, std::uint64_t>& seeds);
  void SetPaused(bool paused) { paused_ = paused; }
  void AllowNames(bool allowed) { namesAllowed_ = allowed; }
  void Remove(int number);
  void End() { ended_ = true; }

  // The round's pooled journeys in the order they were pooled.
  const std::vector<SavedJourney>& Pool() const { return pool_; }
  std::int64_t PooledHomeEnds() const { return homeEnds_; }
  // The round's pool as a file keeps it: each device's seed and pooled journeys, devices in
  // the order of their numbers, and the order they were pooled in.
  ClassPool PoolToSave() const;

 private:
  struct Replay;
  Device* Find(int number);

  std::string code_;
  JourneySetting setting_;
  int round_ = 1;
  bool paused_ = false;
  bool ended_ = false;
  bool namesAllowed_ = true;
  std::vector<Device> devices_;
  std::map<int, std::unique_ptr<Replay>> replays_;
  std::map<std::uint64_t, int> seedsInUse_;
  std::vector<SavedJourney> pool_;
  std::vector<ClassPool::Run> poolOrder_;
  std::int64_t homeEnds_ = 0;
};

// A saved pool walked again from its devices' seeds in `setting`, in the order it was pooled.
std::vector<SavedJourney> WalkPoolAgain(const JourneySetting& setting, const ClassPool& pool);

// The class a saved pool describes, as its board showed it: its devices, numbered in order,
// each with its seed and journeys, pooled in the saved order. None where the pool is not one
// a class can have (more devices than a class takes, a seed twice).
std::optional<Classroom> ClassOfPool(const JourneySetting& setting, const ClassPool& pool);

// A pooled journey as the walk's record in `setting`, its end told by where it lies.
JourneyRecord PooledRecord(const JourneySetting& setting, const SavedJourney& journey, int number);

// The pooled journeys as the walk's records in the round's setting, numbered in the order
// they were pooled: for a series the program's exports take.
std::vector<JourneyRecord> PooledRecords(const Classroom& classroom);

}  // namespace quirlweg::classroom
