#include "ui/welcome_window.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/accessible_names.h"
#include "ui/link_label.h"

namespace quorvex {

WelcomeWindow::WelcomeWindow(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TForm14"));
  setWindowTitle(QStringLiteral("Welcome to Quorvex"));
  setMinimumSize(273, 169);

  auto* group = new QGroupBox(this);
  group->setObjectName(QStringLiteral("welcomebox"));
  auto* grid = new QGridLayout(group);

  auto* welcome =
      new QLabel(QStringLiteral("This is the first time you use Quorvex. I hope you will find this "
                                "scientific calculator useful"),
                 group);
  welcome->setObjectName(QStringLiteral("welcome"));
  welcome->setWordWrap(true);
  grid->addWidget(welcome, 0, 0, 1, 2);
  auto* choose = new QLabel(QStringLiteral("Please choose what you want to do"), group);
  choose->setObjectName(QStringLiteral("choose"));
  grid->addWidget(choose, 1, 0, 1, 2);

  struct Row {
    const char* name;
    const char* text;
    const char* help;
  };
  static const Row kRows[4] = {
      {"link", "Start using Quorvex", nullptr},
      {"link2", "Read tutorial", "(Help/Tutorial)"},
      {"link3", "Visit homepage", "(Help/Visit homepage)"},
      {"link4", "Check current version", "(Help/About Quorvex)"},
  };
  for (int i = 0; i < 4; ++i) {
    links_[i] = new LinkLabel(QString::fromLatin1(kRows[i].text), group);
    links_[i]->setObjectName(QString::fromLatin1(kRows[i].name));
    grid->addWidget(links_[i], 2 + i, 0);
    if (kRows[i].help != nullptr) {
      auto* help = new QLabel(QString::fromLatin1(kRows[i].help), group);
      help->setObjectName(QString::fromLatin1(kRows[i].name) + QStringLiteral("help"));
      grid->addWidget(help, 2 + i, 1);
    }
  }
  grid->setColumnStretch(1, 1);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(group);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(links_[0], &LinkLabel::clicked, this, &WelcomeWindow::linkClick);
  connect(links_[1], &LinkLabel::clicked, this, &WelcomeWindow::link2Click);
  connect(links_[2], &LinkLabel::clicked, this, &WelcomeWindow::link3Click);
  connect(links_[3], &LinkLabel::clicked, this, &WelcomeWindow::link4Click);
  NameControls(this);
}

LinkLabel* WelcomeWindow::link(int number) const {
  return number >= 1 && number <= 4 ? links_[number - 1] : nullptr;
}

void WelcomeWindow::linkClick() { accept(); }

void WelcomeWindow::link2Click() { Q_EMIT tutorialChosen(); }

void WelcomeWindow::link3Click() { Q_EMIT homepageChosen(); }

void WelcomeWindow::link4Click() { Q_EMIT aboutChosen(); }

}  // namespace quorvex
