#include "sweep/exit_places_view.h"

#include <algorithm>

#include "series/series_summary.h"

namespace quirlweg {
namespace {

ExitCell CellOf(std::int64_t count, std::int64_t total, std::optional<double> exact) {
  ExitCell cell;
  if (const auto range = WilsonInterval(static_cast<int>(count), static_cast<int>(total))) {
    cell.measured = static_cast<double>(count) / static_cast<double>(total);
    cell.low = range->first;
    cell.high = range->second;
  }
  cell.exact = exact;
  return cell;
}

}  // namespace

ExitTally TallyExits(const JourneySeries& series, const theory::Setting& current) {
  ExitTally tally(current.radius);
  std::vector<bool> counts;
  for (const JourneySetting& s : series.Settings()) {
    counts.push_back(SameWalk(s, current));
  }
  for (std::size_t i = 0; i < series.size(); ++i) {
    if (counts[series.SettingAt(i)]) tally.Count(series[i]);
  }
  return tally;
}

ExitPlacesView ViewOf(const ExitTally& tally, const std::optional<theory::ExitPlaces>& exact,
                      const theory::Setting& current) {
  ExitPlacesView view;
  view.radius = current.radius;
  view.measured = tally.journeys() > 0;
  view.startX = current.startX;
  view.startY = current.startY;
  const bool known = exact && exact->radius == current.radius;
  const std::int64_t total = tally.journeys();
  for (int s = 0; s < 4; ++s) {
    auto& cells = view.sides[static_cast<std::size_t>(s)];
    for (int c = 1 - current.radius; c < current.radius; ++c) {
      std::optional<double> share;
      if (known) {
        share = exact->sides[static_cast<std::size_t>(s)]
                            [static_cast<std::size_t>(c + current.radius - 1)];
      }
      cells.push_back(CellOf(tally.OnSide(s, c), total, share));
    }
  }
  view.home = CellOf(tally.home(), total, known ? std::optional(exact->home) : std::nullopt);
  view.zFaces = CellOf(tally.zFaces(), total, known ? std::optional(exact->zFaces) : std::nullopt);
  return view;
}

double LargestShare(const ExitPlacesView& view) {
  double largest = 1e-3;
  for (const auto& side : view.sides) {
    for (const ExitCell& cell : side) {
      largest = std::max({largest, cell.exact.value_or(0), view.measured ? cell.measured : 0});
    }
  }
  return largest;
}

}  // namespace quirlweg
