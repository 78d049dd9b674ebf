#pragma once

#include <QString>
#include <cstdint>

#include "experiment/experiment.h"

namespace quirlweg {

// A walk run without a window shown: an experiment, so many journeys, and what to write.
struct HeadlessRun {
  Experiment experiment;
  std::int64_t journeys = 0;
  QString csvPath;     // empty: no CSV
  QString reportPath;  // empty: no report
};

// The largest --journeys.
inline constexpr std::int64_t kMostHeadlessJourneys = 100'000'000;

// Walks the run through the program's own window, never shown, and writes the files: the CSV
// as "Daten speichern" writes it, the report as "Bericht" does. Needs the application object.
// The exit status: 0 when all was written, 1 when a file could not be (told on stderr).
int RunHeadless(const HeadlessRun& run);

}  // namespace quirlweg
