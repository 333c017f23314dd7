#include "ui/table_browser.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>
#include <algorithm>
#include <cctype>
#include <numeric>

#include "ui/accessible_names.h"
#include "ui/single_line.h"
#include "ui/text_convert.h"

namespace quorvex {
namespace {

std::string Folded(const std::string& name) {
  std::string folded = name;
  for (char& c : folded) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return folded;
}

QGroupBox* MakeBox(const QString& caption, QWidget* content) {
  auto* box = new QGroupBox(caption);
  (new QVBoxLayout(box))->addWidget(content);
  return box;
}

}  // namespace

TableBrowser::TableBrowser(BrowserContent content, Notifier& notifier, QWidget* parent)
    : QDialog(parent), content_(std::move(content)), notifier_(notifier) {
  setObjectName(QString::fromLatin1(content_.object_name));
  setWindowTitle(QString::fromLatin1(content_.caption));

  category_ = new QComboBox;
  category_->setObjectName(QStringLiteral("category"));
  category_->addItem(QStringLiteral("All"));
  for (const auto& entry : content_.categories) category_->addItem(entry.name);
  category_->setCurrentIndex(-1);

  search_ = new QLineEdit;
  search_->setObjectName(QStringLiteral("search"));
  KeepSingleLine(search_);
  search_->setToolTip(QString::fromLatin1(content_.search_hint));
  go_ = new QPushButton(QStringLiteral("Go"));
  go_->setObjectName(QStringLiteral("go"));
  go_->setToolTip(QStringLiteral("Start search"));
  go_->setEnabled(false);
  auto* searchbox = new QGroupBox(QString::fromLatin1(content_.search_caption));
  auto* searchrow = new QHBoxLayout(searchbox);
  searchrow->addWidget(search_, 1);
  searchrow->addWidget(go_);

  list_ = new QListWidget;
  list_->setObjectName(QStringLiteral("list"));
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  count_ = new QLabel;
  count_->setObjectName(QStringLiteral("count"));
  auto* listbox = new QGroupBox(QString::fromLatin1(content_.list_caption));
  auto* listlayout = new QVBoxLayout(listbox);
  listlayout->addWidget(list_, 1);
  auto* countrow = new QHBoxLayout;
  countrow->addWidget(new QLabel(QString::fromLatin1(content_.count_caption)));
  countrow->addWidget(count_);
  countrow->addStretch();
  listlayout->addLayout(countrow);

  formula_ = new QLabel;
  formula_->setObjectName(QStringLiteral("formula"));
  formula_->setTextFormat(Qt::PlainText);
  QFont bold = formula_->font();
  bold.setBold(true);
  formula_->setFont(bold);
  formula_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  info_ = new QLabel;
  info_->setObjectName(QStringLiteral("info"));
  info_->setTextFormat(Qt::PlainText);
  info_->setWordWrap(true);
  info_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  info_->setMinimumHeight(3 * info_->fontMetrics().lineSpacing());
  auto* infobox = new QGroupBox(QStringLiteral("Info"));
  auto* infolayout = new QVBoxLayout(infobox);
  infolayout->addWidget(formula_);
  infolayout->addWidget(info_, 1);

  close_ = new QPushButton(QStringLiteral("Close"));
  close_->setObjectName(QStringLiteral("close"));
  close_->setToolTip(QStringLiteral("Close form"));
  for (QPushButton* button : {go_, close_}) button->setAutoDefault(false);
  close_->setDefault(true);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(close_);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(MakeBox(QStringLiteral("Choose category"), category_));
  layout->addWidget(searchbox);
  layout->addWidget(listbox, 1);
  layout->addWidget(infobox);
  layout->addLayout(buttons);
  resize(340, 520);

  connect(category_, &QComboBox::activated, this, &TableBrowser::categoryChange);
  connect(list_, &QListWidget::itemSelectionChanged, this, &TableBrowser::listClick);
  connect(search_, &QLineEdit::textChanged, this, &TableBrowser::searchChange);
  connect(go_, &QPushButton::clicked, this, &TableBrowser::goClick);
  connect(close_, &QPushButton::clicked, this, &TableBrowser::hide);
  NameControls(this);
}

void TableBrowser::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // The first showing lists everything; later ones keep what the user left.
  if (category_->currentIndex() < 0) {
    category_->setCurrentIndex(0);
    categoryChange(0);
  }
}

void TableBrowser::categoryChange(int position) {
  if (position >= 1 && position <= static_cast<int>(content_.categories.size())) {
    filter_ = content_.categories[position - 1].code;
  }
  fillList();
}

void TableBrowser::fillList() {
  list_->clear();
  formula_->clear();
  info_->clear();
  const bool all = category_->currentIndex() == 0;
  std::vector<int> listed;
  for (int i = 0; i < static_cast<int>(content_.entries.size()); ++i) {
    if (all || content_.entries[i].category == filter_) listed.push_back(i);
  }
  std::stable_sort(listed.begin(), listed.end(), [this](int a, int b) {
    return Folded(content_.entries[a].name) < Folded(content_.entries[b].name);
  });
  for (int index : listed) {
    auto* item = new QListWidgetItem(ToQString(content_.entries[index].name), list_);
    item->setData(Qt::UserRole, index);
  }
  count_->setText(QString::number(listed.size()));
}

void TableBrowser::listClick() {
  const QList<QListWidgetItem*> selected = list_->selectedItems();
  if (selected.isEmpty()) return;
  const auto& entry = content_.entries[selected.front()->data(Qt::UserRole).toInt()];
  formula_->setText(entry.formula);
  info_->setText(entry.info);
}

void TableBrowser::searchChange() {
  const bool searchable = !search_->text().isEmpty();
  go_->setEnabled(searchable);
  // Enter runs Go while there is something to find, and closes the window otherwise.
  go_->setDefault(searchable);
  close_->setDefault(!searchable);
}

void TableBrowser::goClick() {
  const QString text = search_->text();
  const std::string wanted = ToCp1252(text);
  const auto match = std::find_if(content_.entries.begin(), content_.entries.end(),
                                  [&](const auto& entry) { return entry.name == wanted; });
  if (match != content_.entries.end()) {
    filter_ = match->category;
    for (int i = 0; i < static_cast<int>(content_.categories.size()); ++i) {
      if (content_.categories[i].code == filter_) category_->setCurrentIndex(i + 1);
    }
    fillList();
    const int index = static_cast<int>(match - content_.entries.begin());
    for (int row = 0; row < list_->count(); ++row) {
      if (list_->item(row)->data(Qt::UserRole).toInt() == index) {
        list_->setCurrentRow(row);
        break;
      }
    }
    list_->setFocus();
  } else {
    notifier_.ShowMessage(std::string(content_.not_found) + ToCp1252(text) + "'");
    search_->setFocus();
  }
  search_->clear();
}

}  // namespace quorvex
