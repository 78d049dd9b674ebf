#include "exit_places.h"

#include <utility>

#include "plane_green.h"
#include "start_values.h"
#include "walk_chain.h"

namespace quirlweg::theory {

namespace {

using namespace detail;

ExitPlaces EmptyPlaces(int radius) {
  ExitPlaces places;
  places.radius = radius;
  for (auto& side : places.sides) side.assign(static_cast<std::size_t>(2 * radius - 1), 0.0);
  return places;
}

std::optional<ExitPlaces> LinePlaces(const Setting& s, const Cancellation& cancel) {
  const auto v = ValuesFromStart(s, cancel);
  if (!v) return std::nullopt;
  ExitPlaces places = EmptyPlaces(s.radius);
  const auto row = static_cast<std::size_t>(s.startY + s.radius - 1);
  places.sides[ExitPlaces::SideOf(JourneyEnding::kRight)][row] = v->endings[kRight];
  places.sides[ExitPlaces::SideOf(JourneyEnding::kLeft)][row] = v->endings[kLeft];
  places.home = v->endings[kHome];
  return places;
}

// A boundary cell is reached by one step (chance q) from the inner cell next to it, so its
// share is q times the visits expected there: G(start, next) summed over z, cut by home.
std::optional<ExitPlaces> PlanePlaces(const Setting& s, const Cancellation& cancel) {
  const PlaneGreen green(s);
  const Point start = StartOf(s);
  const Table overZ = green.ZRowSums();
  const auto fromStart = green.OnPlane(green.AtPoint(start), overZ, cancel);
  if (!fromStart) return std::nullopt;

  // With home: the start's share of journeys that reach the origin first, and from there the
  // same as from the origin (at the origin itself, of those that come back to it).
  double viaHome = 0;
  std::vector<double> fromOrigin(fromStart->size(), 0.0);
  if (s.homeAbsorbs) {
    const Axes origin = green.AtPoint({});
    const double originToOrigin = green.Sum(origin, origin);
    viaHome = start == Point{} ? 1 - 1 / originToOrigin
                               : green.Sum(green.AtPoint(start), origin) / originToOrigin;
    auto plane = green.OnPlane(origin, overZ, cancel);
    if (!plane) return std::nullopt;
    fromOrigin = *std::move(plane);
  }
  const double q = 1.0 / (2 * s.dimension);
  const auto share = [&](int x, int y) {
    const std::size_t i = green.IndexOf(x, y);
    return q * ((*fromStart)[i] - viaHome * fromOrigin[i]);
  };

  ExitPlaces places = EmptyPlaces(s.radius);
  const int inner = s.radius - 1;
  for (int c = -inner; c <= inner; ++c) {
    const auto at = static_cast<std::size_t>(c + inner);
    places.sides[ExitPlaces::SideOf(JourneyEnding::kTop)][at] = share(c, -inner);
    places.sides[ExitPlaces::SideOf(JourneyEnding::kRight)][at] = share(inner, c);
    places.sides[ExitPlaces::SideOf(JourneyEnding::kBottom)][at] = share(c, inner);
    places.sides[ExitPlaces::SideOf(JourneyEnding::kLeft)][at] = share(-inner, c);
  }
  if (s.dimension == 3) {
    const Axes faces = green.OntoBoundary(kZFace);
    const double direct = green.Sum(faces, green.AtPoint(start));
    places.zFaces = direct - viaHome * green.Sum(faces, green.AtPoint({}));
  }
  places.home = viaHome;
  return places;
}

}  // namespace

std::optional<ExitPlaces> ComputeExitPlaces(const Setting& s, const Cancellation& cancel) {
  RequireWalkable(s);
  auto places = s.dimension == 1 ? LinePlaces(s, cancel) : PlanePlaces(s, cancel);
  if (!places || cancel.Requested()) return std::nullopt;
  return places;
}

}  // namespace quirlweg::theory
