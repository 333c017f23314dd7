#include "ui/main_menus.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include "ui/icons.h"

namespace quorvex {
namespace {

QAction* Item(QMenu* menu, const char* caption, const char* name,
              const QKeySequence& shortcut = {}) {
  QAction* action = menu->addAction(QString::fromLatin1(caption));
  action->setObjectName(QString::fromLatin1(name));
  if (!shortcut.isEmpty()) action->setShortcut(shortcut);
  return action;
}

QMenu* Menu(QMainWindow* window, const char* caption, const char* name) {
  QMenu* menu = window->menuBar()->addMenu(QString::fromLatin1(caption));
  menu->setObjectName(QString::fromLatin1(name));
  return menu;
}

}  // namespace

MainMenus::MainMenus(QMainWindow* window, QWidget* evaluate) {
  QMenu* file = Menu(window, "File", "filemenu");
  insertmenu = Item(file, "Insert", "insertmenu", QKeySequence(Qt::Key_F1));
  solvemenu = Item(file, "Solve", "solvemenu", QKeySequence(Qt::Key_F2));
  clearmenu = Item(file, "Clear", "clearmenu", QKeySequence(Qt::Key_F3));
  file->addSeparator();
  simplemodemenu = Item(file, "Simple mode", "simplemodemenu");
  file->addSeparator();
  exitmenu = Item(file, "Exit", "exitmenu");
  for (QAction* action : {insertmenu, solvemenu, clearmenu}) action->setEnabled(false);

  QMenu* edit = Menu(window, "Edit", "editmenu");
  copyansmenu = Item(edit, "Copy answer", "copyansmenu");
  pasteansmenu = Item(edit, "Paste answer", "pasteansmenu");
  edit->addSeparator();
  copysolmenu = Item(edit, "Copy solution", "copysolmenu");
  edit->addSeparator();
  insertlogmenu = Item(edit, "Insert log", "insertlogmenu");

  QMenu* tools = Menu(window, "Tools", "toolsmenu");
  graphmenu = Item(tools, "Graph options...", "graphmenu");
  maskmenu = Item(tools, "Mask options...", "maskmenu");
  tools->addSeparator();
  constantsmenu = Item(tools, "Constants", "constantsmenu", QKeySequence(Qt::Key_F5));
  functionsmenu = Item(tools, "Functions", "functionsmenu", QKeySequence(Qt::Key_F6));
  variablesmenu = Item(tools, "Variables", "variablesmenu", QKeySequence(Qt::Key_F7));
  tools->addSeparator();
  optionsmenu = Item(tools, "General options...", "optionsmenu");

  QMenu* help = Menu(window, "Help", "helpmenu");
  bugmenu = Item(help, "Report a bug", "bugmenu");
  homepagemenu = Item(help, "Visit homepage", "homepagemenu");
  help->addSeparator();
  tutorialmenu = Item(help, "Tutorial", "tutorialmenu");
  help->addSeparator();
  aboutmenu = Item(help, "About Quorvex", "aboutmenu");

  evaluatemenu = new QMenu(evaluate);
  evaluatemenu->setObjectName(QStringLiteral("evaluatemenu"));
  itemupmenu = Item(evaluatemenu, "Up", "itemupmenu", QKeySequence(Qt::CTRL | Qt::Key_Up));
  evaluatemenu->addSeparator();
  edititemmenu = Item(evaluatemenu, "Edit", "edititemmenu", QKeySequence(Qt::CTRL | Qt::Key_E));
  deleteitemmenu = Item(evaluatemenu, "Delete", "deleteitemmenu", QKeySequence(Qt::Key_Delete));
  evaluatemenu->addSeparator();
  itemdownmenu = Item(evaluatemenu, "Down", "itemdownmenu", QKeySequence(Qt::CTRL | Qt::Key_Down));
  itemupmenu->setIcon(ThemeIcon("go-up", "up"));
  edititemmenu->setIcon(ThemeIcon("document-edit", "edit"));
  deleteitemmenu->setIcon(ThemeIcon("edit-delete", "delete"));
  itemdownmenu->setIcon(ThemeIcon("go-down", "down"));
  // The list's shortcuts act while the list has the focus, so Del still edits the input line.
  evaluate->setContextMenuPolicy(Qt::CustomContextMenu);
  for (QAction* action : evaluatemenu->actions()) {
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    evaluate->addAction(action);
  }
}

}  // namespace quorvex
