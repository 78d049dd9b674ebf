#pragma once

#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QString>
#include <QTest>
#include <memory>
#include <utility>
#include <vector>

#include "engine/uniform_source.h"
#include "evaluation/evaluation.h"
#include "window/simulation.h"

namespace quirlweg {

// Lets the event loop run until `done` holds, for background computations and the
// windows' polling; false when ten seconds were not enough.
template <class Done>
bool Eventually(Done done) {
  QDeadlineTimer deadline(10000);
  while (!done()) {
    if (deadline.hasExpired()) return false;
    QTest::qWait(10);
  }
  return true;
}

// Plays its script, then keeps returning 0. In two dimensions u = 0 steps right (+x), 1/6
// left, 2/6 up, 3/6 down.
class ScriptedSource final : public UniformSource {
 public:
  float Next() override { return next_ < script_.size() ? script_[next_++] : 0.0F; }
  void Play(std::vector<float> script) {
    script_ = std::move(script);
    next_ = 0;
  }

 private:
  std::vector<float> script_;
  std::size_t next_ = 0;
};

inline constexpr float kRight = 0.0F;
inline constexpr float kLeft = 1.5F / 6;
inline constexpr float kUp = 2.5F / 6;

// A fresh window on a scripted source for every test, its controls found by object name.
class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    auto source = std::make_unique<ScriptedSource>();
    source_ = source.get();
    window_ = std::make_unique<Simulation>(std::move(source));
    new Evaluation(*window_);  // a child of the window, as in the program
    window_->show();
  }

  template <class Control = QWidget>
  Control* Find(const char* name) const {
    auto* control = window_->findChild<Control*>(QString::fromLatin1(name));
    EXPECT_NE(control, nullptr) << name;
    return control;
  }
  void Click(const char* name) const { QTest::mouseClick(Find(name), Qt::LeftButton); }

  ScriptedSource* source_ = nullptr;
  std::unique_ptr<Simulation> window_;
};

}  // namespace quirlweg
