#include "ui/shortcuts.h"

#include <array>
#include <cstring>
#include <stdexcept>
#include <string>

namespace quorvex {
namespace {

constexpr QKeyCombination kNone(Qt::Key_unknown);

constexpr std::array kCommands{
    CommandKeys{"filemenu", "&File", kNone},
    CommandKeys{"insertmenu", "&Insert", QKeyCombination(Qt::Key_F1)},
    CommandKeys{"solvemenu", "&Solve", QKeyCombination(Qt::Key_F2)},
    CommandKeys{"clearmenu", "&Clear", QKeyCombination(Qt::Key_F3)},
    CommandKeys{"simplemodemenu", "Si&mple mode", QKeyCombination(Qt::Key_F8)},
    CommandKeys{"exitmenu", "E&xit", QKeyCombination(Qt::CTRL, Qt::Key_Q)},
    CommandKeys{"editmenu", "&Edit", kNone},
    CommandKeys{"copyansmenu", "&Copy answer", QKeyCombination(Qt::CTRL | Qt::SHIFT, Qt::Key_C)},
    CommandKeys{"pasteansmenu", "&Paste answer", QKeyCombination(Qt::CTRL | Qt::SHIFT, Qt::Key_V)},
    CommandKeys{"copysolmenu", "Copy &solution", QKeyCombination(Qt::CTRL | Qt::SHIFT, Qt::Key_S)},
    CommandKeys{"insertlogmenu", "Insert &log", QKeyCombination(Qt::CTRL, Qt::Key_L)},
    CommandKeys{"toolsmenu", "&Tools", kNone},
    CommandKeys{"graphmenu", "&Graph options...", QKeyCombination(Qt::CTRL, Qt::Key_G)},
    CommandKeys{"maskmenu", "&Mask options...", QKeyCombination(Qt::CTRL, Qt::Key_M)},
    CommandKeys{"constantsmenu", "&Constants", QKeyCombination(Qt::Key_F5)},
    CommandKeys{"functionsmenu", "&Functions", QKeyCombination(Qt::Key_F6)},
    CommandKeys{"variablesmenu", "&Variables", QKeyCombination(Qt::Key_F7)},
    CommandKeys{"optionsmenu", "General &options...", QKeyCombination(Qt::CTRL, Qt::Key_O)},
    CommandKeys{"helpmenu", "&Help", kNone},
    CommandKeys{"bugmenu", "Report a &bug", kNone},
    CommandKeys{"homepagemenu", "Visit &homepage", kNone},
    CommandKeys{"tutorialmenu", "&Tutorial", QKeyCombination(Qt::CTRL, Qt::Key_F1)},
    CommandKeys{"aboutmenu", "&About Quorvex", kNone},
    CommandKeys{"itemupmenu", "&Up", QKeyCombination(Qt::CTRL, Qt::Key_Up)},
    CommandKeys{"edititemmenu", "&Edit", QKeyCombination(Qt::CTRL, Qt::Key_E)},
    CommandKeys{"deleteitemmenu", "&Delete", QKeyCombination(Qt::Key_Delete)},
    CommandKeys{"itemdownmenu", "D&own", QKeyCombination(Qt::CTRL, Qt::Key_Down)},
};

}  // namespace

std::span<const CommandKeys> MainCommandKeys() { return kCommands; }

const CommandKeys& CommandKeysFor(const char* name) {
  for (const CommandKeys& row : kCommands) {
    if (std::strcmp(row.name, name) == 0) return row;
  }
  throw std::out_of_range(std::string("no keys for ") + name);
}

}  // namespace quorvex
