#pragma once

#include <QDialog>

class QLabel;
class QTabWidget;

namespace quorvex {

// TForm12: six fixed pages about the expression syntax, with the constant and function counts.
class TutorialWindow : public QDialog {
  Q_OBJECT

 public:
  TutorialWindow(int constant_count, int function_count, QWidget* parent);

  QTabWidget* tutorial() const { return tutorial_; }

 public Q_SLOTS:
  void closeClick();

 private:
  QTabWidget* tutorial_;
};

}  // namespace quorvex
