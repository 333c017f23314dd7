#include "ui/variables_dialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/line_file.h"
#include "settings/messages.h"
#include "settings/variable_store.h"
#include "ui/accessible_names.h"
#include "ui/dialog_support.h"
#include "ui/text_convert.h"
#include "ui/variable_wizard.h"

namespace quorvex {
namespace {

QPlainTextEdit* MakeEditor(const char* name, const char* hint) {
  auto* editor = new QPlainTextEdit;
  editor->setObjectName(QString::fromLatin1(name));
  editor->setToolTip(QString::fromLatin1(hint));
  editor->setLineWrapMode(QPlainTextEdit::NoWrap);
  editor->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  editor->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  // A TAB would become part of a name or expression; Tab moves on, as in the other boxes.
  editor->setTabChangesFocus(true);
  return editor;
}

QGroupBox* MakeBox(const char* name, const char* caption, QWidget* content) {
  auto* box = new QGroupBox(QString::fromLatin1(caption));
  box->setObjectName(QString::fromLatin1(name));
  (new QVBoxLayout(box))->addWidget(content);
  return box;
}

QPushButton* MakeButton(const char* name, const char* caption, const char* hint) {
  auto* button = new QPushButton(QString::fromLatin1(caption));
  button->setObjectName(QString::fromLatin1(name));
  button->setToolTip(QString::fromLatin1(hint));
  button->setAutoDefault(false);
  return button;
}

}  // namespace

VariablesDialog::VariablesDialog(Calculator& calculator, Notifier& notifier, QWidget* parent)
    : QDialog(parent), calculator_(calculator), notifier_(notifier) {
  setObjectName(QStringLiteral("TForm5"));
  setWindowTitle(QStringLiteral("Variables"));

  list_ = MakeEditor("list", "Type in a variable name");
  value_ = MakeEditor("value", "Type in a variable expression");
  auto* editors = new QHBoxLayout;
  editors->addWidget(MakeBox("dbox", "Declarations", list_), 1);
  editors->addWidget(MakeBox("abox", "Assignments", value_), 2);

  auto* ok = MakeButton("ok", "OK", "Save changes and close form");
  ok->setDefault(true);
  auto* cancel = MakeButton("cancel", "Cancel", "Cancel changes and close form");
  auto* create = MakeButton("create", "Create var.", "Open the variable creation wizard");
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(create);
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(editors, 1);
  layout->addLayout(buttons);
  resize(520, 360);
  // As the controls stand: both editors, then the buttons left to right.
  QWidget::setTabOrder(list_, value_);
  QWidget::setTabOrder(value_, create);
  QWidget::setTabOrder(create, ok);
  QWidget::setTabOrder(ok, cancel);

  wizard_ = new VariableWizard(this);

  connect(ok, &QPushButton::clicked, this, &VariablesDialog::okClick);
  connect(cancel, &QPushButton::clicked, this, &VariablesDialog::reject);
  connect(create, &QPushButton::clicked, this, &VariablesDialog::createClick);
  connect(wizard_, &VariableWizard::variableCreated, this, &VariablesDialog::wizardCreate);

  showStore(calculator_.variables());
  NameControls(this);
}

void VariablesDialog::setVisible(bool visible) {
  if (visible && !isVisible()) showStore(calculator_.variables());
  QDialog::setVisible(visible);
}

void VariablesDialog::done(int result) {
  QDialog::done(result);
  if (!LoadVariableStore(calculator_.data_dir(), calculator_.variables())) {
    ReportUnreadableFile(notifier_, kVariableFilesMessage);
    Q_EMIT reloadFailed();
  }
  showStore(calculator_.variables());
}

void VariablesDialog::okClick() {
  const VariableStore edited = editedStore();
  if (const auto refusal = ValidateDeclarations(edited)) {
    notifier_.ShowMessage(*refusal);
    return;
  }
  try {
    SaveVariableStore(calculator_.data_dir(), edited);
  } catch (const FileWriteError& error) {
    notifier_.ShowErrorReport(error.what());
    return;
  }
  calculator_.variables() = edited;
  accept();
}

void VariablesDialog::createClick() {
  wizard_->disableCreate();
  wizard_->exec();
}

void VariablesDialog::wizardCreate(const QString& declaration, const QString& assignment) {
  VariableStore store = editedStore();
  AppendVariable(store, ToCp1252(declaration), ToCp1252(assignment));
  showStore(store);
}

void VariablesDialog::showStore(const VariableStore& store) {
  list_->setPlainText(LinesToEditorText(store.declarations));
  value_->setPlainText(LinesToEditorText(store.assignments));
}

VariableStore VariablesDialog::editedStore() const {
  VariableStore store;
  store.declarations = EditorLines(list_->toPlainText());
  store.assignments = EditorLines(value_->toPlainText());
  return store;
}

}  // namespace quorvex
