#include "export/lesson_tools.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

#include "export/experiment_files.h"
#include "lesson/experiment.h"
#include "window/experiment_actions.h"
#include "window/simulation.h"

namespace quirlweg {

LessonTools::LessonTools(const Simulation& simulation, QWidget* row)
    : QObject(row),
      row_(row),
      simulation_(simulation),
      files_(simulation.findChild<ExperimentFiles*>()) {
  seedRow_ = new QWidget(row);
  seedBox_ = new QLineEdit(seedRow_);
  seedBox_->setObjectName(QStringLiteral("txtStartwert"));
  seedBox_->setAccessibleName(tr("Startwert der Serie"));
  seedBox_->setToolTip(
      tr("Derselbe Startwert gibt bei derselben Einstellung und denselben Klicks dieselben "
         "Reisen. Ein neuer Startwert beginnt eine neue Serie (Enter)."));
  seedBox_->setValidator(
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{1,15}")), seedBox_));
  seedBox_->setMaxLength(15);
  seedBox_->setReadOnly(files_ == nullptr);
  auto* label = new QLabel(tr("S&tartwert:"), seedRow_);
  label->setBuddy(seedBox_);
  auto* line = new QHBoxLayout(seedRow_);
  line->setContentsMargins(0, 0, 0, 0);
  line->addWidget(label);
  line->addWidget(seedBox_, 1);
  connect(seedBox_, &QLineEdit::returnPressed, this, [this] { TakeTypedSeed(); });
  // Left without Enter, the box shows the series' seed again.
  connect(seedBox_, &QLineEdit::editingFinished, this, [this] { Refresh(); });

  save_ = new QPushButton(tr("Versuch &speichern …"), row);
  save_->setObjectName(QStringLiteral("cmdVersuchSpeichern"));
  save_->setToolTip(tr("Einstellung, Startwert und Serie als Versuchsdatei (Strg+S)"));
  open_ = new QPushButton(tr("Versuch ö&ffnen …"), row);
  open_->setObjectName(QStringLiteral("cmdVersuchOeffnen"));
  open_->setToolTip(tr("Einen gespeicherten Versuch oder eine fertige Unterrichtsstunde (Strg+O)"));
  const auto* actions = simulation.findChild<ExperimentActions*>();
  save_->setEnabled(files_ != nullptr && actions != nullptr);
  open_->setEnabled(files_ != nullptr && actions != nullptr);
  if (files_ != nullptr && actions != nullptr) {
    connect(save_, &QPushButton::clicked, this, [this] { files_->Save(row_->window()); });
    connect(open_, &QPushButton::clicked, this, [this] { files_->Open(row_->window()); });
    actions->AddTo(*row->window());
  }
  Refresh();
}

void LessonTools::Refresh() {
  const QString seed = QString::number(simulation_.Seed());
  if (!seedBox_->hasFocus() && seedBox_->text() != seed) seedBox_->setText(seed);
}

void LessonTools::TakeTypedSeed() {
  bool valid = false;
  const std::uint64_t seed = seedBox_->text().toULongLong(&valid);
  if (!valid || files_ == nullptr) return;
  if (seed != simulation_.Seed() || !simulation_.series().empty()) files_->UseSeed(seed);
  seedBox_->clearFocus();
  Refresh();
}

}  // namespace quirlweg
