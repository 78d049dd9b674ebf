#include <QApplication>

#include "ui/simulation.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QGuiApplication::setDesktopFileName(QStringLiteral("quirlweg"));
  quirlweg::Simulation window;
  window.showMaximized();
  return QApplication::exec();
}
