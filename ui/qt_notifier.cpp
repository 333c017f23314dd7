#include "ui/qt_notifier.h"

#include <QMessageBox>

#include "ui/text_convert.h"

namespace quorvex {
namespace {

void ShowBox(QWidget* parent, QMessageBox::Icon icon, std::string_view text) {
  QMessageBox box(icon, QStringLiteral("Quorvex"), ToQString(text), QMessageBox::Ok, parent);
  box.setObjectName(icon == QMessageBox::Critical ? QStringLiteral("errorreport")
                                                  : QStringLiteral("message"));
  box.exec();
}

}  // namespace

void QtNotifier::ShowMessage(std::string_view text) {
  ShowBox(parent_, QMessageBox::Information, text);
}

void QtNotifier::ShowErrorReport(std::string_view text) {
  ShowBox(parent_, QMessageBox::Critical, text);
}

}  // namespace quorvex
