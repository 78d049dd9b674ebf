#include "window_rig.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QTest>
#include <cmath>
#include <cstdlib>

#include "engine/walk.h"
#include "protocol_reader.h"

namespace quirlweg::robustness {

void ClickControl(QWidget* control) {
  const bool indicator = qobject_cast<QRadioButton*>(control) || qobject_cast<QCheckBox*>(control);
  const QPoint where = indicator ? QPoint(6, control->height() / 2) : control->rect().center();
  QTest::mouseClick(control, Qt::LeftButton, {}, where);
}

void TypeInto(QWidget* control, const QString& text) {
  for (const QChar c : text) {
    if (c.unicode() < 0x80) {
      QTest::keyClick(control, static_cast<char>(c.unicode()));
    } else {
      // Qt names the key of a Latin-1 letter by its capital.
      QTest::sendKeyEvent(QTest::Click, control, static_cast<Qt::Key>(c.toUpper().unicode()),
                          QString(c), Qt::NoModifier);
    }
  }
}

NoticeCloser::NoticeCloser(std::function<void()> whileOpen) : whileOpen_(std::move(whileOpen)) {
  timer_.setInterval(0);
  QObject::connect(&timer_, &QTimer::timeout, [this] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      if (whileOpen_) whileOpen_();
      texts_ << box->text();
      captions_ << box->windowTitle();
      box->accept();
    }
  });
  timer_.start();
}

bool EdgeWithinTables(const WalkState& s) {
  const auto within = [](int index) { return index >= 0 && index < kEdgeIndexCount; };
  return within(s.edgeX + s.gridRadius) && within(s.edgeY + s.gridRadius);
}

namespace {

std::string Position(int x, int y, int z) {
  // Appended piece by piece: GCC 12 warns falsely about "(" + std::string.
  std::string text(1, '(');
  for (const int v : {x, y, z}) text.append(std::to_string(v)).append(", ");
  text.resize(text.size() - 2);
  return text += ')';
}

bool LooksNonFinite(const QString& text) {
  return text.contains(QLatin1String("nan"), Qt::CaseInsensitive) ||
         text.contains(QLatin1String("inf"), Qt::CaseInsensitive);
}

class Checker {
 public:
  explicit Checker(Simulation& window) : window_(window), s_(window.walk().state()) {}

  std::vector<std::string> Run() {
    CheckPlaces();
    CheckNumbers();
    CheckTexts();
    return std::move(problems_);
  }

 private:
  void Problem(std::string text) { problems_.push_back(std::move(text)); }

  std::string Box(const char* name) const {
    auto* box = Find<QLineEdit>(window_, name);
    return box ? box->text().toStdString() : std::string();
  }

  void CheckPlaces() {
    const int r = s_.gridRadius;
    if (r != window_.settings().LatticeSize()) {
      Problem("radius " + std::to_string(r) + " but lattice size " +
              std::to_string(window_.settings().LatticeSize()));
    }
    const auto inside = [r](int v) { return std::abs(v) < r; };
    if (!inside(s_.posX) || !inside(s_.posY) || !inside(s_.posZ)) {
      Problem("walker at " + Position(s_.posX, s_.posY, s_.posZ) + " on a lattice of radius " +
              std::to_string(r));
    }
    if (!inside(s_.homeX) || !inside(s_.homeY)) {
      Problem("start point at " + Position(s_.homeX, s_.homeY, 0) + " on a lattice of radius " +
              std::to_string(r));
    }
    if (s_.prevX != s_.posX || s_.prevY != s_.posY || s_.prevZ != s_.posZ) {
      Problem("previous position " + Position(s_.prevX, s_.prevY, s_.prevZ) + " is not " +
              Position(s_.posX, s_.posY, s_.posZ));
    }
  }

  void CheckNumbers() {
    if (s_.journeyCount < 0 || s_.journeyCount > kJourneysBeforeRestart) {
      Problem("journey count " + std::to_string(s_.journeyCount));
    }
    if (!std::isfinite(s_.hitsTop) || s_.hitsTop < 0 || s_.hitsTop > s_.journeyCount) {
      Problem("top hits " + std::to_string(s_.hitsTop));
    }
    if (!std::isfinite(s_.walkerSize) || s_.walkerSize <= 0) {
      Problem("walker size " + std::to_string(s_.walkerSize));
    }
    if (s_.stepCount < 0 || s_.lengthSum < 0) Problem("negative step count or length sum");
  }

  void CheckTexts() {
    for (const QLineEdit* box : window_.findChildren<QLineEdit*>()) {
      if (LooksNonFinite(box->text())) {
        Problem(box->objectName().toStdString() + " shows \"" + box->text().toStdString() + '"');
      }
    }
    const std::string protocol = window_.statistics().ProtocolText();
    if (LooksNonFinite(QString::fromStdString(protocol))) Problem("the protocol shows nan or inf");
    const char separator = window_.settings().DecimalSeparator();
    const double home = ValueOf(Box("Text1(0)"));
    const double boundary = ValueOf(Box("Text1(2)"));

    {
      const ListSummary list = Summarise(protocol);
      if (!list.problem.empty()) Problem("protocol: " + list.problem);
      if (list.entries != s_.journeyCount) {
        Problem("protocol has " + std::to_string(list.entries) + " entries for " +
                std::to_string(s_.journeyCount) + " journeys");
      }
      if (list.lengths != s_.lengthSum) {
        Problem("protocol lengths add up to " + std::to_string(list.lengths) + ", not " +
                std::to_string(s_.lengthSum));
      }
      if (list.homeEnds != home) {
        Problem(std::to_string(list.homeEnds) + " protocol entries end at home, Text1(0) says " +
                Box("Text1(0)"));
      }
    }
    if (home + boundary != s_.journeyCount) {
      Problem("Text1(0) \"" + Box("Text1(0)") + "\" and Text1(2) \"" + Box("Text1(2)") + "\" for " +
              std::to_string(s_.journeyCount) + " journeys");
    }
    {
      const std::string homeShare = LocaleForm(ShareOf(home, boundary), separator);
      const std::string boundaryShare = LocaleForm(ShareOf(boundary, home), separator);
      if (Box("Text1(1)") != homeShare || Box("Text1(3)") != boundaryShare) {
        Problem("shares \"" + Box("Text1(1)") + "\" and \"" + Box("Text1(3)") + "\", not \"" +
                homeShare + "\" and \"" + boundaryShare + '"');
      }
    }
    {
      const std::string mean =
          s_.journeyCount > 0 ? LocaleForm(MeanLength(s_.lengthSum, s_.journeyCount), separator)
                              : "0";
      if (Box("Text2") != mean) Problem("mean \"" + Box("Text2") + "\", not \"" + mean + '"');
    }
  }

  Simulation& window_;
  const WalkState& s_;
  std::vector<std::string> problems_;
};

}  // namespace

std::vector<std::string> Problems(Simulation& window) {
  return Checker(window).Run();
}

}  // namespace quirlweg::robustness
