#include "layout/lesson_layout.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "layout/twips.h"

namespace quirlweg {
namespace {

// Where a control lies: above the frames' row, or a frame of it, or in one of its frames.
enum class Part { kAbove, kFrame, kInFrame };

// Pixels at 96 dots per inch and points at scale 1; a font size of 0 leaves the font alone.
struct LessonRow {
  std::string_view name;
  double left, top, width, height, fontSize;
  Part part;
};

constexpr double kText = kLessonTextPoints;
constexpr double kFigure = kLessonFigurePoints;
// Serif texts look smaller than the sans serif ones at the same size.
constexpr double kSerifText = 10.5;

constexpr std::array kLessonRows{
    LessonRow{"picSchritte", 330, 4, 162, 24, kFigure, Part::kAbove},
    LessonRow{"picAusgabe", 8, 32, 484, 484, 0, Part::kAbove},
    // The lattice is drawn here.
    LessonRow{"Text4", 8, 4, 56, 24, kText, Part::kAbove},
    LessonRow{"Picture1", 64, 4, 190, 24, kFigure, Part::kAbove},
    LessonRow{"picRandtreffer(0)", 225, 32, 50, 22, kFigure, Part::kAbove},
    LessonRow{"picRandtreffer(1)", 442, 263, 50, 22, kFigure, Part::kAbove},
    LessonRow{"picRandtreffer(2)", 225, 494, 50, 22, kFigure, Part::kAbove},
    LessonRow{"picRandtreffer(3)", 8, 263, 50, 22, kFigure, Part::kAbove},
    // The start-point cross in the lattice view's lower left corner, as in the classic layout.
    LessonRow{"cmdHome(0)", 28, 450, 24, 24, kText, Part::kAbove},
    LessonRow{"cmdHome(1)", 76, 450, 24, 24, kText, Part::kAbove},
    LessonRow{"cmdHome(2)", 52, 426, 24, 24, kText, Part::kAbove},
    LessonRow{"cmdHome(3)", 52, 474, 24, 24, kText, Part::kAbove},
    LessonRow{"Text6", 110, 356, 300, 130, kText, Part::kAbove},
    // Below the lattice view: the plane note, the settings panel's switch, the evaluation.
    LessonRow{"Text3", 8, 522, 120, 26, kText, Part::kAbove},
    LessonRow{"cmdEinstellungen", 222, 522, 144, 26, kText, Part::kAbove},
    LessonRow{"cmdAuswertung", 372, 522, 120, 26, kText, Part::kAbove},
    LessonRow{"frmSimulation", 8, 552, 224, 174, kText, Part::kFrame},
    LessonRow{"cmdStarten", 8, 20, 84, 84, kText, Part::kInFrame},
    LessonRow{"optModus(0)", 98, 18, 122, 26, kText, Part::kInFrame},
    LessonRow{"optModus(1)", 98, 44, 122, 26, kText, Part::kInFrame},
    LessonRow{"optModus(2)", 98, 70, 122, 26, kText, Part::kInFrame},
    LessonRow{"lblTempo", 8, 112, 50, 22, kText, Part::kInFrame},
    LessonRow{"txtTempo", 58, 112, 110, 22, kText, Part::kInFrame},
    LessonRow{"cmdEnde", 170, 108, 48, 28, kText, Part::kInFrame},
    LessonRow{"sldTempo", 8, 140, 210, 28, 0, Part::kInFrame},
    // The statistics and, on demand, the settings share the place beside the run frame.
    LessonRow{"frmStatistik", 240, 552, 252, 174, kText, Part::kFrame},
    LessonRow{"lblZuhause(0)", 8, 20, 80, 26, kSerifText, Part::kInFrame},
    LessonRow{"Text1(0)", 88, 20, 62, 26, kFigure, Part::kInFrame},
    LessonRow{"Text1(1)", 154, 20, 72, 26, kFigure, Part::kInFrame},
    LessonRow{"lblZuhause(3)", 230, 20, 18, 26, kText, Part::kInFrame},
    LessonRow{"lblZuhause(1)", 8, 50, 80, 26, kSerifText, Part::kInFrame},
    LessonRow{"Text1(2)", 88, 50, 62, 26, kFigure, Part::kInFrame},
    LessonRow{"Text1(3)", 154, 50, 72, 26, kFigure, Part::kInFrame},
    LessonRow{"lblZuhause(2)", 230, 50, 18, 26, kText, Part::kInFrame},
    LessonRow{"lblZuhause(4)", 8, 80, 144, 26, kSerifText, Part::kInFrame},
    LessonRow{"Text2", 154, 80, 72, 26, kFigure, Part::kInFrame},
    LessonRow{"Command1", 8, 110, 116, 28, kSerifText, Part::kInFrame},
    LessonRow{"Command2", 128, 110, 116, 28, kSerifText, Part::kInFrame},
    LessonRow{"Check1", 8, 142, 236, 26, kSerifText, Part::kInFrame},
    LessonRow{"Frame1", 240, 552, 252, 174, kText, Part::kFrame},
    LessonRow{"Label3", 8, 20, 60, 26, kText, Part::kInFrame},
    LessonRow{"hscRaster", 70, 22, 88, 22, 0, Part::kInFrame},
    LessonRow{"txtRaster", 162, 20, 82, 26, kFigure, Part::kInFrame},
    LessonRow{"Label2", 8, 56, 86, 28, kText, Part::kInFrame},
    LessonRow{"Option1(0)", 96, 56, 48, 28, 12, Part::kInFrame},
    LessonRow{"Option1(1)", 146, 56, 48, 28, 12, Part::kInFrame},
    LessonRow{"Option1(2)", 196, 56, 48, 28, 12, Part::kInFrame},
    LessonRow{"Text5(0)", 8, 88, 116, 24, kFigure, Part::kInFrame},
    LessonRow{"Text5(1)", 128, 88, 116, 24, kFigure, Part::kInFrame},
    LessonRow{"hscWaRi", 8, 114, 236, 18, 0, Part::kInFrame},
    LessonRow{"chkHeim", 8, 140, 236, 28, kSerifText, Part::kInFrame},
};

struct LessonLine {
  std::string_view name;
  double x1, x2, y;
};

constexpr std::array kLessonLines{
    LessonLine{"Line1", 8, 244, 50},
    LessonLine{"Line2", 8, 244, 136},
};

constexpr double kTwipsPerPixel = 15;  // at 96 dots per inch
constexpr double kFramesHeight = 174;  // the frames' row below the lattice view

}  // namespace

double LessonScale(int screenWidth, int screenHeight) {
  return std::min(static_cast<double>(screenWidth) / kLessonScreenWidth,
                  static_cast<double>(screenHeight) / kLessonScreenHeight);
}

Arrangement ArrangeForLesson(double areaWidthTwips, double areaHeightTwips) {
  Arrangement a;
  const double scale = std::min(areaWidthTwips / (kLessonWidth * kTwipsPerPixel),
                                areaHeightTwips / (kLessonHeight * kTwipsPerPixel));
  a.scaleX = a.scaleY = a.fontScale = scale;
  const double twips = scale * kTwipsPerPixel;
  // An area taller than the arrangement's proportions (a 5:4 screen) gives the rest of its
  // height to the frames, whose rows spread out, rather than leave a band empty below them.
  const double extra = std::max(0.0, areaHeightTwips - kLessonHeight * twips);
  const double spread = (kFramesHeight * twips + extra) / (kFramesHeight * twips);
  a.controls.reserve(kLessonRows.size());
  for (const LessonRow& row : kLessonRows) {
    ControlPlacement placed{row.name,
                            Single(row.left * twips),
                            Single(row.top * twips * (row.part == Part::kInFrame ? spread : 1)),
                            Single(row.width * twips),
                            Single(row.height * twips + (row.part == Part::kFrame ? extra : 0)),
                            std::nullopt};
    if (row.fontSize > 0) placed.fontSize = Single(row.fontSize * scale);
    a.controls.push_back(placed);
  }
  for (const LessonLine& line : kLessonLines) {
    const double y = line.y * twips * spread;
    a.lines.push_back(
        {line.name, Single(line.x1 * twips), Single(line.x2 * twips), Single(y), Single(y)});
  }
  return a;
}

}  // namespace quirlweg
