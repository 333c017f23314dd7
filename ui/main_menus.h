#pragma once

#include <QObject>

class QAction;
class QMainWindow;
class QMenu;
class QWidget;

namespace quorvex {

// The main menu and the list's context menu `evaluatemenu`. Every action carries its name as
// objectName, so other windows' developers can wire their dialogs to the Tools items.
struct MainMenus {
  MainMenus(QMainWindow* window, QWidget* evaluate);

  // File
  QAction* insertmenu;
  QAction* solvemenu;
  QAction* clearmenu;
  QAction* simplemodemenu;
  QAction* exitmenu;
  // Edit
  QAction* copyansmenu;
  QAction* pasteansmenu;
  QAction* copysolmenu;
  QAction* insertlogmenu;
  // Tools
  QAction* graphmenu;
  QAction* maskmenu;
  QAction* constantsmenu;
  QAction* functionsmenu;
  QAction* variablesmenu;
  QAction* optionsmenu;
  // Help
  QAction* bugmenu;
  QAction* homepagemenu;
  QAction* tutorialmenu;
  QAction* aboutmenu;
  // evaluatemenu
  QMenu* evaluatemenu;
  QAction* itemupmenu;
  QAction* edititemmenu;
  QAction* deleteitemmenu;
  QAction* itemdownmenu;
};

}  // namespace quorvex
