#include "ui/tutorial_window.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "ui/accessible_names.h"
#include "ui/icons.h"

namespace quorvex {
namespace {

// One page: a group box whose rows are added top to bottom.
class Page {
 public:
  Page(QTabWidget* tabs, const QString& title, const QString& group_title) {
    auto* page = new QWidget(tabs);
    auto* group = new QGroupBox(group_title, page);
    auto* page_layout = new QVBoxLayout(page);
    page_layout->addWidget(group);
    layout_ = new QVBoxLayout(group);
    group_ = group;
    tabs->addTab(page, title);
  }
  ~Page() { layout_->addStretch(); }

  QLabel* Text(const QString& text) {
    auto* label = new QLabel(text, group_);
    label->setWordWrap(true);
    layout_->addWidget(label);
    return label;
  }

  // Example boxes cannot be edited or focused.
  void Example(const QString& expression, const QString& result = QString()) {
    auto* row = new QHBoxLayout;
    row->addWidget(ExampleBox(expression));
    if (!result.isEmpty()) row->addWidget(new QLabel(result, group_));
    row->addStretch();
    layout_->addLayout(row);
  }

  void ExamplePair(const QString& left, const QString& right) {
    auto* row = new QHBoxLayout;
    row->addWidget(ExampleBox(left));
    row->addWidget(ExampleBox(right));
    row->addStretch();
    layout_->addLayout(row);
  }

  void Setting(const QString& caption, const QString& value) {
    auto* row = new QHBoxLayout;
    auto* label = new QLabel(caption, group_);
    label->setMinimumWidth(80);
    row->addWidget(label);
    row->addWidget(ExampleBox(value));
    row->addStretch();
    layout_->addLayout(row);
  }

  void Variables() {
    auto* list = new QTreeWidget(group_);
    list->setHeaderLabels({QStringLiteral("Declarations"), QStringLiteral("Assignments")});
    list->setRootIsDecorated(false);
    list->setFocusPolicy(Qt::NoFocus);
    list->setSelectionMode(QAbstractItemView::NoSelection);
    list->addTopLevelItem(new QTreeWidgetItem({QStringLiteral("n1"), QStringLiteral("2+2")}));
    list->addTopLevelItem(new QTreeWidgetItem({QStringLiteral("n"), QStringLiteral("2*({n1})")}));
    list->setFixedHeight(list->sizeHintForRow(0) * 2 + list->header()->sizeHint().height() + 6);
    layout_->addWidget(list);
  }

  void Picture() {
    auto* picture = new QLabel(group_);
    picture->setObjectName(QStringLiteral("graphpicture"));
    picture->setPixmap(QIcon(QStringLiteral(":/pictures/graph.svg")).pixmap(QSize(200, 100)));
    picture->setFixedSize(200, 100);
    layout_->addWidget(picture);
  }

 private:
  QLineEdit* ExampleBox(const QString& text) {
    auto* box = new QLineEdit(text, group_);
    box->setEnabled(false);
    box->setFixedWidth(110);
    return box;
  }

  QGroupBox* group_;
  QVBoxLayout* layout_;
};

}  // namespace

TutorialWindow::TutorialWindow(int constant_count, int function_count, QWidget* parent)
    : QDialog(parent) {
  InitUiResources();
  setObjectName(QStringLiteral("TForm12"));
  setWindowTitle(QStringLiteral("Tutorial"));
  setMinimumSize(353, 385);

  tutorial_ = new QTabWidget(this);
  tutorial_->setObjectName(QStringLiteral("tutorial"));
  // All six tabs stay in view; the window grows to hold them.
  tutorial_->tabBar()->setUsesScrollButtons(false);
  {
    Page page(tutorial_, QStringLiteral("Basic"), QStringLiteral("Basic expressions"));
    page.Text(
        QStringLiteral("Let's take a look at some basic mathematical expressions in Quorvex"));
    page.Example(QStringLiteral("10+2"), QStringLiteral("= 12"));
    page.Example(QStringLiteral("15+-2"), QStringLiteral("= 13"));
    page.Text(QStringLiteral(
        "Expression inside { } is considered an object. Lets say we got a variable called n1, "
        "the syntax will think this is n*1, therefor {n1}. Variable names without numbers "
        "doesnt need { }"));
    page.Example(QStringLiteral("15+{-2}"), QStringLiteral("= 13"));
    page.Text(QStringLiteral("Both . (dot) and , (comma) are considered as comma in Quorvex"));
    page.Example(QStringLiteral("2,5*2"), QStringLiteral("= 5"));
    page.Example(QStringLiteral("2.5*2"), QStringLiteral("= 5"));
  }
  {
    Page page(tutorial_, QStringLiteral("Parentheses"), QStringLiteral("Parenthesis expressions"));
    page.Text(QStringLiteral("Lets take a look at some parenthesis expressions in Quorvex"));
    page.ExamplePair(QStringLiteral("2+2*2"), QStringLiteral("2*2+2"));
    page.Text(QStringLiteral("Both equals 6, because (*) has higher priority than (+)"));
    page.ExamplePair(QStringLiteral("(2+2)*2"), QStringLiteral("2*(2+2)"));
    page.Text(QStringLiteral(
        "Both equals 8. (+) is now forced to be calculated first, because the expression inside "
        "the parenthesis is calculated first"));
  }
  {
    Page page(tutorial_, QStringLiteral("Constants"), QStringLiteral("Constant expressions"));
    page.Text(QStringLiteral("Lets take a look at some constant expressions in Quorvex"));
    page.Example(QStringLiteral("pi"), QStringLiteral("= 3,14..."));
    page.Example(QStringLiteral("e"), QStringLiteral("= 2,71..."));
    page.Example(QStringLiteral("2pi"), QStringLiteral("= 6,28..."));
    page.Example(QStringLiteral("e2"), QStringLiteral("= 5,43..."));
    page.Text(QStringLiteral(
        "Always use small letters in Quorvex. The only exception are variables, if you choose to "
        "name them in capital letters."));
    page.Text(QStringLiteral("There are currently %1 constants available in Quorvex")
                  .arg(constant_count))
        ->setObjectName(QStringLiteral("constlabel7"));
  }
  {
    Page page(tutorial_, QStringLiteral("Functions"), QStringLiteral("Function expressions"));
    page.Text(QStringLiteral("Lets take a look at some function expressions in Quorvex"));
    page.Text(QStringLiteral("Functions use [ ] brackets and NOT ( )"));
    page.Example(QStringLiteral("2+sin[1]"), QStringLiteral("= 2,84 (radians)"));
    page.Example(QStringLiteral("sin[2+1]"), QStringLiteral("= 0,14 (radians)"));
    page.Example(QStringLiteral("rad>deg[sin[1]]"), QStringLiteral("= 48,21 (degrees)"));
    page.Text(QStringLiteral(
        "Some functions need more than one parameter. Parameter is displayed as (;) semicolon"));
    page.Example(QStringLiteral("ncr[5+5;2,5*2]"), QStringLiteral("= 252"));
    page.Text(QStringLiteral("There are currently %1 functions available in Quorvex")
                  .arg(function_count))
        ->setObjectName(QStringLiteral("funclabel8"));
  }
  {
    Page page(tutorial_, QStringLiteral("Variables"), QStringLiteral("Variable expressions"));
    page.Text(QStringLiteral("Lets take a look at some variable expressions in Quorvex"));
    page.Variables();
    page.Example(QStringLiteral("2{n1}"), QStringLiteral("= 6"));
    page.Example(QStringLiteral("n"), QStringLiteral("= 8"));
    page.Example(QStringLiteral("{n1}+n"), QStringLiteral("= 12"));
    page.Text(QStringLiteral(
        "There are two variables already in use by Quorvex, ans (the current sum) and x (graph "
        "calculations)"));
    page.Example(QStringLiteral("ans^2"));
    page.Text(
        QStringLiteral("If the ans equals 2, the answer is first 4 then 16 then 256 and so on"));
  }
  {
    Page page(tutorial_, QStringLiteral("Graph"), QStringLiteral("Graph expressions"));
    page.Text(QStringLiteral("Lets take a look at some graph expressions in Quorvex"));
    page.Setting(QStringLiteral("x var start:"), QStringLiteral("1"));
    page.Setting(QStringLiteral("x var stop:"), QStringLiteral("25"));
    page.Setting(QStringLiteral("x var inc:"), QStringLiteral("0,1"));
    page.Example(QStringLiteral("sin[x]"));
    page.Picture();
    page.Text(QStringLiteral(
        "For graph calculations, one or more x variables must be included in the expression"));
  }

  auto* close = new QPushButton(QStringLiteral("Close"), this);
  close->setObjectName(QStringLiteral("close"));
  close->setToolTip(QStringLiteral("Close form"));
  close->setDefault(true);
  connect(close, &QPushButton::clicked, this, &TutorialWindow::closeClick);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tutorial_);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  NameControls(this);
}

void TutorialWindow::closeClick() { close(); }

}  // namespace quorvex
