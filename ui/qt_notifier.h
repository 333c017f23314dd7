#pragma once

#include <QMessageBox>
#include <QPointer>
#include <QWidget>
#include <string_view>

#include "app/seams.h"

namespace quorvex {

// Message boxes with an OK button, captioned "Quorvex" like the application. A box belongs to
// the window the user is working in (a browser's "Could not find" box to the browser), so
// closing it gives the focus back there; the fallback parent is the main window.
class QtNotifier : public Notifier {
 public:
  explicit QtNotifier(QWidget* parent) : parent_(parent) {}
  void ShowMessage(std::string_view text) override;
  // The general error report: the fault's text in an error box; the program goes on.
  void ShowErrorReport(std::string_view text) override;

  // Critical for the messages that end the program, Warning for refusals of what was typed.
  static QMessageBox::Icon IconFor(std::string_view text);
  // The window a box opened now belongs to.
  QWidget* Owner() const;

 private:
  QPointer<QWidget> parent_;
};

}  // namespace quorvex
