#include "classroom/class_protocol.h"

#include <nlohmann/json.hpp>

#include "classroom/class_record.h"
#include "classroom/json_reading.h"
#include "lesson/series_seed.h"

namespace quirlweg::classroom {
namespace {

using nlohmann::json;
using reading::SettingJson;

Handled Send(std::uint64_t connection, const json& message, bool close = false) {
  Handled h;
  h.sent.push_back({connection, message.dump(), close});
  return h;
}

void Append(Handled& to, Handled more) {
  to.record.insert(to.record.end(), more.record.begin(), more.record.end());
  to.sent.insert(to.sent.end(), more.sent.begin(), more.sent.end());
  to.poolChanged = to.poolChanged || more.poolChanged;
  to.ended = to.ended || more.ended;
}

json RoundJson(const Classroom& c, const Device& d, const char* type) {
  return {{"type", type},           {"round", c.Round()},
          {"seed", d.seed},         {"setting", SettingJson(c.Setting())},
          {"verified", d.journeys}, {"paused", c.Paused()}};
}

}  // namespace

ClassProtocol::ClassProtocol(Classroom classroom, std::string boardToken)
    : classroom_(std::move(classroom)), boardToken_(std::move(boardToken)) {}

void ClassProtocol::Open(std::uint64_t connection, std::string address) {
  connections_[connection].address = std::move(address);
}

void ClassProtocol::Close(std::uint64_t connection) {
  connections_.erase(connection);
}

bool ClassProtocol::Connected(int device) const {
  for (const auto& [id, c] : connections_) {
    if (c.device == device) return true;
  }
  return false;
}

std::vector<std::uint64_t> ClassProtocol::Boards() const {
  std::vector<std::uint64_t> boards;
  for (const auto& [id, c] : connections_) {
    if (c.board) boards.push_back(id);
  }
  return boards;
}

void ClassProtocol::RefuseUnread(std::uint64_t connection, Refusal refusal) {
  ++refused_[static_cast<std::size_t>(refusal)];
  Close(connection);
}

Handled ClassProtocol::Refuse(std::uint64_t connection, Refusal why, std::int64_t index,
                              std::int64_t verified) {
  ++refused_[static_cast<std::size_t>(why)];
  json message = {{"type", "refused"}, {"reason", RefusalId(why)}};
  if (index > 0) message["index"] = index;
  if (verified >= 0) message["verified"] = verified;
  return Send(connection, message);
}

Handled ClassProtocol::Receive(std::uint64_t connection, std::string_view text,
                               std::int64_t nowMs) {
  const auto found = connections_.find(connection);
  if (found == connections_.end()) return {};
  Connection& c = found->second;
  // A flood is counted and dropped before it is read; the device hears of it once a second.
  if (!c.rate.Take(nowMs)) {
    ++refused_[static_cast<std::size_t>(Refusal::TooFast)];
    if (++c.floodInRow >= kFloodBeforeClosing) {
      return Send(connection, {{"type", "refused"}, {"reason", RefusalId(Refusal::TooFast)}}, true);
    }
    if (nowMs - c.lastTooFastToldMs < 1000) return {};
    c.lastTooFastToldMs = nowMs;
    return Send(connection, {{"type", "refused"}, {"reason", RefusalId(Refusal::TooFast)}});
  }
  c.floodInRow = 0;
  const ParsedMessage parsed = ParseMessage(text);
  if (!parsed.message) return Refuse(connection, parsed.refusal);
  const Message& m = *parsed.message;
  if (IsBoardCommand(m)) {
    if (!c.board) return Refuse(connection, Refusal::NotBoard);
    return HandleBoard(connection, m);
  }
  if (const auto* hello = std::get_if<BoardHello>(&m)) {
    if (hello->token != boardToken_ || c.device) return Refuse(connection, Refusal::NotBoard);
    c.board = true;
    json welcome = {{"type", "board"}, {"code", classroom_.Code()}};
    if (!joinAddress_.empty()) welcome["address"] = joinAddress_;
    if (!joinQr_.empty()) welcome["qr"] = joinQr_;
    return Send(connection, welcome);
  }
  if (const auto* join = std::get_if<JoinMessage>(&m)) return Handle(connection, c, *join);
  if (const auto* rejoin = std::get_if<RejoinMessage>(&m)) return Handle(connection, c, *rejoin);
  return Handle(connection, c, std::get<JourneysMessage>(m));
}

Handled ClassProtocol::Handle(std::uint64_t connection, Connection& c, const JoinMessage& m) {
  if (c.device || c.board) return Refuse(connection, Refusal::AlreadyJoined);
  if (NormalizedCode(m.code) != classroom_.Code()) return Refuse(connection, Refusal::WrongCode);
  if (classroom_.Ended()) return Refuse(connection, Refusal::Ended);
  if (!c.address.empty() && joinsFrom_[c.address] >= kMostJoinsPerAddress) {
    return Refuse(connection, Refusal::AddressFull);
  }
  std::string name;
  if (!m.name.empty() && classroom_.NamesAllowed()) {
    const auto checked = CheckedName(m.name);
    if (!checked) return Refuse(connection, Refusal::BadName);
    name = *checked;
  }
  const auto added = classroom_.AddDevice(MakeToken(secrets_), name, FreshSeed());
  if (const auto* why = std::get_if<Refusal>(&added)) return Refuse(connection, *why);
  if (!c.address.empty()) ++joinsFrom_[c.address];
  const Device& device = *classroom_.DeviceNumbered(std::get<int>(added));
  Handled h = Welcome(connection, c, device);
  h.record.insert(h.record.begin(), record::Joined(device));
  h.poolChanged = true;
  return h;
}

Handled ClassProtocol::Handle(std::uint64_t connection, Connection& c, const RejoinMessage& m) {
  if (c.device || c.board) return Refuse(connection, Refusal::AlreadyJoined);
  if (NormalizedCode(m.code) != classroom_.Code()) return Refuse(connection, Refusal::WrongCode);
  const Device* device = classroom_.DeviceWithToken(m.token);
  if (device == nullptr) return Refuse(connection, Refusal::UnknownDevice);
  if (classroom_.Ended()) return Refuse(connection, Refusal::Ended);
  if (device->removed) return Refuse(connection, Refusal::Removed);
  Handled h = Welcome(connection, c, *device);
  h.poolChanged = true;
  return h;
}

Handled ClassProtocol::Welcome(std::uint64_t connection, Connection& c, const Device& device) {
  MoveDeviceTo(connection, device.number);
  c.device = device.number;
  json welcome = RoundJson(classroom_, device, "welcome");
  welcome["device"] = device.number;
  welcome["token"] = device.token;
  welcome["name"] = device.name;
  return Send(connection, welcome);
}

void ClassProtocol::MoveDeviceTo(std::uint64_t connection, int device) {
  for (auto& [id, other] : connections_) {
    if (id != connection && other.device == device) other.device.reset();
  }
}

Handled ClassProtocol::Handle(std::uint64_t connection, Connection& c, const JourneysMessage& m) {
  if (!c.device) return Refuse(connection, c.board ? Refusal::NotBoard : Refusal::NotJoined);
  const int device = *c.device;
  const ReportOutcome outcome = classroom_.Report(device, m.round, m.from, m.journeys);
  Handled h;
  if (outcome.pooled > 0) {
    const auto taken = std::span(m.journeys).first(static_cast<std::size_t>(outcome.pooled));
    h.record.push_back(record::Reported(device, m.round, m.from, taken));
    h.poolChanged = true;
  }
  if (outcome.refusal) {
    Append(h, Refuse(connection, *outcome.refusal, outcome.refusedIndex, outcome.verified));
  } else {
    h.sent.push_back(
        {connection,
         json{{"type", "ack"}, {"round", classroom_.Round()}, {"verified", outcome.verified}}
             .dump(),
         false});
  }
  return h;
}

Handled ClassProtocol::HandleBoard(std::uint64_t connection, const Message& m) {
  if (std::holds_alternative<StatusRequest>(m)) {
    Handled h;
    h.statusAskedBy = connection;
    return h;
  }
  if (classroom_.Ended()) return Refuse(connection, Refusal::Ended);
  if (const auto* round = std::get_if<NewRoundCommand>(&m)) return NewRound(round->setting);
  if (const auto* pause = std::get_if<PauseCommand>(&m)) {
    classroom_.SetPaused(pause->paused);
    Handled h = ToDevices(json{{"type", "paused"}, {"paused", pause->paused}}.dump(), false);
    h.record.push_back(record::Paused(pause->paused));
    h.poolChanged = true;
    return h;
  }
  if (const auto* names = std::get_if<NamesCommand>(&m)) {
    classroom_.AllowNames(names->allowed);
    Handled h;
    h.record.push_back(record::NamesAllowed(names->allowed));
    h.poolChanged = true;
    return h;
  }
  if (const auto* remove = std::get_if<RemoveCommand>(&m)) {
    if (classroom_.DeviceNumbered(remove->device) == nullptr) {
      return Refuse(connection, Refusal::UnknownDevice);
    }
    classroom_.Remove(remove->device);
    Handled h;
    for (auto& [id, c] : connections_) {
      if (c.device != remove->device) continue;
      h.sent.push_back({id, json{{"type", "removed"}}.dump(), true});
      c.device.reset();
    }
    h.record.push_back(record::Removed(remove->device));
    h.poolChanged = true;
    return h;
  }
  // The end: every device is told and let go; the record is the server's to remove.
  classroom_.End();
  Handled h = ToDevices(json{{"type", "ended"}}.dump(), true);
  h.ended = true;
  h.poolChanged = true;
  return h;
}

Handled ClassProtocol::NewRound(const std::optional<JourneySetting>& setting) {
  std::map<int, std::uint64_t> seeds;
  // Seeds of the round before may come again, but no two devices share one.
  std::map<std::uint64_t, int> taken;
  for (const Device& d : classroom_.Devices()) {
    std::uint64_t seed = ShortSeed(secrets_.Draw());
    while (taken.contains(seed)) seed = ShortSeed(secrets_.Draw());
    taken[seed] = d.number;
    seeds[d.number] = seed;
  }
  classroom_.NewRound(setting.value_or(classroom_.Setting()), seeds);
  Handled h;
  h.record.push_back(record::NewRound(classroom_));
  for (const auto& [id, c] : connections_) {
    if (!c.device) continue;
    h.sent.push_back(
        {id, RoundJson(classroom_, *classroom_.DeviceNumbered(*c.device), "round").dump(), false});
  }
  h.poolChanged = true;
  return h;
}

Handled ClassProtocol::ToDevices(const std::string& text, bool close) {
  Handled h;
  for (const auto& [id, c] : connections_) {
    if (c.device) h.sent.push_back({id, text, close});
  }
  return h;
}

std::uint64_t ClassProtocol::FreshSeed() {
  // Six digits, as the page shows seeds; a class is far smaller than the million.
  std::uint64_t seed = ShortSeed(secrets_.Draw());
  while (classroom_.SeedInUse(seed)) seed = ShortSeed(secrets_.Draw());
  return seed;
}

}  // namespace quirlweg::classroom
