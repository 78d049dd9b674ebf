#include "window/journey_announcements.h"

#include <QAccessible>
#include <QWidget>
#include <chrono>

#include "display/picture_area.h"
#include "window/simulation.h"

namespace quirlweg {
namespace {

constexpr std::chrono::milliseconds kPoll{250};

QString SideOf(JourneyEnd end) {
  switch (end) {
    case JourneyEnd::Top:
      return JourneyAnnouncements::tr("oben");
    case JourneyEnd::Right:
      return JourneyAnnouncements::tr("rechts");
    case JourneyEnd::Bottom:
      return JourneyAnnouncements::tr("unten");
    case JourneyEnd::Left:
      return JourneyAnnouncements::tr("links");
    case JourneyEnd::ZFace:
      return JourneyAnnouncements::tr("an einer z-Fläche");
    case JourneyEnd::Home:
      break;
  }
  return {};
}

}  // namespace

JourneyAnnouncements::JourneyAnnouncements(Simulation& window) : QObject(&window), window_(window) {
  clock_.start();
  poll_.setInterval(kPoll);
  connect(&poll_, &QTimer::timeout, this, &JourneyAnnouncements::Follow);
  poll_.start();
}

QString JourneyAnnouncements::TextOf(const Announcement& a) {
  if (a.Summary()) {
    return tr("Reisen %1–%2: %3 zu Hause, %4 am Rand")
        .arg(a.first)
        .arg(a.last)
        .arg(a.home)
        .arg(a.boundary);
  }
  const JourneyRecord& j = a.journey;
  const QString steps =
      j.length == 1 ? tr("nach 1 Schritt") : tr("nach %1 Schritten").arg(j.length);
  if (j.end == JourneyEnd::Home) return tr("Reise %1: zu Hause, %2").arg(a.last).arg(steps);
  return tr("Reise %1: am Rand, %2, %3").arg(a.last).arg(SideOf(j.end), steps);
}

void JourneyAnnouncements::Follow() {
  const auto now = std::chrono::milliseconds(clock_.elapsed());
  const auto announcement = announcer_.Next(window_.series(), now);
  if (!announcement) return;
  said_ = TextOf(*announcement);
  QWidget* view = window_.controls().latticeView;
  view->setAccessibleDescription(said_);
  // Qt 6.4 has no announcement of its own: a changed description of the view, and an alert.
  QAccessibleEvent changed(view, QAccessible::DescriptionChanged);
  QAccessible::updateAccessibility(&changed);
  QAccessibleEvent alert(view, QAccessible::Alert);
  QAccessible::updateAccessibility(&alert);
}

}  // namespace quirlweg
