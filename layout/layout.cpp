#include "layout/layout.h"

#include <algorithm>
#include <array>

#include "layout/twips.h"

namespace quirlweg {
namespace {

// Design multipliers: twips and points at factor 1. A font size of 0 leaves the font alone.
struct DesignRow {
  std::string_view name;
  double left, top, width, height, fontSize;
};

constexpr std::array kDesignRows{
    DesignRow{"picSchritte", 7000, 60, 1400, 255, 10},
    DesignRow{"picAusgabe", 360, 440, 7852, 7852, 0},
    // The lattice is drawn here.
    DesignRow{"chkHeim", 240, 1800, 2700, 372, 12},
    DesignRow{"Check1", 240, 2160, 2172, 372, 8},
    DesignRow{"cmdEnde", 200, 2480, 2004, 312, 10},
    // On the plane note's row, its right edge on the lattice view's.
    DesignRow{"cmdAuswertung", 6712, 8280, 1500, 272, 8},
    DesignRow{"cmdHome(0)", 780, 7260, 252, 252, 8},
    DesignRow{"cmdHome(1)", 1260, 7260, 252, 252, 8},
    DesignRow{"cmdHome(2)", 1020, 7020, 252, 252, 8},
    DesignRow{"cmdHome(3)", 1020, 7500, 252, 252, 8},
    DesignRow{"cmdStarten", 200, 400, 2004, 2004, 10},
    DesignRow{"Command1", 240, 1800, 1500, 240, 8},
    DesignRow{"Command2", 1760, 1800, 1500, 240, 8},
    DesignRow{"Frame1", 8440, 320, 3452, 2292, 10},
    DesignRow{"frmSimulation", 8440, 2680, 3452, 2892, 10},
    DesignRow{"frmStatistik", 8440, 5680, 3452, 2612, 10},
    DesignRow{"hscRaster", 1000, 240, 1200, 260, 0},
    DesignRow{"hscWaRi", 1380, 1200, 732, 252, 0},
    DesignRow{"Label2", 240, 840, 1452, 372, 12},
    DesignRow{"Label3", 240, 240, 800, 372, 12},
    DesignRow{"lblZuhause(0)", 240, 360, 800, 372, 10},
    DesignRow{"lblZuhause(1)", 240, 840, 800, 372, 10},
    DesignRow{"lblZuhause(2)", 2800, 840, 372, 372, 12},
    DesignRow{"lblZuhause(3)", 2800, 360, 372, 372, 12},
    DesignRow{"lblZuhause(4)", 240, 1320, 3012, 372, 10},
    DesignRow{"Option1(0)", 1600, 800, 612, 372, 12},
    DesignRow{"Option1(1)", 2000, 800, 612, 372, 12},
    DesignRow{"Option1(2)", 2400, 800, 612, 372, 12},
    DesignRow{"optModus(0)", 2320, 360, 1000, 372, 8},
    DesignRow{"optModus(1)", 2320, 720, 1000, 372, 8},
    DesignRow{"optModus(2)", 2320, 1080, 1000, 372, 8},
    DesignRow{"lblTempo", 2320, 1500, 1030, 280, 8},
    DesignRow{"sldTempo", 2320, 1800, 1030, 300, 0},
    DesignRow{"txtTempo", 2320, 2120, 1030, 280, 8},
    DesignRow{"Picture1", 1200, 60, 1400, 200, 10},
    DesignRow{"picRandtreffer(0)", 4080, 440, 415, 255, 8},
    DesignRow{"picRandtreffer(1)", 7800, 4080, 415, 255, 8},
    DesignRow{"picRandtreffer(2)", 4080, 8040, 415, 255, 8},
    DesignRow{"picRandtreffer(3)", 360, 4080, 415, 255, 8},
    DesignRow{"Text1(0)", 1240, 360, 600, 240, 10},
    DesignRow{"Text1(1)", 2000, 360, 600, 240, 10},
    DesignRow{"Text1(2)", 1240, 840, 600, 240, 10},
    DesignRow{"Text1(3)", 2000, 840, 600, 240, 10},
    DesignRow{"Text2", 2000, 1320, 600, 240, 10},
    DesignRow{"Text3", 360, 8280, 1052, 272, 8},
    DesignRow{"Text4", 360, 60, 700, 255, 10},
    DesignRow{"Text6", 2000, 5880, 4452, 1812, 12},
    DesignRow{"Text5(0)", 240, 1200, 1060, 288, 8},
    DesignRow{"Text5(1)", 2200, 1200, 1060, 288, 8},
    DesignRow{"txtRaster", 2300, 240, 1000, 260, 12},
};

struct DesignLine {
  std::string_view name;
  double x1, x2, y1, y2;
};

constexpr std::array kDesignLines{
    DesignLine{"Line1", 240, 3280, 620, 620},
    DesignLine{"Line2", 240, 3280, 1600, 1600},
};

constexpr const DesignRow& DesignRowOf(std::string_view name) {
  return *std::find_if(kDesignRows.begin(), kDesignRows.end(),
                       [name](const DesignRow& row) { return row.name == name; });
}

// The window's extent at factor 1; the right frame and the evaluation button end the area.
constexpr DesignRow kView = DesignRowOf("picAusgabe");
constexpr double kDesignWidth =
    DesignRowOf("Frame1").left + DesignRowOf("Frame1").width + kView.left;
constexpr double kDesignHeight =
    DesignRowOf("cmdAuswertung").top + DesignRowOf("cmdAuswertung").height + kView.top;

template <class Row>
const Row* FindByName(const std::vector<Row>& rows, std::string_view name) {
  const auto it =
      std::find_if(rows.begin(), rows.end(), [name](const Row& row) { return row.name == name; });
  return it == rows.end() ? nullptr : &*it;
}

}  // namespace

const ControlPlacement* Arrangement::Find(std::string_view name) const {
  return FindByName(controls, name);
}

const LinePlacement* Arrangement::FindLine(std::string_view name) const {
  return FindByName(lines, name);
}

Arrangement ArrangeControls(double screenWidthTwips, double screenHeightTwips) {
  Arrangement a;
  a.scaleX = screenWidthTwips / kRefScreenWidth;
  a.scaleY = screenHeightTwips / kRefScreenHeight;
  a.fontScale = a.scaleY < a.scaleX ? a.scaleY : a.scaleX;

  a.controls.reserve(kDesignRows.size());
  for (const DesignRow& row : kDesignRows) {
    ControlPlacement placed{row.name,
                            Single(row.left * a.scaleX),
                            Single(row.top * a.scaleY),
                            Single(row.width * a.scaleX),
                            Single(row.height * a.scaleY),
                            std::nullopt};
    if (row.fontSize > 0) placed.fontSize = Single(row.fontSize * a.fontScale);
    a.controls.push_back(placed);
  }
  a.lines.reserve(kDesignLines.size());
  for (const DesignLine& line : kDesignLines) {
    a.lines.push_back({line.name, Single(line.x1 * a.scaleX), Single(line.x2 * a.scaleX),
                       Single(line.y1 * a.scaleY), Single(line.y2 * a.scaleY)});
  }
  return a;
}

Extent WindowExtent(const Arrangement& arrangement) {
  return {kDesignWidth * arrangement.scaleX, kDesignHeight * arrangement.scaleY};
}

}  // namespace quirlweg
