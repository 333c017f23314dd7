#include "ui/edit_item_dialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/accessible_names.h"
#include "ui/single_line.h"

namespace quorvex {

EditItemDialog::EditItemDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TForm2"));
  setWindowTitle(QStringLiteral("Edit item"));
  setFixedSize(257, 105);

  auto* group = new QGroupBox(QStringLiteral("Editing"), this);
  group->setObjectName(QStringLiteral("editbox"));
  edit_ = new QLineEdit(group);
  edit_->setObjectName(QStringLiteral("edit"));
  KeepSingleLine(edit_);
  auto* group_layout = new QVBoxLayout(group);
  group_layout->addWidget(edit_);

  replace_ = new QPushButton(QStringLiteral("Replace"), this);
  replace_->setObjectName(QStringLiteral("replace"));
  replace_->setToolTip(QStringLiteral("Replace mathematical expression"));
  replace_->setDefault(true);
  cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
  cancel_->setObjectName(QStringLiteral("cancel"));
  cancel_->setToolTip(QStringLiteral("Cancel changes and close form"));
  // Enter must not fall through to Cancel while Replace is disabled.
  cancel_->setAutoDefault(false);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(replace_);
  buttons->addWidget(cancel_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(group);
  layout->addLayout(buttons);
  // The fixed client area is small; tight margins keep the group and the buttons inside it.
  layout->setContentsMargins(6, 4, 6, 6);
  layout->setSpacing(4);
  group_layout->setContentsMargins(6, 2, 6, 4);

  connect(edit_, &QLineEdit::textChanged, this, &EditItemDialog::editChange);
  connect(replace_, &QPushButton::clicked, this, &EditItemDialog::replaceClick);
  connect(cancel_, &QPushButton::clicked, this, &EditItemDialog::cancelClick);
  NameControls(this);
}

std::optional<QString> EditItemDialog::Edit(const QString& text) {
  edit_->setText(text);
  editChange();
  if (exec() != QDialog::Accepted) return std::nullopt;
  return edit_->text();
}

void EditItemDialog::editChange() { replace_->setEnabled(!edit_->text().isEmpty()); }

void EditItemDialog::replaceClick() {
  if (edit_->text().isEmpty()) return;
  accept();
}

void EditItemDialog::cancelClick() { reject(); }

void EditItemDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  edit_->setFocus();
}

}  // namespace quorvex
