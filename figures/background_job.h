#pragma once

#include <QMetaObject>
#include <QObject>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <stop_token>
#include <thread>
#include <utility>

#include "theory/cancellation.h"

namespace quirlweg {

// One computation at a time off the GUI thread, for a page that shows exact values: a new one
// cancels the one still running, and a result reaches the page only if no newer computation
// was started meanwhile. Results are handed over on `context`'s thread, and dropped once
// `context` is gone, so the page owning the job owns its context too.
template <class Value>
class BackgroundJob {
 public:
  explicit BackgroundJob(QObject* context) : context_(context) {}

  // `compute(cancellation)` gives an optional Value on the worker; `deliver(Value)` runs on the
  // GUI thread. A computation that throws std::invalid_argument (a setting the walk cannot
  // have) or is cancelled delivers nothing.
  template <class Compute, class Deliver>
  void Start(Compute compute, Deliver deliver) {
    const std::uint64_t job = ++job_;
    // Replacing the worker asks the old one to stop and waits for it; the library asks its
    // cancellation often, so that wait is short.
    worker_ = std::jthread([this, job, compute = std::move(compute),
                            deliver = std::move(deliver)](std::stop_token stop) {
      std::optional<Value> value;
      try {
        value = compute(theory::Cancellation([stop] { return stop.stop_requested(); }));
      } catch (const std::invalid_argument&) {
        return;
      }
      if (!value) return;
      QMetaObject::invokeMethod(
          context_,
          [this, job, deliver, v = std::move(*value)]() mutable {
            if (job == job_) deliver(std::move(v));
          },
          Qt::QueuedConnection);
    });
  }

  // Stops what is running; nothing it computed arrives.
  void Cancel() {
    ++job_;
    worker_ = std::jthread();
  }

 private:
  QObject* context_;
  std::uint64_t job_ = 0;  // touched on the GUI thread only
  // Declared last: destroyed first, so the worker stops and is joined before the rest goes.
  std::jthread worker_;
};

}  // namespace quirlweg
