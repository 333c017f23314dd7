#pragma once

#include <QLabel>

namespace quorvex {

// A text link: the desktop's highlight colour, grey (0x808080) while the mouse is over it, a
// hand cursor, and a click signal.
class LinkLabel : public QLabel {
  Q_OBJECT

 public:
  LinkLabel(const QString& text, QWidget* parent);

  static QColor HoverColour() { return QColor(0x80, 0x80, 0x80); }

 Q_SIGNALS:
  void clicked();

 protected:
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void SetColour(const QColor& colour);
  bool hovered_ = false;
};

}  // namespace quorvex
