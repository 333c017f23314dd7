#pragma once

#include <QDialog>
#include <QString>
#include <string>
#include <vector>

#include "app/seams.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace quorvex {

// What one browser shows: its entries in table order, its categories and its texts.
struct BrowserContent {
  struct Entry {
    std::string name;      // Windows-1252
    std::string category;  // category code
    QString formula;
    QString info;
  };
  struct Category {
    QString name;
    std::string code;
  };
  const char* object_name;
  const char* caption;
  const char* search_caption;  // "Search for a function"
  const char* search_hint;
  const char* list_caption;   // "Choose function"
  const char* count_caption;  // "# of functions:"
  const char* not_found;      // "Could not find function '"
  std::vector<Entry> entries;
  std::vector<Category> categories;  // positions 1 and up; position 0 is "All"
};

// The behaviour the functions and constants browsers share: a category filter over a read-only
// table, a case-insensitive sorted name list, an info panel and an exact-name search. The
// window keeps its state between showings; the close button only hides it.
class TableBrowser : public QDialog {
  Q_OBJECT

 public:
  TableBrowser(BrowserContent content, Notifier& notifier, QWidget* parent);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void categoryChange(int position);
  void fillList();
  void listClick();
  void searchChange();
  void goClick();

  BrowserContent content_;
  Notifier& notifier_;
  std::string filter_;
  QComboBox* category_;
  QLineEdit* search_;
  QPushButton* go_;
  QPushButton* close_;
  QListWidget* list_;
  QLabel* count_;
  QLabel* formula_;
  QLabel* info_;
};

}  // namespace quorvex
