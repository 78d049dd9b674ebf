#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "classroom/class_code.h"
#include "classroom/class_message.h"
#include "classroom/class_refusal.h"
#include "classroom/classroom.h"
#include "classroom/rate_limit.h"

namespace quirlweg::classroom {

// A connection's messages per second and at once; "20 Reisen" as fast as it goes sends a few
// a second.
inline constexpr double kMessagesPerSecond = 50;
inline constexpr double kMessageBurst = 100;
// A connection that keeps sending into an empty bucket is closed after this many in a row.
inline constexpr int kFloodBeforeClosing = 2000;
// Devices that may join from one network address: a whole class behind one router, with
// room for pupils whose browser forgot its token, but not a script joining hundreds.
inline constexpr int kMostJoinsPerAddress = 64;

// Something to send: a text to one connection, and whether to close it after.
struct Outgoing {
  std::uint64_t connection = 0;
  std::string text;
  bool close = false;
};

// What one message or event led to: the record lines to append (before anything is sent,
// so that what a device was told survives a restart), then the texts to send.
struct Handled {
  std::vector<std::string> record;
  std::vector<Outgoing> sent;
  bool poolChanged = false;  // the board's figures are to be refreshed
  bool ended = false;        // the teacher ended the class
  // The board that asked for the figures, to be answered at once.
  std::optional<std::uint64_t> statusAskedBy;
};

// The class between its connections: who is a device and which, who is the board, how fast
// each sends, and what every message does to the class. Connections are numbers the server
// gives; texts are the WebSocket messages.
class ClassProtocol {
 public:
  ClassProtocol(Classroom classroom, std::string boardToken);

  const Classroom& classroom() const { return classroom_; }
  const std::string& BoardToken() const { return boardToken_; }
  // What a board in the browser shows the class to join by: the address devices open, and
  // its QR code as rows of '1' (dark) and '0', which the page cannot make itself.
  void SetJoining(std::string address, std::vector<std::string> qrRows) {
    joinAddress_ = std::move(address);
    joinQr_ = std::move(qrRows);
  }

  // A command of the board running in the same program as the server, which needs no token.
  Handled BoardCommand(const Message& command) { return HandleBoard(0, command); }

  // `address`: the network address the connection comes from, counted for joining; empty
  // for one not counted (the teacher's own machine).
  void Open(std::uint64_t connection, std::string address = {});
  Handled Receive(std::uint64_t connection, std::string_view text, std::int64_t nowMs);
  // A message too large for the server to take in at all, and the connection closed for it.
  void RefuseUnread(std::uint64_t connection, Refusal refusal);
  void Close(std::uint64_t connection);

  // Refused messages by kind since the start.
  const std::array<std::int64_t, kRefusalKinds>& Refused() const { return refused_; }
  bool Connected(int device) const;
  // The connections of the teacher's board, to tell of changes.
  std::vector<std::uint64_t> Boards() const;
  std::size_t ConnectionCount() const { return connections_.size(); }

 private:
  struct Connection {
    RateLimit rate{kMessagesPerSecond, kMessageBurst};
    std::optional<int> device;
    std::string address;
    bool board = false;
    int floodInRow = 0;
    std::int64_t lastTooFastToldMs = -1'000'000;
  };

  Handled Refuse(std::uint64_t connection, Refusal why, std::int64_t index = 0,
                 std::int64_t verified = -1);
  Handled Handle(std::uint64_t connection, Connection& c, const JoinMessage& m);
  Handled Handle(std::uint64_t connection, Connection& c, const RejoinMessage& m);
  Handled Handle(std::uint64_t connection, Connection& c, const JourneysMessage& m);
  Handled HandleBoard(std::uint64_t connection, const Message& m);
  Handled Welcome(std::uint64_t connection, Connection& c, const Device& device);
  Handled NewRound(const std::optional<JourneySetting>& setting);
  Handled ToDevices(const std::string& text, bool close);
  std::uint64_t FreshSeed();
  // Takes the device off any other connection: a device rejoining from a new connection
  // reports there alone.
  void MoveDeviceTo(std::uint64_t connection, int device);

  Classroom classroom_;
  std::string boardToken_;
  std::string joinAddress_;
  std::vector<std::string> joinQr_;
  SecretSource secrets_;
  std::map<std::uint64_t, Connection> connections_;
  std::map<std::string, int> joinsFrom_;  // devices joined by address
  std::array<std::int64_t, kRefusalKinds> refused_{};
};

}  // namespace quirlweg::classroom
