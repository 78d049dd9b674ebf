#pragma once

// Values the page and the core hand each other, shared by the bindings: settings, errors and a
// chart's axes as plain JavaScript objects.

#include <emscripten/val.h>

#include <string>

#include "series/chart_figures.h"
#include "theory/journey_statistics.h"

namespace quirlweg::web {

// {error: id}, for what the page words.
emscripten::val ErrorValue(const char* error);

// A setting as {dimension, radius, rightProbability, startX, startY, homeAbsorbs}, and back.
theory::Setting SettingOf(const emscripten::val& s);
emscripten::val SettingValue(const theory::Setting& s);

// Each axis as {low, high, logarithmic, ticks: [{value, text}]}.
emscripten::val AxesOf(const ChartAxes& axes, const std::string& separator);

}  // namespace quirlweg::web
