#pragma once

#include <QFont>
#include <QLineEdit>

namespace quirlweg {

// A one-line box that shows its whole text: where the text is wider than the box at the font
// it was given, it is shown in a font just small enough to fit, and in the given font again
// once it fits. Long figures (a mean of 2966,8 steps in the narrow mean box) stay whole.
class FittingBox final : public QLineEdit {
  Q_OBJECT

 public:
  explicit FittingBox(const QString& text, QWidget* parent = nullptr);

  // The font the box was given, before any fitting.
  const QFont& GivenFont() const { return given_; }

 protected:
  void changeEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  // The room for text inside the frame and margins, in pixels.
  double TextRoom() const;
  void Fit();

  QFont given_;
  bool fitting_ = false;
};

}  // namespace quirlweg
