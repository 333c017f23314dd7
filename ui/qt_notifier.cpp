#include "ui/qt_notifier.h"

#include <QApplication>

#include "settings/messages.h"
#include "ui/text_convert.h"

namespace quorvex {
namespace {

void ShowBox(QWidget* parent, QMessageBox::Icon icon, std::string_view text) {
  QMessageBox box(icon, QStringLiteral("Quorvex"), ToQString(text), QMessageBox::Ok, parent);
  box.setObjectName(icon == QMessageBox::Critical ? QStringLiteral("errorreport")
                                                  : QStringLiteral("message"));
  // A long name or path stays readable and can be copied.
  box.setTextInteractionFlags(Qt::TextSelectableByMouse);
  box.exec();
  // Back to the window the box belongs to, whose focus widget takes the next keys; some window
  // managers would hand the activation to the main window instead.
  if (parent != nullptr && parent->isVisible()) parent->activateWindow();
}

}  // namespace

QMessageBox::Icon QtNotifier::IconFor(std::string_view text) {
  // Data file failures and the closing notice that follows them end the program.
  constexpr std::string_view kFileFailure = "Quorvex could not ";
  if (text == kWillBeClosed || text.substr(0, kFileFailure.size()) == kFileFailure) {
    return QMessageBox::Critical;
  }
  return QMessageBox::Warning;
}

QWidget* QtNotifier::Owner() const {
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  QWidget* active = QApplication::activeWindow();
  if (parent_ == nullptr) return active;
  // Only a window of this program's family: the main window or one it owns.
  for (QWidget* up = active; up != nullptr; up = up->parentWidget()) {
    if (up == parent_) return active;
  }
  return parent_;
}

void QtNotifier::ShowMessage(std::string_view text) { ShowBox(Owner(), IconFor(text), text); }

void QtNotifier::ShowErrorReport(std::string_view text) {
  ShowBox(Owner(), QMessageBox::Critical, text);
}

}  // namespace quorvex
