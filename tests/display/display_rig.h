#pragma once

// The display widgets of the window, built bare.

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QWidget>
#include <array>
#include <memory>

#include "common/program_texts.h"
#include "display/controls.h"
#include "display/lattice_view.h"
#include "display/picture_area.h"
#include "display/statistics_displays.h"
#include "engine/protocol.h"

namespace quirlweg::testing {

inline const QColor kLatticeBack(224, 224, 224);
inline const QColor kTraceInk(0, 0, 0);

struct DisplayRig {
  DisplayRig() {
    lattice->SetFlatBorder(false);
    lattice->resize(440, 424);  // 200 / R pixels per lattice unit either way
    lattice->SetBackColor(kLatticeBack);
    lattice->SetForeColor(kTraceInk);
    for (PictureArea*& area : hits) area = new PictureArea(&window);
    for (QLineEdit*& box : boxes) box = new QLineEdit(QStringLiteral("0"), &window);
    protocol->setPlainText(QString::fromUtf8(kProtocolHeader.data(), kProtocolHeader.size()));
    stats = std::make_unique<StatisticsDisplays>(
        StatisticsWidgets{coordinates, steps, hits, boxes, protocol});
  }

  QWidget window;
  PictureArea* lattice = new PictureArea(&window);
  ImageControl* walker = new ImageControl(lattice);
  ShapeControl* marker = new ShapeControl(lattice);
  PictureArea* coordinates = new PictureArea(&window);
  PictureArea* steps = new PictureArea(&window);
  std::array<PictureArea*, 4> hits{};
  std::array<QLineEdit*, 5> boxes{};
  QPlainTextEdit* protocol = new QPlainTextEdit(&window);
  LatticeView view{*lattice, *walker, *marker};
  std::unique_ptr<StatisticsDisplays> stats;
};

}  // namespace quirlweg::testing
