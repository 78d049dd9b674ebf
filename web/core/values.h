#pragma once

// Values the page and the core hand each other, shared by the bindings: settings, errors and a
// chart's axes as plain JavaScript objects.

#include <emscripten/val.h>

#include <stdexcept>
#include <string>

#include "series/chart_figures.h"
#include "theory/journey_statistics.h"

namespace quirlweg::web {

// {error: id}, for what the page words.
emscripten::val ErrorValue(const char* error);

// What `compute()` gives (an optional) made a value by `toValue`, or {error}: "cancelled" for
// nothing, "invalid-setting" where the theory refuses a setting no walk can have.
template <class Compute, class ToValue>
emscripten::val ComputedOr(Compute compute, ToValue toValue) {
  try {
    const auto computed = compute();
    return computed ? toValue(*computed) : ErrorValue("cancelled");
  } catch (const std::invalid_argument&) {
    return ErrorValue("invalid-setting");
  }
}

// A setting as {dimension, radius, rightProbability, startX, startY, homeAbsorbs}, and back.
theory::Setting SettingOf(const emscripten::val& s);
emscripten::val SettingValue(const theory::Setting& s);

// Each axis as {low, high, logarithmic, ticks: [{value, text}]}.
emscripten::val AxesOf(const ChartAxes& axes, const std::string& separator);

}  // namespace quirlweg::web
