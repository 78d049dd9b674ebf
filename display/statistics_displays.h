#pragma once

#include <QObject>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/display_sink.h"

class QLineEdit;
class QPlainTextEdit;

namespace quirlweg {

class PictureArea;

// The widgets the statistics live in; indices are the CountBox and HitBox values.
struct StatisticsWidgets {
  PictureArea* coordinates = nullptr;      // Picture1
  PictureArea* steps = nullptr;            // picSchritte
  std::array<PictureArea*, 4> hits{};      // picRandtreffer(0..3): top, right, bottom, left
  std::array<QLineEdit*, 5> countBoxes{};  // Text1(0..3), Text2
  QPlainTextEdit* protocol = nullptr;      // Text6
};

// The coordinate, step, count, hit and protocol displays.
//
// The protocol text is kept as an exact copy (CR LF line ends) that the walk reads back; the
// box shows it with ordinary line breaks and is brought up to date cheaply: an extended text
// only appends its new part, and while the box is hidden it is updated once it is shown. What
// the user types into the box becomes the copy, with CR LF line ends.
class StatisticsDisplays : public QObject {
  Q_OBJECT

 public:
  explicit StatisticsDisplays(const StatisticsWidgets& widgets, QObject* parent = nullptr);

  // Clears Picture1 and prints "(" x "," y "," z ")" with the numbers in PrintForm.
  void ShowCoordinates(int x, int shownY, int z);
  // Clears Picture1 and prints the text as it is.
  void ShowCoordinateText(std::string_view text);
  // Clears picSchritte and prints "Schritte: " and the count in PrintForm.
  void ShowStepCount(std::int64_t steps);
  // Clears the hit box and prints the counter in PrintForm; an unset counter prints nothing.
  void ShowHitCount(HitBox box, std::optional<double> count);

  std::string CountBoxText(CountBox box) const;
  void SetCountBoxText(CountBox box, std::string_view text);

  std::string ProtocolText() const { return protocol_; }
  void SetProtocolText(std::string_view text);

  // "0" in the four count boxes, "Schritte: 0 ", "0" mean, "(0, 0, 0)", the empty protocol and
  // " 0 " in the hit boxes top, bottom, right, left.
  void ResetCounters();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void TakeUserEdit();
  void BringProtocolBoxUpToDate();
  static void PrintInto(PictureArea& area, std::string_view text);

  StatisticsWidgets w_;
  std::string protocol_;  // the text as the walk wrote it or the user edited it
  std::string shown_;     // the text the box shows, in the same CR LF form
  bool updatingBox_ = false;
};

}  // namespace quirlweg
