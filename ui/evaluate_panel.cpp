#include "ui/evaluate_panel.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "ui/icons.h"
#include "ui/list_row_delegate.h"
#include "ui/text_convert.h"

namespace quorvex {

EvaluatePanel::EvaluatePanel(QWidget* parent) : QGroupBox(QStringLiteral("Evaluate"), parent) {
  setObjectName(QStringLiteral("evaluatebox"));
  evaluate_ = new QListWidget(this);
  evaluate_->setObjectName(QStringLiteral("evaluate"));
  evaluate_->setSelectionMode(QAbstractItemView::SingleSelection);
  evaluate_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  evaluate_->setItemDelegate(new ListRowDelegate(evaluate_));

  itemup_ = FlatButton("itemup", "Move selected item up", "go-up", "up");
  itemdown_ = FlatButton("itemdown", "Move selected item down", "go-down", "down");
  edititem_ = FlatButton("edititem", "Edit selected item", "document-edit", "edit");
  deleteitem_ = FlatButton("deleteitem", "Delete selected item", "edit-delete", "delete");
  insertlog_ = FlatButton("insertlog", "Insert log", "document-open-recent", "insertlog");
  simplemode_ = FlatButton("simplemode", "Switch to simple mode", "view-restore", "simplemode");

  auto* buttons = new QVBoxLayout;
  for (QToolButton* button :
       {itemup_, itemdown_, edititem_, deleteitem_, insertlog_, simplemode_}) {
    buttons->addWidget(button);
  }
  buttons->addStretch();
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(evaluate_, 1);
  layout->addLayout(buttons);
}

QToolButton* EvaluatePanel::FlatButton(const char* name, const char* hint, const char* theme,
                                       const char* picture) {
  auto* button = new QToolButton(this);
  button->setObjectName(QString::fromLatin1(name));
  button->setToolTip(QString::fromLatin1(hint));
  button->setIcon(ThemeIcon(theme, picture));
  button->setIconSize(QSize(16, 16));
  button->setAutoRaise(true);
  return button;
}

int EvaluatePanel::Count() const { return evaluate_->count(); }

int EvaluatePanel::Selected() const { return evaluate_->currentRow(); }

QString EvaluatePanel::SelectedText() const {
  const QListWidgetItem* item = evaluate_->currentItem();
  return item != nullptr ? item->text() : QString();
}

std::vector<std::string> EvaluatePanel::Items() const {
  std::vector<std::string> items;
  items.reserve(static_cast<size_t>(evaluate_->count()));
  for (int row = 0; row < evaluate_->count(); ++row) {
    items.push_back(ToCp1252(evaluate_->item(row)->text()));
  }
  return items;
}

void EvaluatePanel::Append(const QString& text) {
  evaluate_->addItem(text);
  evaluate_->setCurrentRow(evaluate_->count() - 1);
}

void EvaluatePanel::AppendAll(const QStringList& texts) {
  if (texts.isEmpty()) return;
  // Selecting each new row would lay out the whole list again each time.
  evaluate_->addItems(texts);
  evaluate_->setCurrentRow(evaluate_->count() - 1);
}

void EvaluatePanel::Clear() { evaluate_->clear(); }

void EvaluatePanel::DeleteSelected() {
  const int row = Selected();
  if (row < 0) return;
  delete evaluate_->takeItem(row);
  if (evaluate_->count() > 0) evaluate_->setCurrentRow(std::min(row, evaluate_->count() - 1));
}

void EvaluatePanel::MoveSelected(int delta) {
  const int row = Selected();
  const int target = row + delta;
  if (row < 0 || target < 0 || target >= evaluate_->count()) return;
  QListWidgetItem* item = evaluate_->takeItem(row);
  evaluate_->insertItem(target, item);
  evaluate_->setCurrentRow(target);
}

void EvaluatePanel::ReplaceSelected(const QString& text) {
  if (QListWidgetItem* item = evaluate_->currentItem()) item->setText(text);
}

}  // namespace quorvex
