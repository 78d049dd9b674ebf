#pragma once

#include <string_view>

namespace quirlweg {

// Texts the program shows, as the tests expect them (German).

// The empty journey protocol: its header line with CR LF.
inline constexpr std::string_view kProtocolHeader = "   Nr.  L\u00e4nge   Endpunkt\r\n";

// The notice before the statistics start over.
inline constexpr std::string_view kRestartNotice = "Achtung: Ab n=1000 wird die Liste neu begonnen";

}  // namespace quirlweg
