#include "classroom/classroom.h"

#include <algorithm>

#include "classroom/class_message.h"
#include "sweep/silent_walk.h"

namespace quirlweg::classroom {

// A device's series walked again from its seed, one journey ahead of what it reported when a
// report did not match, so that a refused journey leaves the walk where the device's is.
struct Classroom::Replay {
  Replay(const JourneySetting& setting, std::uint64_t seed) : walker(setting, seed) {}

  bool Matches(const SavedJourney& reported) {
    if (!next) next = SavedJourneyOf(walker.Next());
    if (*next != reported) return false;
    next.reset();
    return true;
  }

  JourneyWalker walker;
  std::optional<SavedJourney> next;
};

Classroom::Classroom(std::string code, const JourneySetting& setting)
    : code_(std::move(code)), setting_(setting) {}
Classroom::~Classroom() = default;
Classroom::Classroom(Classroom&&) noexcept = default;
Classroom& Classroom::operator=(Classroom&&) noexcept = default;

std::variant<int, Refusal> Classroom::AddDevice(const std::string& token, const std::string& name,
                                                std::uint64_t seed) {
  if (ended_) return Refusal::Ended;
  if (devices_.size() >= kMostDevices) return Refusal::ClassFull;
  if (DeviceWithToken(token) != nullptr || SeedInUse(seed)) return Refusal::BadField;
  Device device;
  device.number = static_cast<int>(devices_.size()) + 1;
  device.token = token;
  device.name = namesAllowed_ ? name : std::string();
  device.seed = seed;
  devices_.push_back(device);
  seedsInUse_[seed] = device.number;
  replays_[device.number] = std::make_unique<Replay>(setting_, seed);
  return device.number;
}

const Device* Classroom::DeviceWithToken(const std::string& token) const {
  const auto it = std::find_if(devices_.begin(), devices_.end(),
                               [&](const Device& d) { return d.token == token; });
  return it == devices_.end() ? nullptr : &*it;
}

const Device* Classroom::DeviceNumbered(int number) const {
  if (number < 1 || number > static_cast<int>(devices_.size())) return nullptr;
  return &devices_[static_cast<std::size_t>(number - 1)];
}

Device* Classroom::Find(int number) {
  return const_cast<Device*>(DeviceNumbered(number));
}

ReportOutcome Classroom::Report(int number, int round, std::int64_t from,
                                std::span<const SavedJourney> journeys) {
  Device* device = Find(number);
  ReportOutcome outcome;
  if (device == nullptr) {
    outcome.refusal = Refusal::UnknownDevice;
    return outcome;
  }
  outcome.verified = device->journeys;
  outcome.refusedIndex = from;
  const auto refuse = [&](Refusal why) {
    outcome.refusal = why;
    return outcome;
  };
  if (ended_) return refuse(Refusal::Ended);
  if (device->removed) return refuse(Refusal::Removed);
  if (round != round_) return refuse(Refusal::WrongRound);
  if (paused_) return refuse(Refusal::Paused);
  if (from <= device->journeys) return refuse(Refusal::Replayed);
  if (from > device->journeys + 1) return refuse(Refusal::Gap);
  Replay& replay = *replays_.at(number);
  for (const SavedJourney& journey : journeys) {
    if (device->journeys >= kMostJourneysPerDevice) return refuse(Refusal::TooManyJourneys);
    if (!replay.Matches(journey)) return refuse(Refusal::Forged);
    pool_.push_back(journey);
    if (poolOrder_.empty() || poolOrder_.back().device != number) poolOrder_.push_back({number, 0});
    ++poolOrder_.back().journeys;
    const bool home = journey.x == 0 && journey.y == 0 && journey.z == 0;
    device->homeEnds += home;
    homeEnds_ += home;
    ++device->journeys;
    ++outcome.pooled;
    outcome.verified = device->journeys;
    outcome.refusedIndex = device->journeys + 1;
  }
  return outcome;
}

void Classroom::NewRound(const JourneySetting& setting, const std::map<int, std::uint64_t>& seeds) {
  setting_ = setting;
  ++round_;
  pool_.clear();
  poolOrder_.clear();
  homeEnds_ = 0;
  seedsInUse_.clear();
  replays_.clear();
  for (Device& device : devices_) {
    const auto seed = seeds.find(device.number);
    if (seed != seeds.end()) device.seed = seed->second;
    device.journeys = 0;
    device.homeEnds = 0;
    seedsInUse_[device.seed] = device.number;
    replays_[device.number] = std::make_unique<Replay>(setting_, device.seed);
  }
}

void Classroom::Remove(int number) {
  if (Device* device = Find(number)) device->removed = true;
}

ClassPool Classroom::PoolToSave() const {
  ClassPool pool;
  for (const Device& device : devices_) pool.devices.push_back({device.seed, device.journeys});
  pool.order = poolOrder_;
  return pool;
}

std::vector<SavedJourney> WalkPoolAgain(const JourneySetting& setting, const ClassPool& pool) {
  std::vector<std::unique_ptr<JourneyWalker>> walkers;
  for (const ClassPool::Device& device : pool.devices) {
    walkers.push_back(std::make_unique<JourneyWalker>(setting, device.seed));
  }
  std::vector<SavedJourney> journeys;
  for (const ClassPool::Run& run : pool.order) {
    JourneyWalker& walker = *walkers.at(static_cast<std::size_t>(run.device - 1));
    for (std::int64_t i = 0; i < run.journeys; ++i)
      journeys.push_back(SavedJourneyOf(walker.Next()));
  }
  return journeys;
}

std::optional<Classroom> ClassOfPool(const JourneySetting& setting, const ClassPool& pool) {
  Classroom saved(std::string(), setting);
  for (std::size_t d = 0; d < pool.devices.size(); ++d) {
    const auto added =
        saved.AddDevice("saved-" + std::to_string(d + 1), std::string(), pool.devices[d].seed);
    if (!std::holds_alternative<int>(added)) return std::nullopt;
  }
  const std::vector<SavedJourney> journeys = WalkPoolAgain(setting, pool);
  std::size_t next = 0;
  for (const ClassPool::Run& run : pool.order) {
    const Device* device = saved.DeviceNumbered(run.device);
    const auto count = static_cast<std::size_t>(run.journeys);
    if (device == nullptr || next + count > journeys.size()) return std::nullopt;
    const auto outcome = saved.Report(run.device, saved.Round(), device->journeys + 1,
                                      std::span(journeys).subspan(next, count));
    if (outcome.refusal) return std::nullopt;
    next += count;
  }
  return saved;
}

JourneyRecord PooledRecord(const JourneySetting& setting, const SavedJourney& journey, int number) {
  const int r = setting.radius;
  JourneyRecord record;
  record.number = number;
  record.length = journey.length;
  record.x = journey.x;
  record.y = -journey.y;  // as the walk stores it, downward
  record.z = journey.z;
  record.setting = setting;
  // The end by where it lies, in the order the walk tests the sides.
  if (journey.x == 0 && journey.y == 0 && journey.z == 0) {
    record.end = JourneyEnd::Home;
  } else if (record.y == -r) {
    record.end = JourneyEnd::Top;
  } else if (record.x == r) {
    record.end = JourneyEnd::Right;
  } else if (record.y == r) {
    record.end = JourneyEnd::Bottom;
  } else if (record.x == -r) {
    record.end = JourneyEnd::Left;
  } else {
    record.end = JourneyEnd::ZFace;
  }
  return record;
}

std::vector<JourneyRecord> PooledRecords(const Classroom& classroom) {
  std::vector<JourneyRecord> records;
  records.reserve(classroom.Pool().size());
  for (const SavedJourney& j : classroom.Pool()) {
    records.push_back(PooledRecord(classroom.Setting(), j, static_cast<int>(records.size()) + 1));
  }
  return records;
}

}  // namespace quirlweg::classroom
