#pragma once

#include <QString>
#include <cstdint>

#include "lesson/experiment.h"

namespace quirlweg {

// A walk run without a window shown: an experiment, so many journeys, and what to write.
struct HeadlessRun {
  Experiment experiment;
  std::int64_t journeys = 0;
  QString csvPath;       // empty: no CSV
  QString reportPath;    // empty: no report
  bool english = false;  // a lesson's worksheet in its English texts
};

// The largest --journeys: the longest journeys (3-D, R = 50, home not absorbing) take about
// six minutes for so many, and their CSV about 400 MB.
inline constexpr std::int64_t kMostHeadlessJourneys = 10'000'000;

// Walks the run and writes the files: the CSV as "Daten speichern" writes it, the report as
// "Bericht" does. Without a report the engine walks alone and the CSV is written as the
// journeys end; a report needs the program's own window, never shown, for its lattice picture.
// The same experiment gives the same journeys either way. Needs the application object. The
// exit status: 0 when all was written, 1 when a file could not be (told on stderr).
int RunHeadless(const HeadlessRun& run);

}  // namespace quirlweg
