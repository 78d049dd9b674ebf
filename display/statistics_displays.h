#pragma once

#include <QObject>
#include <QStringList>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/display_roles.h"

class QLineEdit;
class QPlainTextEdit;

namespace quirlweg {

class PictureArea;

// The widgets the statistics live in; indices are the CountBox and HitBox values.
struct StatisticsWidgets {
  PictureArea* coordinates = nullptr;      // the walker's position
  PictureArea* steps = nullptr;            // the step count
  std::array<PictureArea*, 4> hits{};      // top, right, bottom, left
  std::array<QLineEdit*, 5> countBoxes{};  // by CountBox: four counts, the mean
  QPlainTextEdit* protocol = nullptr;      // the protocol list
};

// The coordinate, step, count, hit and protocol displays.
//
// The protocol text is kept as an exact copy (CR LF line ends) that the walk reads back; the
// box shows it with ordinary line breaks and is brought up to date cheaply: an extended text
// only appends its new part, and while the box is hidden it is updated once it is shown. The
// count boxes and the protocol are read-only: only the walk writes them.
class StatisticsDisplays final : public QObject, public StatisticsDisplay {
  Q_OBJECT

 public:
  explicit StatisticsDisplays(const StatisticsWidgets& widgets, QObject* parent = nullptr);

  // StatisticsDisplay
  void ShowCoordinates(int x, int shownY, int z) override;
  void ShowStepCount(std::int64_t steps) override;
  void ShowHitCount(HitBox box, std::optional<double> count) override;
  std::string CountBoxText(CountBox box) const override;
  void SetCountBoxText(CountBox box, std::string_view text) override;
  std::string ProtocolText() const override { return protocol_; }
  void SetProtocolText(std::string_view text) override;
  void ResetCounters() override;

  // Clears the coordinate area and prints the text as it is.
  void ShowCoordinateText(std::string_view text);
  // The protocol as the box shows it, line by line, the header first.
  QStringList ProtocolLines() const;
  // The empty protocol: its header line, in the user's language, with CR LF.
  const std::string& ProtocolHeader() const { return protocolHeader_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BringProtocolBoxUpToDate();
  static void PrintInto(PictureArea& area, std::string_view text);

  StatisticsWidgets w_;
  const std::string stepsPrefix_;  // "Schritte: "
  const std::string protocolHeader_;
  std::string protocol_;  // the text as the walk wrote it
  std::string shown_;     // the text the box shows, in the same CR LF form
};

}  // namespace quirlweg
