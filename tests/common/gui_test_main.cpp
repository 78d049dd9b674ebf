#include <gtest/gtest.h>

#include <QApplication>

#include "display/picture_area_accessible.h"

// The window tests need one application object for the whole run. They run without a display
// and under a German locale, whatever the caller's environment says.
int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("LC_ALL", "de_DE.UTF-8");
  QApplication app(argc, argv);
  // As the program does, before any control exists: Qt keeps the first interface it makes.
  quirlweg::InstallPictureAreaAccessibility();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
