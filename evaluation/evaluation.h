#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>
#include <optional>
#include <vector>

#include "series/series_summary.h"
#include "theory/journey_statistics.h"

class QWidget;

namespace quirlweg {

class EvaluationWindow;
class ExactStatistics;
class Simulation;
struct WindowControls;

// The main window's side of the evaluation: keeps the exact values of the current setting up
// to date, shows them in the statistics boxes' tooltips and opens the evaluation window from
// the window's evaluation button. A child of the main window, which knows nothing of it.
class Evaluation : public QObject {
  Q_OBJECT

 public:
  // Connects to the setting controls after the window's own handlers, so that it reads each
  // setting once the walk has taken it.
  explicit Evaluation(Simulation& window);
  ~Evaluation() override;

  const ExactStatistics& exact() const { return *exact_; }
  // Opens the evaluation window, or raises it when it is open, minimised too.
  void OpenWindow();
  // Both windows beside each other are laid out for this part of a screen (screen pixels)
  // rather than for the screen the main window is on; for trying out other screens.
  void UseScreenArea(const QRect& area) { screenArea_ = area; }

 private:
  void RequestExactValues();
  void PlaceSideBySide();
  void PlaceBoth();
  void ShowExactInTooltips();

  Simulation& window_;
  const WindowControls& controls_;
  ExactStatistics* exact_ = nullptr;
  QPointer<EvaluationWindow> evaluationWindow_;
  std::optional<QRect> screenArea_;
  // Each box with the tooltip it had before the exact value was added, and the row whose
  // exact value it adds.
  struct Tooltip {
    QWidget* box;
    QString base;
    SeriesRow row;
  };
  std::vector<Tooltip> tooltips_;
};

}  // namespace quirlweg
