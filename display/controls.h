#pragma once

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QString>
#include <QWidget>

namespace quirlweg {

// A picture stretched to the control's size (the walker picture).
class ImageControl : public QWidget {
  Q_OBJECT

 public:
  explicit ImageControl(QWidget* parent = nullptr);

  // A picture file (our SVG artwork), rendered afresh whenever the control's size or its
  // screen's pixel ratio has changed, so that it is sharp at any size.
  void SetPicture(const QString& path);
  // A fixed picture, stretched.
  void SetPicture(const QPixmap& picture);
  void SetPicture(const QImage& picture);
  // What the control shows now (rendered for its current size once it has been painted).
  const QPixmap& Picture() const { return picture_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void RenderForScreen();

  QString path_;  // empty for a fixed picture
  QPixmap picture_;
};

// A filled circle with a 1-pixel border (the journey-end marker).
class ShapeControl : public QWidget {
  Q_OBJECT

 public:
  explicit ShapeControl(QWidget* parent = nullptr);

  void SetFillColor(QColor color);
  QColor FillColor() const { return fill_; }
  void SetBorderColor(QColor color);
  QColor BorderColor() const { return border_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor fill_{64, 0, 0};
  QColor border_{0, 0, 0};
};

}  // namespace quirlweg
