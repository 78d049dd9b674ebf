#include <gtest/gtest.h>

#include <QApplication>

// One application object for the whole run, without a display and under a German locale,
// whatever the caller's environment says. Closing a window with the end button must not end
// the run.
int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("LC_ALL", "de_DE.UTF-8");
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
