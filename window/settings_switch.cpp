#include "window/settings_switch.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QPushButton>

#include "window/window_controls.h"

namespace quirlweg {

namespace {

void ShowFrames(QPushButton& settingsSwitch, QWidget& settings, QWidget& statistics, bool lesson) {
  const bool settingsShown = !lesson || settingsSwitch.isChecked();
  settingsSwitch.setVisible(lesson);
  settings.setVisible(settingsShown);
  statistics.setVisible(!lesson || !settingsShown);
}

}  // namespace

void AddSettingsSwitch(WindowControls& c, QWidget& window) {
  auto* button =
      new QPushButton(QCoreApplication::translate("Simulation", "&Einstellungen …"), &window);
  button->setObjectName(QStringLiteral("cmdEinstellungen"));
  button->setCheckable(true);
  button->setFont(DefaultFont());
  button->setToolTip(QCoreApplication::translate(
      "Simulation", "Zeigt die Einstellungen an Stelle der Statistik und wieder zurück"));
  button->setAccessibleName(QCoreApplication::translate("Simulation", "Einstellungen"));
  button->hide();
  c.settingsSwitch = button;
  c.byName.insert(button->objectName(), button);
  QWidget* settings = c.settingsFrame;
  QWidget* statistics = c.statisticsFrame;
  // Pressed, it switches within the lesson arrangement, the only one that shows it.
  QObject::connect(button, &QPushButton::toggled, button, [button, settings, statistics] {
    ShowFrames(*button, *settings, *statistics, true);
  });
}

void ShowFramesFor(const WindowControls& c, bool lesson) {
  ShowFrames(*c.settingsSwitch, *c.settingsFrame, *c.statisticsFrame, lesson);
}

}  // namespace quirlweg
