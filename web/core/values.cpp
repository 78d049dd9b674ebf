#include "values.h"

#include <string>

namespace quirlweg::web {
namespace {

using emscripten::val;

val AxisOf(const ChartAxis& axis, const std::string& separator) {
  val ticks = val::array();
  for (const AxisTick& tick : AxisTicks(axis, separator)) {
    val out = val::object();
    out.set("value", tick.value);
    out.set("text", tick.text);
    ticks.call<void>("push", out);
  }
  val out = val::object();
  out.set("low", axis.low);
  out.set("high", axis.high);
  out.set("logarithmic", !(axis.step > 0));
  out.set("ticks", ticks);
  return out;
}

}  // namespace

emscripten::val AxesOf(const ChartAxes& axes, const std::string& separator) {
  val out = val::object();
  out.set("x", AxisOf(axes.x, separator));
  out.set("y", AxisOf(axes.y, separator));
  return out;
}

emscripten::val ErrorValue(const char* error) {
  val out = val::object();
  out.set("error", std::string(error));
  return out;
}

theory::Setting SettingOf(const emscripten::val& s) {
  theory::Setting setting;
  setting.dimension = s["dimension"].as<int>();
  setting.radius = s["radius"].as<int>();
  setting.rightProbability = s["rightProbability"].as<double>();
  setting.startX = s["startX"].as<int>();
  setting.startY = s["startY"].as<int>();
  setting.homeAbsorbs = s["homeAbsorbs"].as<bool>();
  return setting;
}

emscripten::val SettingValue(const theory::Setting& s) {
  val out = val::object();
  out.set("dimension", s.dimension);
  out.set("radius", s.radius);
  out.set("rightProbability", s.rightProbability);
  out.set("startX", s.startX);
  out.set("startY", s.startY);
  out.set("homeAbsorbs", s.homeAbsorbs);
  return out;
}

}  // namespace quirlweg::web
