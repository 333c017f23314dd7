#include "ui/main_menus.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include "ui/icons.h"
#include "ui/shortcuts.h"

namespace quorvex {
namespace {

// Caption, mnemonic and shortcut come from the one table of command keys.
QAction* Item(QMenu* menu, const char* name) {
  const CommandKeys& keys = CommandKeysFor(name);
  QAction* action = menu->addAction(QString::fromLatin1(keys.caption));
  action->setObjectName(QString::fromLatin1(name));
  if (keys.key.key() != Qt::Key_unknown) action->setShortcut(QKeySequence(keys.key));
  return action;
}

QMenu* Menu(QMainWindow* window, const char* name) {
  QMenu* menu = window->menuBar()->addMenu(QString::fromLatin1(CommandKeysFor(name).caption));
  menu->setObjectName(QString::fromLatin1(name));
  return menu;
}

}  // namespace

MainMenus::MainMenus(QMainWindow* window, QWidget* evaluate) {
  QMenu* file = Menu(window, "filemenu");
  insertmenu = Item(file, "insertmenu");
  solvemenu = Item(file, "solvemenu");
  clearmenu = Item(file, "clearmenu");
  file->addSeparator();
  simplemodemenu = Item(file, "simplemodemenu");
  file->addSeparator();
  exitmenu = Item(file, "exitmenu");
  for (QAction* action : {insertmenu, solvemenu, clearmenu}) action->setEnabled(false);

  QMenu* edit = Menu(window, "editmenu");
  copyansmenu = Item(edit, "copyansmenu");
  pasteansmenu = Item(edit, "pasteansmenu");
  edit->addSeparator();
  copysolmenu = Item(edit, "copysolmenu");
  edit->addSeparator();
  insertlogmenu = Item(edit, "insertlogmenu");

  QMenu* tools = Menu(window, "toolsmenu");
  graphmenu = Item(tools, "graphmenu");
  maskmenu = Item(tools, "maskmenu");
  tools->addSeparator();
  constantsmenu = Item(tools, "constantsmenu");
  functionsmenu = Item(tools, "functionsmenu");
  variablesmenu = Item(tools, "variablesmenu");
  tools->addSeparator();
  optionsmenu = Item(tools, "optionsmenu");

  QMenu* help = Menu(window, "helpmenu");
  bugmenu = Item(help, "bugmenu");
  homepagemenu = Item(help, "homepagemenu");
  help->addSeparator();
  tutorialmenu = Item(help, "tutorialmenu");
  help->addSeparator();
  aboutmenu = Item(help, "aboutmenu");

  evaluatemenu = new QMenu(evaluate);
  evaluatemenu->setObjectName(QStringLiteral("evaluatemenu"));
  itemupmenu = Item(evaluatemenu, "itemupmenu");
  evaluatemenu->addSeparator();
  edititemmenu = Item(evaluatemenu, "edititemmenu");
  deleteitemmenu = Item(evaluatemenu, "deleteitemmenu");
  evaluatemenu->addSeparator();
  itemdownmenu = Item(evaluatemenu, "itemdownmenu");
  itemupmenu->setIcon(ThemeIcon("go-up", "up"));
  edititemmenu->setIcon(ThemeIcon("document-edit", "edit"));
  deleteitemmenu->setIcon(ThemeIcon("edit-delete", "delete"));
  itemdownmenu->setIcon(ThemeIcon("go-down", "down"));
  // The list's shortcuts act while the list has the focus, so Del still edits the input line.
  evaluate->setContextMenuPolicy(Qt::CustomContextMenu);
  for (QAction* action : evaluatemenu->actions()) {
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    action->setShortcutVisibleInContextMenu(true);
    evaluate->addAction(action);
  }
}

}  // namespace quorvex
