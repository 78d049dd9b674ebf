#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quirlweg {

// The design screen the layout was drawn for; the actual screen stretches it per axis.
inline constexpr int kRefScreenWidth = 12288;
inline constexpr int kRefScreenHeight = 9216;

// What the probability boxes show after their prefix until the bar first moves: "0,5" with the
// user's decimal separator.
inline std::string ProbabilityAtStart(char decimalSeparator) {
  return std::string("0") + decimalSeparator + "5";
}

// Where one control goes, in twips from its container's top-left corner.
struct ControlPlacement {
  std::string_view name;  // the control's object name, arrays as "Text1(0)"
  double left = 0;
  double top = 0;
  double width = 0;
  double height = 0;
  std::optional<double> fontSize;  // points; empty where the layout leaves the font alone
};

// A horizontal or vertical separator line, end points in twips within its frame.
struct LinePlacement {
  std::string_view name;
  double x1 = 0;
  double x2 = 0;
  double y1 = 0;
  double y2 = 0;
};

struct Arrangement {
  double scaleX = 1;
  double scaleY = 1;
  double fontScale = 1;
  // In the order they are applied. The lattice is redrawn right after the first
  // kPlacedBeforeLattice rows, so that it fits the lattice view's new size.
  std::vector<ControlPlacement> controls;
  // The two separator lines of the settings frame.
  std::vector<LinePlacement> lines;

  const ControlPlacement* Find(std::string_view name) const;
  const LinePlacement* FindLine(std::string_view name) const;
};

// The step counter and the lattice view come first; then the lattice is drawn.
inline constexpr std::size_t kPlacedBeforeLattice = 2;

// Every control's place for a screen of the given size in twips. It depends on the screen
// only, never on the window. Each value is the design multiplier times the axis factor, kept
// in single precision as the controls receive it; nothing is rounded here.
Arrangement ArrangeControls(double screenWidthTwips, double screenHeightTwips);

// The window's extent in twips: the laid-out area, which reaches the frames' right edge and
// the evaluation button's lower edge, with the lattice view's margins beside it.
struct Extent {
  double width = 0;
  double height = 0;
};
Extent WindowExtent(const Arrangement& arrangement);

}  // namespace quirlweg
