#include "window/control_settings.h"

#include <QCheckBox>
#include <QLocale>
#include <QRadioButton>
#include <QScrollBar>

#include "window/window_controls.h"

namespace quirlweg {

int ControlSettings::Dimension() const {
  if (c_.dimensionOptions[0]->isChecked()) return 1;
  if (c_.dimensionOptions[2]->isChecked()) return 3;
  return 2;
}

double ControlSettings::RightProbability() const {
  return c_.probabilityBar->value() / 100.0;
}

bool ControlSettings::HomeAbsorbs() const {
  return c_.homeAbsorbsBox->isChecked();
}

int ControlSettings::LatticeSize() const {
  return c_.latticeSizeBar->value();
}

RunMode ControlSettings::Mode() const {
  if (c_.modeOptions[0]->isChecked()) return RunMode::Step;
  if (c_.modeOptions[2]->isChecked()) return RunMode::TwentyJourneys;
  return RunMode::Journey;
}

char SystemDecimalSeparator() {
  const QString point = QLocale::system().decimalPoint();
  // A separator outside ASCII cannot travel as one char; the point stands in for it.
  if (point.isEmpty() || point.front().unicode() > 0x7F) return '.';
  return static_cast<char>(point.front().unicode());
}

}  // namespace quirlweg
