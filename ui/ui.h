// ui: the Qt windows over one Calculator; the only folder that sees Qt. Every window is one
// class; its Qt objectName is the window's given name, by which tests find it.
//
// Windows (MainWindow owns and creates all others, and starts every command):
//   TForm1  MainWindow          main_window.h: InputPanel (inputbox), EvaluatePanel
//                               (evaluatebox), AnswerPanel (answerbox, gauge bar, solutionbox),
//                               StatusPanels (status), MainMenus (menus and evaluatemenu)
//   TForm2  EditItemDialog      TForm15 SimpleModeWindow  (solves through the main window)
//   TForm3  MaskOptionsDialog   TForm7  GraphOptionsDialog  TForm10 GeneralOptionsDialog
//           (each edits its settings record in Calculator: OK saves the file, every close
//           reloads the record from it, so outside the dialog record and file are equal)
//   TForm5  VariablesDialog     TForm16 VariableWizard (hands one variable to TForm5)
//   TForm4  FunctionsBrowser    TForm9  ConstantsBrowser (both a TableBrowser)
//   TForm6  GraphWindow         ChartView paints the ChartModel through PaintChart
//   TForm13 TableStatsWindow    the ValueTable of the last run
//   TForm11 ReminderDialog      the long-operation reminder of a graph run
//   TForm8  SplashWindow        TForm12 TutorialWindow  TForm14 WelcomeWindow
//
// Seams: the core asks the outside world through interfaces handed to Calculator. QtNotifier
// (qt_notifier.h) is the Notifier: message boxes and the general error report. QtGraphHost and
// QtClock (qt_graph_host.h) are the GraphHost and Clock of a graph run: the reminder, the
// gauge, the graph window.
//
// How a solve flows: solveClick (button, menu or F2) hands the evaluate list and the selected
// item to Calculator::Solve. The engine tokenizes, substitutes and reduces; an expression with
// x becomes a graph run, which calls QtGraphHost for the gauge, the reminder (modal, the only
// event loop during a run) and finally the modal GraphWindow. Solve returns a SolveOutcome,
// which ShowSolveOutcome writes into solution, answer and status panel 0 (and an untrapped
// fault into the error report). Nothing in the core touches a widget.
//
// Text crosses between the core's Windows-1252 and Qt's Unicode only in text_convert.h.
#pragma once

#include "ui/main_window.h"
#include "ui/qt_graph_host.h"
#include "ui/qt_notifier.h"
