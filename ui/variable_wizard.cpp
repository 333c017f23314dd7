#include "ui/variable_wizard.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/accessible_names.h"
#include "ui/single_line.h"

namespace quorvex {

VariableWizard::VariableWizard(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TForm16"));
  setWindowTitle(QStringLiteral("Variable creation wizard"));

  declaration_ = new QLineEdit;
  declaration_->setObjectName(QStringLiteral("declaration"));
  KeepSingleLine(declaration_);
  assignment_ = new QLineEdit;
  assignment_->setObjectName(QStringLiteral("assignment"));
  KeepSingleLine(assignment_);
  auto* box = new QGroupBox(QStringLiteral("Create a new variable"));
  auto* boxlayout = new QVBoxLayout(box);
  auto* declarationlabel = new QLabel(QStringLiteral("Please insert a name for the new variable"));
  declarationlabel->setBuddy(declaration_);
  boxlayout->addWidget(declarationlabel);
  boxlayout->addWidget(declaration_);
  boxlayout->addSpacing(6);
  auto* assignmentlabel =
      new QLabel(QStringLiteral("Please insert an expression for the new variable"));
  assignmentlabel->setBuddy(assignment_);
  boxlayout->addWidget(assignmentlabel);
  boxlayout->addWidget(assignment_);

  create_ = new QPushButton(QStringLiteral("Create"));
  create_->setObjectName(QStringLiteral("create"));
  create_->setToolTip(QStringLiteral("Create variable"));
  create_->setAutoDefault(false);
  create_->setDefault(true);
  create_->setEnabled(false);
  auto* close = new QPushButton(QStringLiteral("Close"));
  close->setObjectName(QStringLiteral("close"));
  close->setToolTip(QStringLiteral("Close form"));
  close->setAutoDefault(false);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(create_);
  buttons->addWidget(close);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(box);
  layout->addStretch();
  layout->addLayout(buttons);
  resize(340, 190);

  connect(create_, &QPushButton::clicked, this, &VariableWizard::createClick);
  connect(close, &QPushButton::clicked, this, &VariableWizard::reject);
  connect(declaration_, &QLineEdit::textChanged, this, &VariableWizard::editChange);
  connect(assignment_, &QLineEdit::textChanged, this, &VariableWizard::editChange);
  NameControls(this);
}

void VariableWizard::disableCreate() { create_->setEnabled(false); }

void VariableWizard::done(int result) {
  QDialog::done(result);
  declaration_->clear();
  assignment_->clear();
}

void VariableWizard::createClick() {
  Q_EMIT variableCreated(declaration_->text(), assignment_->text());
  accept();
}

void VariableWizard::editChange() {
  create_->setEnabled(!declaration_->text().isEmpty() && !assignment_->text().isEmpty());
}

}  // namespace quorvex
