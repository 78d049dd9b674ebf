#pragma once

#include "layout/layout.h"

namespace quirlweg {

// The arrangement for a lesson with the evaluation beside the main window: the lattice view
// square at the top, the run and statistics frames below it, the settings frame in place of
// the statistics on demand. Drawn for the main window's part of a 1024 x 768 screen and
// scaled evenly, so that the lattice view stays square and the texts keep their proportions.

// The screen the arrangement was drawn for, in pixels.
inline constexpr int kLessonScreenWidth = 1024;
inline constexpr int kLessonScreenHeight = 768;
// The main window's inside at scale 1, in pixels at 96 dots per inch; the frame goes round it.
inline constexpr int kLessonWidth = 500;
inline constexpr int kLessonHeight = 730;

// Points at scale 1 for texts (13 pixels) and for figures in boxes and tables (15 pixels), so
// that the back row reads them on a projector.
inline constexpr double kLessonTextPoints = 9.75;
inline constexpr double kLessonFigurePoints = 11.25;
// The evaluation's table: 14 pixels, its scale being the screen's own.
inline constexpr double kLessonTablePoints = 10.5;

// Pixels of a screen's width the evaluation needs at least beside the main window; on a
// narrower screen it goes over the main window instead.
inline constexpr int kNarrowestEvaluation = 300;

// How much larger than drawn the arrangement is shown on a screen of this many pixels.
double LessonScale(int screenWidth, int screenHeight);

// Every control's place for a main window of the given inside, in twips; the lattice view is
// square whatever the area's proportions. Scale and font scale are the one factor applied.
Arrangement ArrangeForLesson(double areaWidthTwips, double areaHeightTwips);

}  // namespace quirlweg
