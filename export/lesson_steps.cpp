#include "export/lesson_steps.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "window/simulation.h"

namespace quirlweg {

LessonSteps::LessonSteps(Simulation& window, bool english)
    : QDialog(&window), window_(window), english_(english) {
  setObjectName(QStringLiteral("dlgSchritte"));
  setWindowTitle(tr("Unterrichtsschritte – Quirlweg"));
  heading_ = new QLabel(this);
  heading_->setObjectName(QStringLiteral("lblSchritt"));
  QFont bold = heading_->font();
  bold.setBold(true);
  heading_->setFont(bold);
  // Plain text, whatever the file holds.
  text_ = new QLabel(this);
  text_->setObjectName(QStringLiteral("lblSchrittText"));
  question_ = new QLabel(this);
  question_->setFont(bold);
  for (QLabel* label : {text_, question_}) {
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
  }
  answer_ = new QLineEdit(this);
  answer_->setObjectName(QStringLiteral("txtAntwort"));
  answer_->setAccessibleName(tr("Antwort der Klasse"));
  answer_->setMaxLength(static_cast<int>(kLongestAnswer));
  question_->setBuddy(answer_);
  back_ = new QPushButton(tr("&Zurück"), this);
  back_->setObjectName(QStringLiteral("cmdZurueck"));
  next_ = new QPushButton(tr("&Weiter"), this);
  next_->setObjectName(QStringLiteral("cmdWeiter"));
  next_->setDefault(true);
  connect(back_, &QPushButton::clicked, this, [this] { Go(current_ - 1); });
  connect(next_, &QPushButton::clicked, this, [this] { Go(current_ + 1); });
  connect(answer_, &QLineEdit::textEdited, this, [this] { KeepAnswer(); });

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(back_);
  buttons->addWidget(next_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(heading_);
  layout->addWidget(text_);
  layout->addWidget(question_);
  layout->addWidget(answer_);
  layout->addStretch(1);
  layout->addLayout(buttons);
  setMinimumWidth(360);
}

QString LessonSteps::Pick(const std::string& german, const std::string& english) const {
  return QString::fromStdString(InLanguage(german, english, english_));
}

void LessonSteps::Take(std::vector<LessonStep> steps) {
  steps_ = std::move(steps);
  if (steps_.empty()) {
    hide();
    return;
  }
  Go(0);
  // In the screen's lower left corner, over the lattice's least used part, until moved.
  if (!isVisible()) {
    adjustSize();
    const QRect screen = window_.screen()->availableGeometry();
    move(screen.left(), screen.bottom() - frameGeometry().height());
  }
  show();
  raise();
}

void LessonSteps::Go(int step) {
  current_ = std::clamp(step, 0, static_cast<int>(steps_.size()) - 1);
  const LessonStep& shown = steps_[static_cast<std::size_t>(current_)];
  heading_->setText(tr("Schritt %1 von %2").arg(current_ + 1).arg(static_cast<int>(steps_.size())));
  text_->setText(Pick(shown.textGerman, shown.textEnglish));
  const QString question = Pick(shown.questionGerman, shown.questionEnglish);
  question_->setText(question);
  question_->setVisible(!question.isEmpty());
  answer_->setVisible(!question.isEmpty());
  answer_->setText(QString::fromStdString(shown.answer));
  back_->setEnabled(current_ > 0);
  next_->setEnabled(current_ + 1 < static_cast<int>(steps_.size()));
  if (shown.setting) window_.ApplySetting(*shown.setting);
}

void LessonSteps::KeepAnswer() {
  if (steps_.empty()) return;
  steps_[static_cast<std::size_t>(current_)].answer = answer_->text().toStdString();
}

}  // namespace quirlweg
