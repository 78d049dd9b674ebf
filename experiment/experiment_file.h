#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "lesson/experiment.h"
#include "lesson/experiment_file.h"

namespace quirlweg {

// The experiment as the file holds it.
QByteArray ExperimentFileBytes(const Experiment& experiment);

// An experiment read, or the problem that stopped it, ready to be shown.
struct ExperimentReading {
  std::optional<Experiment> experiment;
  QString problem;
};

// The file's bytes parsed; a refusal in the user's language.
ExperimentReading ReadExperimentBytes(const QByteArray& bytes);

// Reads and parses a file, which must be a regular file; the problem then names the file.
ExperimentReading ReadExperimentFile(const QString& path);

// What is wrong with a file, in the user's language.
QString RefusalText(const ExperimentRefusal& refusal);

}  // namespace quirlweg
