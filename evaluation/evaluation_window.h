#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <vector>

#include "series/series_summary.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QTabWidget;

namespace quirlweg {

class EvaluationCharts;
class ExactStatistics;
class LessonTools;
class PictureArea;
class PredictionRow;
class SeriesTableView;
class Simulation;

// "Auswertung": the series behind the main window's counters against the exact values of the
// current setting, as a table and two charts, with the series and the lattice view to save.
// It follows the series while it is shown, at most about ten times a second.
class EvaluationWindow : public QWidget {
  Q_OBJECT

 public:
  EvaluationWindow(const Simulation& simulation, ExactStatistics& exact, PictureArea& latticeView,
                   QWidget* parent = nullptr);
  ~EvaluationWindow() override;

  // Brings table and charts up to date now.
  void Refresh();
  // Whether the window stands beside the main window, as the program places it.
  bool Beside() const;
  // Texts at the lesson arrangement's sizes times `scale`, as the main window's beside it.
  void ScaleTexts(double scale);

 signals:
  // The user let the window go free (false) or asked for it beside the main window again.
  void BesideChanged(bool beside);
  void Closed();

 protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildTable();
  QWidget* BuildButtons();
  void OpenClassBoard();
  void RefreshIfChanged();
  SeriesRow FollowedRow() const;
  void OfferSidesOf(int dimension);
  void SaveData();
  void SavePicture();

  const Simulation& simulation_;
  ExactStatistics& exact_;
  PictureArea& latticeView_;

  SeriesTableView* table_ = nullptr;
  QLabel* mixNote_ = nullptr;
  QComboBox* sideChooser_ = nullptr;
  int offeredDimension_ = 0;  // whose sides the chooser offers
  QCheckBox* besideBox_ = nullptr;
  QCheckBox* logAxisBox_ = nullptr;
  EvaluationCharts* charts_ = nullptr;
  QTabWidget* pages_ = nullptr;
  QLabel* counted_ = nullptr;  // which journeys the table counts, beside the tabs
  LessonTools* lessonTools_ = nullptr;
  QStringList pageSentences_;
  PredictionRow* prediction_ = nullptr;

  QTimer poll_;
  QElapsedTimer sinceRefresh_;
  qint64 refreshCost_ = 0;  // nanoseconds
  std::uint64_t shownRevision_ = 0;
  bool stale_ = true;
};

}  // namespace quirlweg
