#pragma once

#include <QLabel>

namespace quorvex {

// A text link: the desktop's highlight colour (made lighter or darker where it would be hard
// to read on the window's background), grey (0x808080) while the mouse is over it, a hand
// cursor, and a click signal. It takes the focus by Tab; Enter or Space clicks it.
class LinkLabel : public QLabel {
  Q_OBJECT

 public:
  LinkLabel(const QString& text, QWidget* parent);

  static QColor HoverColour() { return QColor(0x80, 0x80, 0x80); }
  // The colour of the link while the mouse is not over it.
  QColor RestColour() const;

 Q_SIGNALS:
  void clicked();

 protected:
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void changeEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void SetColour(const QColor& colour);
  bool hovered_ = false;
};

}  // namespace quorvex
