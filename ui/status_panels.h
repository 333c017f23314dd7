#pragma once

#include <QStatusBar>

class QLabel;

namespace quorvex {

// The status bar `status` and its four text panels: 0 the answer's bits, 1 the number system,
// 2 the answer mask, 3 the x range.
class StatusPanels : public QStatusBar {
  Q_OBJECT

 public:
  explicit StatusPanels(QWidget* parent);

  void SetText(int panel, const QString& text);
  QString Text(int panel) const;

 private:
  QLabel* panels_[4];
};

}  // namespace quorvex
