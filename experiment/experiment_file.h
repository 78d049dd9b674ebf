#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "experiment/experiment.h"

namespace quirlweg {

// Files are read whole; anything larger is refused before it is read.
inline constexpr qint64 kLargestExperimentFile = 16 * 1024 * 1024;
// The file name's extension, without the dot.
inline constexpr char kExperimentSuffix[] = "quirlweg";

// The experiment as the file holds it: JSON in UTF-8.
QByteArray ExperimentJson(const Experiment& experiment);

// An experiment read, or the problem that stopped it, ready to be shown.
struct ExperimentReading {
  std::optional<Experiment> experiment;
  QString problem;
};

// Every field is checked for its type and range; the first one amiss refuses the whole file.
ExperimentReading ParseExperiment(const QByteArray& bytes);

// Reads and parses a file; the problem then names the file.
ExperimentReading ReadExperimentFile(const QString& path);

}  // namespace quirlweg
