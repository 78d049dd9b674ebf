#pragma once

#include <QHash>
#include <QPixmap>
#include <QRect>
#include <QSize>
#include <QString>
#include <QWidget>
#include <array>
#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "display/display_forwarder.h"
#include "engine/settings.h"
#include "engine/uniform_source.h"
#include "engine/walk.h"
#include "ui/layout.h"

class QButtonGroup;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace quirlweg {

class ImageControl;
class LatticeView;
class PictureArea;
class ShapeControl;
class StatisticsDisplays;

// The program's one window. It holds every control, owns the walk and serves it as its
// settings source (the controls, read at the moment of use) and its display sink (the lattice
// view and the statistics displays; the window adds the notice and the frames of a run).
//
// Every control carries its classic name as object name ("Text1(0)" for array members).
class Simulation : public QWidget, public WalkSettingsSource, public DisplayForwarder {
  Q_OBJECT

 public:
  // Without a source the walk draws from its own generator, seeded from the clock on load.
  explicit Simulation(std::unique_ptr<UniformSource> source = nullptr, QWidget* parent = nullptr);
  ~Simulation() override;

  Walk& walk() { return walk_; }
  const Walk& walk() const { return walk_; }
  // Screen updates made while a run was going on, including the one at its end.
  int FramesDrawn() const { return framesDrawn_; }
  // The placement last applied, for the screen the window is on.
  const Arrangement& CurrentArrangement() const { return arrangement_; }

  // WalkSettingsSource
  int Dimension() const override;
  double RightProbability() const override;
  bool HomeAbsorbs() const override;
  int LatticeSize() const override;
  RunMode Mode() const override;
  char DecimalSeparator() const override;

  // DisplaySink: the rest goes to the lattice view and the statistics displays.
  void Notice(std::string_view text) override;
  void StepTaken() override;

 public:
  // The handlers; the controls' signals reach them, tests may call them as well.
  void Form_Resize();
  void hscRaster_Change(int value);
  void hscWaRi_Change(int value);
  void Option1_Click(std::int16_t index);
  void Check1_Click();
  void cmdEnde_Click();
  void cmdStarten_Click();
  void cmdHome_Click(std::int16_t index);
  void chkHeim_Click();
  void Command1_Click();
  void Command2_Click();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void CreateControls();
  void CreatePictureAreas();
  void CreateSettingsFrame();
  void CreateSimulationFrame();
  void CreateStatisticsFrame();
  void CreateStartPointCross();
  void ConnectHandlers();
  void SetTabOrder();
  void LoadArtwork();
  // Sets the control's object name and lets the layout find it by that name.
  template <class Control>
  Control* Named(Control* control, const QString& name);

  // Runs once, after the controls exist and before the window is first shown.
  void Form_Load();
  void ArrangeControls();
  void ApplyPlacement(const ControlPlacement& placement, double dpiX, double dpiY);
  void ApplyLine(const LinePlacement& line, double dpiX, double dpiY);
  static QRect PixelRect(double left, double top, double width, double height, double dpiX,
                         double dpiY);
  void FitButtonPictures();
  QSize NormalSize() const;
  void DrawFrame();

  // The walk's generator sits before the walk, which keeps a reference to it.
  GeneratorSource generator_;
  std::unique_ptr<UniformSource> injected_;
  Walk walk_;

  // Controls held by the window.
  PictureArea* picAusgabe_ = nullptr;
  PictureArea* Picture1_ = nullptr;
  PictureArea* picSchritte_ = nullptr;
  std::array<PictureArea*, 4> picRandtreffer_{};
  QLineEdit* Text4_ = nullptr;
  QLineEdit* Text3_ = nullptr;
  QPlainTextEdit* Text6_ = nullptr;
  std::array<QPushButton*, 4> cmdHome_{};
  QGroupBox* Frame1_ = nullptr;
  QGroupBox* frmSimulation_ = nullptr;
  QGroupBox* frmStatistik_ = nullptr;
  // Frame1
  QLabel* Label3_ = nullptr;
  QScrollBar* hscRaster_ = nullptr;
  QLineEdit* txtRaster_ = nullptr;
  QFrame* Line1_ = nullptr;
  QLabel* Label2_ = nullptr;
  std::array<QRadioButton*, 3> Option1_{};
  std::array<QLineEdit*, 2> Text5_{};
  QScrollBar* hscWaRi_ = nullptr;
  QFrame* Line2_ = nullptr;
  QCheckBox* chkHeim_ = nullptr;
  // frmSimulation
  QPushButton* cmdStarten_ = nullptr;
  std::array<QRadioButton*, 3> optModus_{};
  QPushButton* cmdEnde_ = nullptr;
  // frmStatistik
  std::array<QLabel*, 5> lblZuhause_{};
  std::array<QLineEdit*, 4> Text1_{};
  QLineEdit* Text2_ = nullptr;
  QPushButton* Command1_ = nullptr;
  QPushButton* Command2_ = nullptr;
  QCheckBox* Check1_ = nullptr;
  // picAusgabe
  ShapeControl* shpWippo2_ = nullptr;
  ImageControl* Image4_ = nullptr;

  QButtonGroup* option1Group_ = nullptr;
  QButtonGroup* optModusGroup_ = nullptr;
  std::unique_ptr<LatticeView> lattice_;
  std::unique_ptr<StatisticsDisplays> statistics_;

  QHash<QString, QWidget*> byName_;  // controls the layout places, by object name
  Arrangement arrangement_;
  QPixmap startPicture_;
  QPixmap startPictureAlternate_;

  // Frame pacing of a running journey.
  using Clock = std::chrono::steady_clock;
  std::uint32_t stepsSinceClockRead_ = 0;
  Clock::time_point lastFrame_{};
  int framesDrawn_ = 0;
};

}  // namespace quirlweg
