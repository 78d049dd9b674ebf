#include "classroom/class_status.h"

#include <algorithm>
#include <cmath>
#include <nlohmann/json.hpp>

#include "classroom/json_reading.h"

namespace quirlweg::classroom {

using nlohmann::json;

ShareBand BandFor(double exact, std::int64_t journeys) {
  if (journeys <= 0) return {};
  const double error = 2 * std::sqrt(exact * (1 - exact) / static_cast<double>(journeys));
  return {std::max(0.0, exact - error), std::min(1.0, exact + error)};
}

ClassPictureAxes AxesFor(std::int64_t most) {
  const double largest = std::max(10.0, static_cast<double>(most));
  return {std::pow(10.0, std::ceil(std::log10(largest)))};
}

double ClassPictureAxes::At(double journeys) const {
  return std::log10(std::max(1.0, journeys)) / std::log10(mostJourneys);
}

std::vector<double> ClassPictureAxes::JourneyTicks() const {
  std::vector<double> ticks;
  for (double n = 1; n <= mostJourneys * 1.001; n *= 10) ticks.push_back(n);
  return ticks;
}

std::vector<ClassPictureAxes::BandPoint> ClassPictureAxes::Band(double exact) const {
  constexpr int kSteps = 200;
  std::vector<BandPoint> band;
  for (int i = 0; i <= kSteps; ++i) {
    const double n = std::pow(mostJourneys, static_cast<double>(i) / kSteps);
    const ShareBand edges = BandFor(exact, static_cast<std::int64_t>(std::ceil(n)));
    band.push_back({At(n), edges.low, edges.high});
  }
  return band;
}

std::string StatusJson(const ClassProtocol& protocol, std::optional<double> exactHome, bool asked,
                       double longestMs) {
  const Classroom& c = protocol.classroom();
  json devices = json::array();
  for (const Device& d : c.Devices()) {
    json device = {{"device", d.number},     {"name", d.name},
                   {"journeys", d.journeys}, {"home", d.homeEnds},
                   {"removed", d.removed},   {"connected", protocol.Connected(d.number)}};
    if (d.journeys > 0) {
      const double share = static_cast<double>(d.homeEnds) / static_cast<double>(d.journeys);
      device["share"] = share;
      if (exactHome) {
        const ShareBand band = BandFor(*exactHome, d.journeys);
        device["band"] = {band.low, band.high};
        device["strays"] = share < band.low || share > band.high;
      }
    }
    devices.push_back(device);
  }
  json refused = json::object();
  for (std::size_t k = 0; k < kRefusalKinds; ++k) {
    if (protocol.Refused()[k] > 0) refused[std::string(kRefusalIds[k])] = protocol.Refused()[k];
  }
  json status = {{"type", "status"},
                 {"code", c.Code()},
                 {"round", c.Round()},
                 {"setting", reading::SettingJson(c.Setting())},
                 {"paused", c.Paused()},
                 {"ended", c.Ended()},
                 {"namesAllowed", c.NamesAllowed()},
                 {"devices", devices},
                 {"pooled", c.Pool().size()},
                 {"home", c.PooledHomeEnds()},
                 {"refused", refused},
                 {"asked", asked},
                 {"longestMs", longestMs}};
  status["exactHome"] = exactHome ? json(*exactHome) : json(nullptr);
  if (!c.Pool().empty()) {
    const auto pooled = static_cast<std::int64_t>(c.Pool().size());
    status["share"] = static_cast<double>(c.PooledHomeEnds()) / static_cast<double>(pooled);
    if (exactHome) {
      const ShareBand band = BandFor(*exactHome, pooled);
      status["band"] = {band.low, band.high};
    }
  }
  return status.dump();
}

}  // namespace quirlweg::classroom
