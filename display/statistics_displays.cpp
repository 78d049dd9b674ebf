#include "statistics_displays.h"

#include <QEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>

#include "engine/protocol.h"
#include "engine/text_forms.h"
#include "picture_area.h"
#include "qt_text.h"

namespace quirlweg {

namespace {

constexpr std::string_view kCoordinatesAfterReset = "(0, 0, 0)";
constexpr std::string_view kCountAfterReset = "0";
constexpr std::string_view kCrLf = "\r\n";

// The box breaks lines at "\n"; CR LF and a lone CR both become one line break.
QString ShownForm(std::string_view text) {
  std::string shown;
  shown.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r') {
      shown += text[i];
    } else {
      shown += '\n';
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    }
  }
  return ToQString(shown);
}

}  // namespace

StatisticsDisplays::StatisticsDisplays(const StatisticsWidgets& widgets, QObject* parent)
    : QObject(parent),
      w_(widgets),
      stepsPrefix_(tr("Schritte: ").toStdString()),
      protocolHeader_(tr("   Nr.  Länge   Endpunkt").toStdString() + std::string(kCrLf)) {
  Q_ASSERT(w_.coordinates && w_.steps && w_.protocol);
  // The walk counts on from what these boxes show: they show, and only the walk writes them.
  // They can still be selected and copied, and screen readers read them.
  for (QLineEdit* box : w_.countBoxes) {
    if (box != nullptr) box->setReadOnly(true);
  }
  w_.protocol->setReadOnly(true);
  w_.protocol->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  w_.protocol->installEventFilter(this);
  protocol_ = shown_ = protocolHeader_;
  w_.protocol->setPlainText(ShownForm(protocol_));
}

void StatisticsDisplays::PrintInto(PictureArea& area, std::string_view text) {
  area.Cls();
  area.Print(text);
}

// The coordinates and the step count change at every step: their texts are made only when
// someone can see them.
void StatisticsDisplays::ShowCoordinates(int x, int shownY, int z) {
  w_.coordinates->Cls();
  w_.coordinates->PrintLater([x, shownY, z] { return CoordinateText(x, shownY, z); });
}

void StatisticsDisplays::ShowCoordinateText(std::string_view text) {
  PrintInto(*w_.coordinates, text);
}

void StatisticsDisplays::ShowStepCount(std::int64_t steps) {
  w_.steps->Cls();
  w_.steps->PrintLater([this, steps] { return stepsPrefix_ + PrintForm(steps); });
}

void StatisticsDisplays::ShowHitCount(HitBox box, std::optional<double> count) {
  const auto index = static_cast<std::size_t>(box);
  if (index >= w_.hits.size() || w_.hits[index] == nullptr) return;
  PictureArea& area = *w_.hits[index];
  area.Cls();
  if (count) area.Print(PrintForm(*count));
}

std::string StatisticsDisplays::CountBoxText(CountBox box) const {
  const auto index = static_cast<std::size_t>(box);
  if (index >= w_.countBoxes.size() || w_.countBoxes[index] == nullptr) return {};
  return w_.countBoxes[index]->text().toStdString();
}

void StatisticsDisplays::SetCountBoxText(CountBox box, std::string_view text) {
  const auto index = static_cast<std::size_t>(box);
  if (index >= w_.countBoxes.size() || w_.countBoxes[index] == nullptr) return;
  QLineEdit& edit = *w_.countBoxes[index];
  const QString newText = ToQString(text);
  // Setting the same text again would still reset the box's cursor and undo history.
  if (edit.text() != newText) SetTextFromStart(edit, newText);
}

void StatisticsDisplays::SetProtocolText(std::string_view text) {
  protocol_.assign(text);
  // A hidden box catches up when it is shown.
  if (!w_.protocol->isHidden()) BringProtocolBoxUpToDate();
}

QStringList StatisticsDisplays::ProtocolLines() const {
  return ShownForm(protocol_).split(QLatin1Char('\n'));
}

void StatisticsDisplays::BringProtocolBoxUpToDate() {
  if (shown_ == protocol_) return;
  const bool extends = protocol_.size() > shown_.size() && protocol_.starts_with(shown_) &&
                       // a CR LF split between old and new text must stay one line break
                       !(shown_.ends_with('\r') && protocol_[shown_.size()] == '\n');
  if (extends) {
    QTextCursor cursor(w_.protocol->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(ShownForm(std::string_view(protocol_).substr(shown_.size())));
  } else {
    w_.protocol->setPlainText(ShownForm(protocol_));
  }
  shown_ = protocol_;
  // The newest journey in view, as the class follows them.
  w_.protocol->moveCursor(QTextCursor::End);
  w_.protocol->ensureCursorVisible();
}

bool StatisticsDisplays::eventFilter(QObject* watched, QEvent* event) {
  if (watched == w_.protocol && event->type() == QEvent::Show) BringProtocolBoxUpToDate();
  return QObject::eventFilter(watched, event);
}

void StatisticsDisplays::ResetCounters() {
  for (const CountBox box :
       {CountBox::Home, CountBox::HomeShare, CountBox::Boundary, CountBox::BoundaryShare}) {
    SetCountBoxText(box, kCountAfterReset);
  }
  PrintInto(*w_.steps, stepsPrefix_ + "0 ");  // without the sign place the steps show
  SetCountBoxText(CountBox::Mean, kCountAfterReset);
  ShowCoordinateText(kCoordinatesAfterReset);
  SetProtocolText(protocolHeader_);
  for (const HitBox box : {HitBox::Top, HitBox::Bottom, HitBox::Right, HitBox::Left}) {
    ShowHitCount(box, 0.0);
  }
}

}  // namespace quirlweg
