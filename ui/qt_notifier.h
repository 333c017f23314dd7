#pragma once

#include <QPointer>
#include <QWidget>

#include "app/seams.h"

namespace quorvex {

// Message boxes with an OK button, captioned "Quorvex" like the application.
class QtNotifier : public Notifier {
 public:
  explicit QtNotifier(QWidget* parent) : parent_(parent) {}
  void ShowMessage(std::string_view text) override;
  // The general error report: the fault's text in an error box; the program goes on.
  void ShowErrorReport(std::string_view text) override;

 private:
  QPointer<QWidget> parent_;
};

}  // namespace quorvex
