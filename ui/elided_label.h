#pragma once

#include <QLabel>

class QLineEdit;

namespace quorvex {

// A one-line label that never asks its window for more width than it has: a text too long
// for it ends in "..." on screen, and the whole text shows as the tooltip. text() stays whole.
class ElidedLabel : public QLabel {
  Q_OBJECT

 public:
  explicit ElidedLabel(QWidget* parent = nullptr);

  QSize minimumSizeHint() const override;
  QSize sizeHint() const override;
  // Whether the text is cut on screen now.
  bool elided() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool event(QEvent* event) override;
};

// A one-line box whose text may be longer than the box (an answer, a message): while it is cut,
// hovering shows the whole text as a tooltip; the box keeps its size.
void ShowFullTextOnHover(QLineEdit* box);

}  // namespace quorvex
