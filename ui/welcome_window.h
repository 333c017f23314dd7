#pragma once

#include <QDialog>

namespace quorvex {

class LinkLabel;

// TForm14: shown at the first start; its links perform the main window's Help commands.
class WelcomeWindow : public QDialog {
  Q_OBJECT

 public:
  explicit WelcomeWindow(QWidget* parent);

  LinkLabel* link(int number) const;  // 1 to 4

 public Q_SLOTS:
  void linkClick();
  void link2Click();
  void link3Click();
  void link4Click();

 Q_SIGNALS:
  void tutorialChosen();
  void homepageChosen();
  void aboutChosen();

 private:
  LinkLabel* links_[4];
};

}  // namespace quorvex
