#include "figures/exact_statistics.h"

#include <QEventLoop>
#include <QTimer>
#include <chrono>
#include <stdexcept>
#include <utility>

#include "series/series_summary.h"

namespace quirlweg {

ExactStatistics::ExactStatistics(QObject* parent) : QObject(parent) {}

ExactStatistics::~ExactStatistics() = default;

void ExactStatistics::Request(const theory::Setting& setting) {
  if (requested_ && SameWalk(setting, setting_)) return;
  requested_ = true;
  setting_ = setting;
  values_.reset();
  const std::uint64_t request = ++request_;
  // Replacing the worker asks the old one to stop and waits for it; the library asks its
  // cancellation often, so that wait is short.
  worker_ = std::jthread([this, setting, request](std::stop_token stop) {
    std::optional<theory::JourneyStatistics> values;
    try {
      values = theory::ComputeJourneyStatistics(
          setting, theory::Cancellation([stop] { return stop.stop_requested(); }));
    } catch (const std::invalid_argument&) {
      return;  // a setting the walk cannot have: the values stay unknown
    }
    if (!values) return;
    // Handed to the GUI thread; dropped there if a newer request came in meanwhile.
    QMetaObject::invokeMethod(
        this, [this, request, v = std::move(*values)]() mutable { Deliver(request, std::move(v)); },
        Qt::QueuedConnection);
  });
  emit Changed();
}

void ExactStatistics::Deliver(std::uint64_t request, theory::JourneyStatistics values) {
  if (request != request_) return;
  values_ = std::move(values);
  emit Changed();
}

void ExactStatistics::SetPredictFirst(bool first) {
  if (first == predictFirst_ && (!first || !revealed_)) return;
  predictFirst_ = first;
  revealed_ = false;
  emit Changed();
}

void ExactStatistics::Reveal() {
  if (!hidden()) return;
  revealed_ = true;
  emit Changed();
}

void ExactStatistics::SetGuess(std::optional<ClassGuess> guess) {
  if (guess == guess_) return;
  guess_ = guess;
  emit Changed();
}

void ExactStatistics::AwaitValues() const {
  if (values_) return;
  QEventLoop loop;
  connect(this, &ExactStatistics::Changed, &loop, [&] {
    if (values_) loop.quit();
  });
  QTimer::singleShot(std::chrono::minutes(1), &loop, &QEventLoop::quit);
  loop.exec();
}

}  // namespace quirlweg
