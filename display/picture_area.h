#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "picture/lattice_frame.h"
#include "solid_rows.h"

class QPainter;

namespace quirlweg {

// How Line draws between its two corners.
enum class LineShape { Segment, Box };

// A picture box: everything is drawn at once into the area's own image, which survives being
// covered, hidden or resized (the part that still fits stays). Nothing is ever redrawn from
// state; paintEvent only copies the dirty part of the image to the screen.
//
// Coordinates are user units: until Scale is called, twips from the top-left corner of the
// drawing with y downward (1 pixel = 1440 / logicalDpi twips); after Scale(x1, y1, x2, y2) the
// left, top, right and bottom edges of the drawing carry these values, whatever size the area
// has. The drawing lies inside a 1-pixel flat border (SetFlatBorder(false) removes it); pixel
// coordinates (ToPixel, Snapshot, ChildPixelRect) count from the drawing's top-left corner.
//
// The image holds the screen's own pixels: at a device pixel ratio r it is r times as large
// each way, and lines, dots, circles and text are drawn at that resolution. Pen widths stay in
// device-independent pixels (width 1 is r pixels of the image), so a drawing looks the same on
// any screen, only sharper. ToPixel and ChildPixelRect count device-independent pixels;
// Snapshot gives the image itself, its devicePixelRatio() telling r (a point's pixel in it is
// ToPixel times r). A change of ratio (the window moved to another screen) scales what is drawn
// to the new resolution.
//
// Text printed with Print is kept as lines and rasterised only when the area is painted or its
// pixels are read, so a display that is cleared and printed at every step costs no glyph
// rendering for the prints nobody sees.
class PictureArea : public QWidget {
  Q_OBJECT

 public:
  // Makes the text of a line when it is drawn (see PrintLater).
  using TextMaker = std::function<std::string()>;

  explicit PictureArea(QWidget* parent = nullptr);
  ~PictureArea() override;

  // Fills the drawing with the back colour; the text position goes to the top-left corner.
  void Cls();
  // The left, top, right and bottom edges become x1, y1, x2, y2. Existing pixels stay.
  void Scale(double x1, double y1, double x2, double y2);

  // A straight line of pen width DrawWidth with round ends, in ForeColor or `color`; with
  // LineShape::Box the outline of the rectangle with these opposite corners (not filled).
  void Line(double x1, double y1, double x2, double y2);
  void Line(double x1, double y1, double x2, double y2, QColor color,
            LineShape shape = LineShape::Segment);
  // A round dot of diameter DrawWidth pixels centred on the point.
  void PSet(double x, double y);
  void PSet(double x, double y, QColor color);
  // A round circle (never an ellipse) of pen width DrawWidth, not filled; the radius is
  // measured in units of the horizontal axis.
  void Circle(double x, double y, double radius, QColor color);
  // Copies `picture` (its devicePixelRatio honoured) with its top-left corner on the user
  // point, for a drawing made elsewhere, such as a legend with text at free places.
  void DrawPicture(double left, double top, const QImage& picture);
  // Writes the text at the text position in ForeColor and the widget's font, then moves the
  // text position to the left edge one line lower.
  void Print(std::string_view utf8Text);
  // Print with the text made only if the line is ever drawn: a display that changes at every
  // step then costs no formatting either. `make` must give the same text whenever it is called.
  void PrintLater(TextMaker make);

  // Until Unclip, drawing (Line, PSet, Circle, DrawPicture, FillClip) changes only the image's
  // pixels within `pixels`: a part of a drawing can be drawn again as it was drawn first,
  // everything around it staying as it is. Print is not clipped.
  void ClipTo(const QRect& pixels);
  void Unclip();
  // Fills the clip with the back colour.
  void FillClip();
  // The image's pixels within `reach` device-independent pixels of the box whose corners hold
  // the two user points, for ClipTo.
  QRect PixelBox(double x1, double y1, double x2, double y2, int reach) const;

  void SetDrawWidth(int width);  // widths below 1 draw 1 pixel wide
  int DrawWidth() const { return drawWidth_; }
  void SetForeColor(QColor color) { foreColor_ = color; }
  QColor ForeColor() const { return foreColor_; }
  void SetBackColor(QColor color);  // also wipes the drawing in the new colour
  QColor BackColor() const { return backColor_; }
  void SetFlatBorder(bool on);
  bool FlatBorder() const { return flatBorder_; }
  // The widest line the area is meant to show; the window fits the area's font to it.
  void SetWidestLine(QString line) { widestLine_ = std::move(line); }
  const QString& WidestLine() const { return widestLine_; }

  // Where a user point lies in pixels of the drawing (fractional; the pixel containing it is
  // floor of each coordinate).
  QPointF ToPixel(double x, double y) const;
  // The drawing as anyone looking at it would see it, without the border and the children.
  QImage Snapshot();
  // The lines printed since the last Cls, one per line: what the area shows as text, for
  // assistive technology.
  std::string ShownText() const;

  // Places and sizes a child widget in user units. The area keeps the child where these units
  // say whenever Scale or its own size changes; the child is drawn above the drawing. A child
  // on screen moves once per pass of the event loop, however often it is placed in between
  // (the walker is placed at every step); ChildPixelRect tells its new place at once.
  void PlaceChild(QWidget* child, double left, double top, double width, double height);
  // The child's place in pixels of the drawing (empty for children never placed).
  QRect ChildPixelRect(const QWidget* child) const;

 protected:
  bool event(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  void childEvent(QChildEvent* event) override;

 private:
  struct PrintedLine {
    std::string text;
    TextMaker make;  // when set, makes `text` at drawing time
    QPoint origin;   // top-left corner of the line, pixels of the drawing
    QColor color;
  };
  struct PlacedChild {
    QWidget* widget;
    QRectF units;
    QRect pixels;
  };
  using Mapping = PixelMapping;

  // The image's pixel holding a user point.
  QPoint PixelOf(double x, double y) const { return PixelOf(mapping_, x, y); }
  static QPoint PixelOf(const Mapping& m, double x, double y) {
    const PixelPoint p = quirlweg::PixelOf(m, x, y);
    return {p.x, p.y};
  }
  // The mapping onto `pixels` (the drawing's size in pixels of some resolution) with `ratio`
  // pixels per device-independent pixel.
  Mapping MappingFor(QSize pixels, qreal ratio) const;
  void UpdateMapping();
  // Widgets not on screen get no resize events: every use first checks the size. The ratio is
  // checked where it costs nothing against the work (painting, scaling, reading the image).
  void FitToWidget() {
    if (DrawingRect().size() != logicalSize_) AdoptDrawingSize();
  }
  void FitToScreen() {
    if (DrawingRect().size() != logicalSize_ || devicePixelRatioF() != ratio_) AdoptDrawingSize();
  }
  // A pen width in pixels of the image.
  int DeviceWidth(int width) const { return DevicePenWidth(width, ratio_); }
  void RasterisePending() const;
  void AddLine(std::string text, TextMaker make);
  // `pixels` of the image changed; RequestPaint takes device-independent pixels of the drawing.
  void MarkDirty(const QRect& pixels);
  void RequestPaint(const QRect& drawingRect);
  void PlaceChildWidget(PlacedChild& placed);
  void RemapChildren();
  void MoveChildrenNow();
  QRect DrawingRect() const;
  void AdoptDrawingSize();

  // The image's pixels drawing may change: the clip, or all of them.
  QRect Drawable() const { return clip_ ? *clip_ & image_.rect() : image_.rect(); }
  void ClipPainter(QPainter& painter) const;
  void FillCapsule(QPoint from, QPoint to, int width, QRgb color);
  const std::vector<std::pair<int, int>>* CachedDiscSpans(int width);
  void DrawStraightLine(QPoint from, QPoint to, int width, QColor color);

  // In device pixels. Its own ratio stays 1 except while text is printed, so that the
  // rasteriser and QPainter's shapes work in the image's pixels.
  mutable QImage image_;
  mutable SolidRows solid_;  // rows of image_ known to hold the last fill colour
  QPoint drawingOffset_;     // the drawing's top-left corner in the widget
  QSize logicalSize_;        // the drawing's size in device-independent pixels
  qreal ratio_ = 1;          // image pixels per device-independent pixel
  mutable bool clsPending_ = false;
  mutable std::vector<PrintedLine> pendingLines_;
  mutable std::string shownText_;  // lines already rasterised since the last Cls
  static void AppendShownLine(std::string& shown, const std::string& line);
  QFont pendingFont_;  // the font of all pending lines
  int fontGeneration_ = 0;
  int pendingFontGeneration_ = -1;
  QPoint textPosition_;
  int lineHeight_ = -1;  // of the widget's font; -1 until measured
  QRect requested_;      // widget pixels already handed to update() and not yet painted

  std::optional<QRect> clip_;

  bool scaled_ = false;
  QRectF userEdges_;        // left, top, right, bottom once Scale was called
  Mapping mapping_;         // onto the image's pixels
  Mapping logicalMapping_;  // onto device-independent pixels, for the children

  int drawWidth_ = 1;
  QColor foreColor_;
  QColor backColor_;
  bool flatBorder_ = true;
  QString widestLine_;

  // Row spans of the round pen by width, for the narrow widths a walk mostly draws.
  std::vector<std::vector<std::pair<int, int>>> discSpans_;

  std::vector<PlacedChild> children_;
  bool movePosted_ = false;
};

}  // namespace quirlweg
