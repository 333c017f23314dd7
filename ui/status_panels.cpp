#include "ui/status_panels.h"

#include "ui/elided_label.h"

namespace quorvex {

StatusPanels::StatusPanels(QWidget* parent) : QStatusBar(parent) {
  setObjectName(QStringLiteral("status"));
  static const int kWidths[4] = {75, 100, 100, 75};
  for (int i = 0; i < 4; ++i) {
    // A long mask text is cut with "..." (whole in the tooltip) instead of widening the window.
    panels_[i] = new ElidedLabel(this);
    panels_[i]->setObjectName(QStringLiteral("panel%1").arg(i));
    if (i < 3) {
      panels_[i]->setFixedWidth(kWidths[i]);
    } else {
      panels_[i]->setMinimumWidth(kWidths[i]);
    }
    addWidget(panels_[i], i == 3 ? 1 : 0);
  }
  panels_[0]->setText(QStringLiteral("0 bit"));
}

void StatusPanels::SetText(int panel, const QString& text) {
  if (panel >= 0 && panel < 4) panels_[panel]->setText(text);
}

QString StatusPanels::Text(int panel) const {
  return panel >= 0 && panel < 4 ? panels_[panel]->text() : QString();
}

}  // namespace quorvex
