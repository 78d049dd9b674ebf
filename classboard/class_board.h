#pragma once

#include <QWidget>
#include <functional>
#include <optional>

#include "classserver/class_server.h"
#include "engine/settings.h"
#include "lesson/experiment.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace quirlweg {

class ClassPicture;
class PoolEvaluation;

// The teacher's board of a class: the address with its QR code and the class code for the
// pupils, the pooled journeys beside the exact chance, every device's share against the band
// for its journeys, and the teacher's commands. It runs the class server in this program; the
// server goes on while the board is hidden and stops with the program or "Beenden".
class ClassBoard final : public QWidget {
  Q_OBJECT

 public:
  // `setting` is the main window's, taken for the first round and each new one.
  ClassBoard(std::function<JourneySetting()> setting, QWidget* parent);
  // A class saved to `path`, shown as its board showed it, with nothing to command: no server
  // runs for it. Deletes itself when closed.
  ClassBoard(classroom::Classroom saved, const QString& path, QWidget* parent);

  // Starts the server; false, told in a message, where it could not.
  bool Start();
  bool Ended() const { return Class().Ended(); }
  // Whether the board runs a class, rather than showing one saved.
  bool Live() const { return !saved_; }

 private:
  void Build();
  QWidget* BuildTop();
  QWidget* BuildButtons();
  void Refresh();
  void RefreshDevices();
  void NewRound();
  void RemoveChosen();
  void EndClass();
  const classroom::Classroom& Class() const {
    return saved_ ? *saved_ : server_.Protocol().classroom();
  }
  QString DeviceName(const classroom::Device& device) const;

  std::function<JourneySetting()> setting_;
  ClassServer server_;
  std::optional<classroom::Classroom> saved_;
  QLabel* address_ = nullptr;
  QLabel* code_ = nullptr;
  QLabel* qr_ = nullptr;
  QLabel* figures_ = nullptr;
  ClassPicture* picture_ = nullptr;
  PoolEvaluation* pool_ = nullptr;
  QTableWidget* devices_ = nullptr;
  QPushButton* pause_ = nullptr;
  QCheckBox* allowNames_ = nullptr;
  QCheckBox* hideNames_ = nullptr;
  QList<QWidget*> commands_;
};

// Opens a board for the class saved in `experiment` (read from `path`), its pool walked again
// from the devices' seeds; false, told in a message, where the pool is no class's.
bool ShowSavedClass(const Experiment& experiment, const QString& path, QWidget* parent);

}  // namespace quirlweg
