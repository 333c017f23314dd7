#pragma once

#include <QGroupBox>
#include <QStringList>
#include <string>
#include <vector>

class QListWidget;
class QToolButton;

namespace quorvex {

// The group box `evaluatebox`: the expression list `evaluate` and the flat picture buttons
// beside it. It keeps the selection rules of the list operations.
class EvaluatePanel : public QGroupBox {
  Q_OBJECT

 public:
  explicit EvaluatePanel(QWidget* parent);

  QListWidget* evaluate() const { return evaluate_; }
  QToolButton* itemup() const { return itemup_; }
  QToolButton* itemdown() const { return itemdown_; }
  QToolButton* edititem() const { return edititem_; }
  QToolButton* deleteitem() const { return deleteitem_; }
  QToolButton* insertlog() const { return insertlog_; }
  QToolButton* simplemode() const { return simplemode_; }

  int Count() const;
  int Selected() const;  // -1 without a selection
  QString SelectedText() const;
  // The items in the core's encoding, first to last.
  std::vector<std::string> Items() const;

  // Appends text as the new last item and selects it.
  void Append(const QString& text);
  // Appends every text in one step and selects the new last item, as Append of each would.
  void AppendAll(const QStringList& texts);
  void Clear();
  // Removes the selected item and selects the one now at its place, or the new last one.
  void DeleteSelected();
  // Moves the selected item by delta places when it stays inside the list.
  void MoveSelected(int delta);
  void ReplaceSelected(const QString& text);

 private:
  QToolButton* FlatButton(const char* name, const char* hint, const char* theme,
                          const char* picture);

  QListWidget* evaluate_;
  QToolButton* itemup_;
  QToolButton* itemdown_;
  QToolButton* edititem_;
  QToolButton* deleteitem_;
  QToolButton* insertlog_;
  QToolButton* simplemode_;
};

}  // namespace quorvex
