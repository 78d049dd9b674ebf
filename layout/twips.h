#pragma once

#include <cmath>

namespace quirlweg {

// Twips, the classic unit of positions and sizes: 1/1440 inch.
inline constexpr double kTwipsPerInch = 1440.0;

// One edge along one axis, rounded to whole pixels for the given logical dots per inch.
inline int TwipsToPixels(double twips, double dotsPerInch) {
  return static_cast<int>(std::lround(twips * dotsPerInch / kTwipsPerInch));
}

inline double PixelsToTwips(double pixels, double dotsPerInch) {
  return pixels * kTwipsPerInch / dotsPerInch;
}

// The controls receive single-precision values: a value as a control will hold it.
inline double Single(double value) {
  return static_cast<float>(value);
}

}  // namespace quirlweg
