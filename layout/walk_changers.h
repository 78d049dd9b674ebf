#pragma once

#include <array>
#include <string_view>

namespace quirlweg {

// The controls a paced run disables, by the names the layout places them by: whatever would
// change the walk under the run. Tempo, protocol and evaluation stay at hand.
inline constexpr std::array<std::string_view, 15> kWalkChangers{
    "hscRaster",  "hscWaRi",    "chkHeim",     "Command1",    "Command2",
    "Option1(0)", "Option1(1)", "Option1(2)",  "cmdHome(0)",  "cmdHome(1)",
    "cmdHome(2)", "cmdHome(3)", "optModus(0)", "optModus(1)", "optModus(2)"};

}  // namespace quirlweg
