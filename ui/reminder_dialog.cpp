#include "ui/reminder_dialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "ui/accessible_names.h"

namespace quorvex {

ReminderDialog::ReminderDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TForm11"));
  setWindowTitle(QStringLiteral("Quorvex"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);

  auto* icon = new QLabel(this);
  icon->setObjectName(QStringLiteral("icon"));
  icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxQuestion, nullptr, this).pixmap(32));
  icon->setFixedSize(32, 32);

  auto* group = new QGroupBox(QStringLiteral("Reminder"), this);
  group->setObjectName(QStringLiteral("reminder"));
  auto* text = new QLabel(
      QStringLiteral("The requested operation may take a very long time to complete. Do you want "
                     "to let the calculation continue, or stop the operation now?"),
      group);
  text->setObjectName(QStringLiteral("text"));
  text->setWordWrap(true);
  text->setMinimumWidth(300);
  auto* group_layout = new QVBoxLayout(group);
  group_layout->addWidget(text);

  continue2_ = new QPushButton(QStringLiteral("Continue"), this);
  continue2_->setObjectName(QStringLiteral("continue2"));
  continue2_->setToolTip(QStringLiteral("Continue the requested operation"));
  continue2_->setDefault(true);
  stop_ = new QPushButton(QStringLiteral("Stop"), this);
  stop_->setObjectName(QStringLiteral("stop"));
  stop_->setToolTip(QStringLiteral("Stop the requested operation immediately"));
  stop_->setAutoDefault(false);

  auto* top = new QHBoxLayout;
  top->addWidget(icon, 0, Qt::AlignTop);
  top->addWidget(group, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(continue2_);
  buttons->addWidget(stop_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addLayout(buttons);
  // A fixed size that still fits the text in any font.
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(continue2_, &QPushButton::clicked, this, &ReminderDialog::continue2Click);
  connect(stop_, &QPushButton::clicked, this, &ReminderDialog::stopClick);
  NameControls(this);
}

bool ReminderDialog::Ask() {
  stopped_ = false;
  continue2_->setFocus();
  exec();
  return !stopped_;
}

void ReminderDialog::continue2Click() { accept(); }

void ReminderDialog::stopClick() {
  stopped_ = true;
  reject();
}

}  // namespace quorvex
