#pragma once

#include <QMainWindow>
#include <memory>

#include "app/calculator.h"
#include "ui/qt_notifier.h"

class QAction;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTimer;

namespace quorvex {

class AnswerPanel;
class ConstantsBrowser;
class EditItemDialog;
class EvaluatePanel;
class FunctionsBrowser;
class GeneralOptionsDialog;
class GraphOptionsDialog;
class InputPanel;
class MaskOptionsDialog;
struct MainMenus;
class QtGraphHost;
class SimpleModeWindow;
class SplashWindow;
class StatusPanels;
class TutorialWindow;
class VariablesDialog;
class WelcomeWindow;

struct MainWindowOptions {
  int splash_ms = 2500;
  // Whether the first activation shows the splash and, on a first run, the welcome window.
  bool show_intro = true;
};

// TForm1: the input line, the expression list, the answer, the step lines and the status bar.
// It owns every other window and starts every command.
class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  MainWindow(Calculator& calculator, MainWindowOptions options = {}, QWidget* parent = nullptr);
  ~MainWindow() override;

  Calculator& calculator() { return calculator_; }
  Notifier& notifier() { return notifier_; }
  MainMenus& menus() { return *menus_; }

  QComboBox* input() const;
  QPushButton* insert() const;
  QListWidget* evaluate() const;
  QLineEdit* answer() const;
  QPushButton* solve() const;
  QPushButton* clear() const;
  QProgressBar* bar() const;
  QPlainTextEdit* solution() const;
  StatusPanels* status() const { return status_; }
  InputPanel* inputPanel() const { return input_panel_; }
  EvaluatePanel* evaluatePanel() const { return evaluate_panel_; }

  EditItemDialog* editItemDialog() const { return edit_dialog_; }
  SplashWindow* splashWindow() const { return splash_; }
  WelcomeWindow* welcomeWindow() const { return welcome_; }
  TutorialWindow* tutorialWindow() const { return tutorial_; }
  SimpleModeWindow* simpleModeWindow() const { return simple_.get(); }
  GeneralOptionsDialog* generalOptionsDialog() const { return general_options_; }
  MaskOptionsDialog* maskOptionsDialog() const { return mask_options_; }
  VariablesDialog* variablesDialog() const { return variables_; }
  GraphOptionsDialog* graphOptionsDialog() const { return graph_options_; }
  FunctionsBrowser* functionsBrowser() const { return functions_; }
  ConstantsBrowser* constantsBrowser() const { return constants_; }
  // The reminder, the gauge and the graph window of a graph run.
  QtGraphHost* graphHost() const { return graph_host_.get(); }

  // The value that the mask dialog previews: ans as it was when the dialog was opened.
  long double maskPreviewAns() const { return mask_preview_ans_; }
  bool startUpFailed() const { return start_up_failed_; }

  // Status panels 1 to 3 from the settings records; the settings dialogs call it after OK.
  void ApplyStatusTexts();
  // The general options' effect on this window: panel 1, auto-completion, Copy solution.
  void ApplyGeneralSettings();
  // Shows the two messages of an unreadable data file and closes the window.
  void FailOnFile(std::string_view message);

 public Q_SLOTS:
  void inputChange();
  void insertClick();
  void solveClick();
  void clearClick();
  void evaluateDblClick();
  void itemupClick();
  void itemdownClick();
  void edititemClick();
  void deleteitemClick();
  void insertlogClick();
  void simplemodeClick();
  void copyansmenuClick();
  void pasteansmenuClick();
  void copysolmenuClick();
  void bugmenuClick();
  void homepagemenuClick();
  void tutorialmenuClick();
  void aboutmenuClick();
  void maskmenuClick();
  void optionsmenuClick();
  void graphmenuClick();
  void variablesmenuClick();
  void functionsmenuClick();
  void constantsmenuClick();
  void exitmenuClick();
  void timerTimer();
  void FormActivate();

 protected:
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FormCreate();
  void ConnectControls();
  // Where the dialogs, browsers and the graph window of other files attach to the menu.
  void ConnectDialogs();
  void EnterPressed();
  void SetListCommandsEnabled(bool enabled);
  void ShowSolveOutcome(const SolveOutcome& outcome);
  void FormClose();

  Calculator& calculator_;
  MainWindowOptions options_;
  QtNotifier notifier_;
  InputPanel* input_panel_;
  EvaluatePanel* evaluate_panel_;
  AnswerPanel* answer_panel_;
  StatusPanels* status_;
  std::unique_ptr<MainMenus> menus_;
  QTimer* timer_;
  EditItemDialog* edit_dialog_ = nullptr;
  SplashWindow* splash_ = nullptr;
  WelcomeWindow* welcome_ = nullptr;
  TutorialWindow* tutorial_ = nullptr;
  GeneralOptionsDialog* general_options_ = nullptr;
  MaskOptionsDialog* mask_options_ = nullptr;
  VariablesDialog* variables_ = nullptr;
  GraphOptionsDialog* graph_options_ = nullptr;
  FunctionsBrowser* functions_ = nullptr;
  ConstantsBrowser* constants_ = nullptr;
  std::unique_ptr<SimpleModeWindow> simple_;
  std::unique_ptr<QtGraphHost> graph_host_;

  int constant_count_ = 0;
  int function_count_ = 0;
  long double mask_preview_ans_ = 0;
  bool activated_once_ = false;
  bool start_up_failed_ = false;
  bool closed_ = false;
};

}  // namespace quorvex
