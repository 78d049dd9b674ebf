#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quirlweg {

// Journeys counted before the statistics start over (the 1002nd triggers the restart).
inline constexpr int kJourneysBeforeRestart = 1001;

// One protocol entry without its leading CR LF: "   5,     37   ( 5, 2, 0)". `y` is the
// stored y; the text shows -y.
std::string ProtocolLine(int n, std::int64_t length, int x, int y, int z);

// `text` + CR LF + the entry, as appended to the protocol box.
std::string AppendProtocolLine(std::string_view text, int n, std::int64_t length, int x, int y,
                               int z);

}  // namespace quirlweg
