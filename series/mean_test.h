#pragma once

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace quirlweg {

// The exact test of a series' total length: `lengths[k]` is the chance that one journey takes
// k steps. The totals of `journeys` lengths least likely under their exact distribution (the
// convolution of `lengths` with itself) are refused, as many as hold at most alpha together,
// taken from either end; so a correct distribution is refused in at most a share alpha of
// series, however short and however lumpy the lengths. Gives the lowest and highest total not
// refused; none where the convolution would be too large to compute at once, where a normal
// range holds anyway. Mass the distribution lacks is taken to lie beyond its end.
std::optional<std::pair<std::int64_t, std::int64_t>> AcceptedLengthTotals(
    const std::vector<double>& lengths, int journeys, double alpha = 0.05);

}  // namespace quirlweg
