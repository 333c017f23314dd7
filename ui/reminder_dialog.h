#pragma once

#include <QDialog>

class QPushButton;

namespace quorvex {

// TForm11: the long-operation reminder of a graph run. Continue, closing by the title bar and
// Escape all let the run go on; only Stop ends it.
class ReminderDialog : public QDialog {
  Q_OBJECT

 public:
  explicit ReminderDialog(QWidget* parent = nullptr);

  // Shows the dialog modally; true unless the user chose Stop.
  bool Ask();

  QPushButton* continue2() const { return continue2_; }
  QPushButton* stop() const { return stop_; }

 public Q_SLOTS:
  void continue2Click();
  void stopClick();

 private:
  QPushButton* continue2_;
  QPushButton* stop_;
  bool stopped_ = false;
};

}  // namespace quorvex
