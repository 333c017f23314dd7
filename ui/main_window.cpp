#include "ui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWindow>

#include "common/number_text.h"
#include "engine/answer_format.h"
#include "library/constant_table.h"
#include "library/function_table.h"
#include "settings/expression_log.h"
#include "settings/messages.h"
#include "ui/accessible_names.h"
#include "ui/answer_panel.h"
#include "ui/constants_browser.h"
#include "ui/desktop_links.h"
#include "ui/edit_item_dialog.h"
#include "ui/evaluate_panel.h"
#include "ui/functions_browser.h"
#include "ui/general_options_dialog.h"
#include "ui/graph_options_dialog.h"
#include "ui/icons.h"
#include "ui/input_panel.h"
#include "ui/main_menus.h"
#include "ui/mask_options_dialog.h"
#include "ui/qt_graph_host.h"
#include "ui/reminder_dialog.h"
#include "ui/simple_mode_window.h"
#include "ui/splash_window.h"
#include "ui/status_panels.h"
#include "ui/text_convert.h"
#include "ui/tutorial_window.h"
#include "ui/variables_dialog.h"
#include "ui/welcome_window.h"
#include "ui/window_placement.h"

namespace quorvex {

MainWindow::MainWindow(Calculator& calculator, MainWindowOptions options, QWidget* parent)
    : QMainWindow(parent), calculator_(calculator), options_(options), notifier_(this) {
  InitUiResources();
  setObjectName(QStringLiteral("TForm1"));
  setWindowTitle(QStringLiteral("Quorvex"));

  auto* central = new QWidget(this);
  input_panel_ = new InputPanel(central);
  evaluate_panel_ = new EvaluatePanel(central);
  answer_panel_ = new AnswerPanel(central);
  auto* layout = new QVBoxLayout(central);
  layout->addWidget(input_panel_);
  layout->addWidget(evaluate_panel_, 1);
  layout->addWidget(answer_panel_);
  setCentralWidget(central);
  status_ = new StatusPanels(this);
  setStatusBar(status_);
  // The gauge of a graph run lives in the status bar, in a slot no taller than the panels'
  // text that is there whether the gauge shows or not, so a run does not make the window grow.
  auto* gauge_slot = new QWidget(status_);
  gauge_slot->setObjectName(QStringLiteral("gaugeslot"));
  auto* gauge_layout = new QHBoxLayout(gauge_slot);
  gauge_layout->setContentsMargins(0, 0, 0, 0);
  gauge_layout->addWidget(bar());
  gauge_slot->setFixedSize(120, status_->fontMetrics().height());
  status_->addPermanentWidget(gauge_slot);
  menus_ = std::make_unique<MainMenus>(this, evaluate_panel_->evaluate());
  resize(534, 540);

  timer_ = new QTimer(this);
  timer_->setObjectName(QStringLiteral("timer"));
  timer_->setInterval(1000);

  FormCreate();
  ConnectControls();
  ConnectDialogs();
  timer_->start();
  NameControls(this);
}

MainWindow::~MainWindow() {
  // The calculator outlives this window and must not keep pointers into it.
  calculator_.SetGraphHost(nullptr);
  calculator_.SetClock(nullptr);
}

QComboBox* MainWindow::input() const { return input_panel_->input(); }
QPushButton* MainWindow::insert() const { return input_panel_->insert(); }
QListWidget* MainWindow::evaluate() const { return evaluate_panel_->evaluate(); }
QLineEdit* MainWindow::answer() const { return answer_panel_->answer(); }
QPushButton* MainWindow::solve() const { return answer_panel_->solve(); }
QPushButton* MainWindow::clear() const { return answer_panel_->clear(); }
QProgressBar* MainWindow::bar() const { return answer_panel_->bar(); }
QPlainTextEdit* MainWindow::solution() const { return answer_panel_->solution(); }

void MainWindow::FormCreate() {
  activated_once_ = false;
  // The tutorial reads the counts, so they are set before the other windows exist.
  constant_count_ = static_cast<int>(ConstantTable().size());
  function_count_ = static_cast<int>(FunctionTable().size());
  edit_dialog_ = new EditItemDialog(this);
  splash_ = new SplashWindow(options_.splash_ms, this);
  welcome_ = new WelcomeWindow(this);
  tutorial_ = new TutorialWindow(constant_count_, function_count_, this);
  simple_ = std::make_unique<SimpleModeWindow>(*this);
  graph_host_ = std::make_unique<QtGraphHost>(calculator_, bar(), answer(), this);
  calculator_.SetGraphHost(graph_host_.get());
  calculator_.SetClock(&graph_host_->clock());
}

void MainWindow::ConnectControls() {
  MainMenus& m = *menus_;
  connect(input(), &QComboBox::editTextChanged, this, &MainWindow::inputChange);
  input()->lineEdit()->installEventFilter(this);
  connect(insert(), &QPushButton::clicked, this, &MainWindow::insertClick);
  connect(solve(), &QPushButton::clicked, this, &MainWindow::solveClick);
  connect(clear(), &QPushButton::clicked, this, &MainWindow::clearClick);
  connect(evaluate(), &QListWidget::itemDoubleClicked, this, &MainWindow::evaluateDblClick);
  connect(evaluate(), &QListWidget::customContextMenuRequested, this, [this](const QPoint& at) {
    menus_->evaluatemenu->popup(evaluate()->viewport()->mapToGlobal(at));
  });
  const EvaluatePanel& list = *evaluate_panel_;
  connect(list.itemup(), &QToolButton::clicked, this, &MainWindow::itemupClick);
  connect(list.itemdown(), &QToolButton::clicked, this, &MainWindow::itemdownClick);
  connect(list.edititem(), &QToolButton::clicked, this, &MainWindow::edititemClick);
  connect(list.deleteitem(), &QToolButton::clicked, this, &MainWindow::deleteitemClick);
  connect(list.insertlog(), &QToolButton::clicked, this, &MainWindow::insertlogClick);
  connect(list.simplemode(), &QToolButton::clicked, this, &MainWindow::simplemodeClick);

  connect(m.insertmenu, &QAction::triggered, this, &MainWindow::insertClick);
  connect(m.solvemenu, &QAction::triggered, this, &MainWindow::solveClick);
  connect(m.clearmenu, &QAction::triggered, this, &MainWindow::clearClick);
  connect(m.simplemodemenu, &QAction::triggered, this, &MainWindow::simplemodeClick);
  connect(m.exitmenu, &QAction::triggered, this, &MainWindow::exitmenuClick);
  connect(m.copyansmenu, &QAction::triggered, this, &MainWindow::copyansmenuClick);
  connect(m.pasteansmenu, &QAction::triggered, this, &MainWindow::pasteansmenuClick);
  connect(m.copysolmenu, &QAction::triggered, this, &MainWindow::copysolmenuClick);
  connect(m.insertlogmenu, &QAction::triggered, this, &MainWindow::insertlogClick);
  connect(m.bugmenu, &QAction::triggered, this, &MainWindow::bugmenuClick);
  connect(m.homepagemenu, &QAction::triggered, this, &MainWindow::homepagemenuClick);
  connect(m.tutorialmenu, &QAction::triggered, this, &MainWindow::tutorialmenuClick);
  connect(m.aboutmenu, &QAction::triggered, this, &MainWindow::aboutmenuClick);
  connect(m.itemupmenu, &QAction::triggered, this, &MainWindow::itemupClick);
  connect(m.edititemmenu, &QAction::triggered, this, &MainWindow::edititemClick);
  connect(m.deleteitemmenu, &QAction::triggered, this, &MainWindow::deleteitemClick);
  connect(m.itemdownmenu, &QAction::triggered, this, &MainWindow::itemdownClick);

  connect(welcome_, &WelcomeWindow::tutorialChosen, this, &MainWindow::tutorialmenuClick);
  connect(welcome_, &WelcomeWindow::homepageChosen, this, &MainWindow::homepagemenuClick);
  connect(welcome_, &WelcomeWindow::aboutChosen, this, &MainWindow::aboutmenuClick);
  connect(timer_, &QTimer::timeout, this, &MainWindow::timerTimer);
}

void MainWindow::ConnectDialogs() {
  // The dialogs, browsers and graph window live in their own files; they attach here.
  general_options_ = new GeneralOptionsDialog(calculator_, notifier_, this);
  mask_options_ = new MaskOptionsDialog(calculator_, notifier_, this);
  variables_ = new VariablesDialog(calculator_, notifier_, this);
  graph_options_ = new GraphOptionsDialog(calculator_, notifier_, ChooseColorWithDialog, this);
  functions_ = new FunctionsBrowser(notifier_, this);
  constants_ = new ConstantsBrowser(notifier_, this);
  connect(menus_->maskmenu, &QAction::triggered, this, &MainWindow::maskmenuClick);
  connect(menus_->optionsmenu, &QAction::triggered, this, &MainWindow::optionsmenuClick);
  connect(menus_->graphmenu, &QAction::triggered, this, &MainWindow::graphmenuClick);
  connect(menus_->variablesmenu, &QAction::triggered, this, &MainWindow::variablesmenuClick);
  connect(menus_->functionsmenu, &QAction::triggered, this, &MainWindow::functionsmenuClick);
  connect(menus_->constantsmenu, &QAction::triggered, this, &MainWindow::constantsmenuClick);
  connect(general_options_, &GeneralOptionsDialog::applied, this,
          &MainWindow::ApplyGeneralSettings);
  connect(mask_options_, &MaskOptionsDialog::applied, this, &MainWindow::ApplyStatusTexts);
  connect(graph_options_, &GraphOptionsDialog::applied, this, &MainWindow::ApplyStatusTexts);
  // The dialog has shown the two messages of the file it could not read back.
  connect(general_options_, &GeneralOptionsDialog::reloadFailed, this, &MainWindow::close);
  connect(mask_options_, &MaskOptionsDialog::reloadFailed, this, &MainWindow::close);
  connect(variables_, &VariablesDialog::reloadFailed, this, &MainWindow::close);
  connect(graph_options_, &GraphOptionsDialog::reloadFailed, this, &MainWindow::close);
}

void MainWindow::ApplyStatusTexts() {
  const StatusTexts texts = calculator_.Status();
  status_->SetText(3, ToQString(texts.x_range));
  status_->SetText(2, ToQString(texts.mask));
  status_->SetText(1, ToQString(texts.number_system));
}

void MainWindow::ApplyGeneralSettings() {
  const GeneralSettings& general = calculator_.general();
  status_->SetText(1, ToQString(NumberSystemStatusText(general)));
  input_panel_->SetAutoComplete(general.autocomplete);
  menus_->copysolmenu->setEnabled(general.solcheck);
}

void MainWindow::FailOnFile(std::string_view message) {
  notifier_.ShowMessage(message);
  notifier_.ShowMessage(kWillBeClosed);
  close();
}

void MainWindow::inputChange() {
  const bool filled = !input_panel_->Text().isEmpty();
  insert()->setEnabled(filled);
  menus_->insertmenu->setEnabled(filled);
}

void MainWindow::SetListCommandsEnabled(bool enabled) {
  solve()->setEnabled(enabled);
  menus_->solvemenu->setEnabled(enabled);
  clear()->setEnabled(enabled);
  menus_->clearmenu->setEnabled(enabled);
}

void MainWindow::insertClick() {
  if (evaluate_panel_->Count() == 0) SetListCommandsEnabled(true);
  insert()->setEnabled(false);
  menus_->insertmenu->setEnabled(false);
  const QString text = input_panel_->Text();
  evaluate_panel_->Append(text);
  if (calculator_.general().storeinput) input_panel_->RememberText(text);
  input_panel_->SetText(QString());
  if (isActiveWindow()) input()->setFocus();
}

void MainWindow::solveClick() {
  // An empty list has nothing to solve, and solving it would empty the log.
  if (evaluate_panel_->Count() == 0) return;
  const std::vector<std::string> items = evaluate_panel_->Items();
  const int selected = std::max(evaluate_panel_->Selected(), 0);
  ShowSolveOutcome(calculator_.Solve(items, static_cast<size_t>(selected)));
}

void MainWindow::ShowSolveOutcome(const SolveOutcome& outcome) {
  QStringList steps;
  steps.reserve(static_cast<qsizetype>(outcome.steps.size()));
  for (const std::string& step : outcome.steps) steps.append(ToQString(step));
  solution()->setPlainText(steps.join(QLatin1Char('\n')));
  answer()->setText(ToQString(outcome.answer));
  answer()->setCursorPosition(0);
  if (outcome.bits) status_->SetText(0, ToQString(*outcome.bits));
  if (outcome.fault) notifier_.ShowErrorReport(*outcome.fault);
}

void MainWindow::clearClick() {
  SetListCommandsEnabled(false);
  evaluate_panel_->Clear();
  input()->setFocus();
}

void MainWindow::evaluateDblClick() { edititemClick(); }

void MainWindow::itemupClick() { evaluate_panel_->MoveSelected(-1); }

void MainWindow::itemdownClick() { evaluate_panel_->MoveSelected(+1); }

void MainWindow::edititemClick() {
  if (evaluate_panel_->Count() == 0) return;
  CentreOn(edit_dialog_, this);
  if (const std::optional<QString> text = edit_dialog_->Edit(evaluate_panel_->SelectedText())) {
    evaluate_panel_->ReplaceSelected(*text);
  }
}

void MainWindow::deleteitemClick() {
  const int count = evaluate_panel_->Count();
  if (count == 0) return;
  if (count == 1) {
    clearClick();
    return;
  }
  evaluate_panel_->DeleteSelected();
}

void MainWindow::insertlogClick() {
  std::vector<std::string> items = evaluate_panel_->Items();
  const bool was_empty = items.empty();
  if (!InsertExpressionLog(calculator_.data_dir().File(kLogFile), items)) {
    FailOnFile(CouldNotOpenMessage(kLogFile));
    return;
  }
  if (!was_empty || items.empty()) return;
  QStringList texts;
  texts.reserve(static_cast<qsizetype>(items.size()));
  for (const std::string& item : items) texts.append(ToQString(item));
  evaluate_panel_->AppendAll(texts);
  SetListCommandsEnabled(true);
}

void MainWindow::simplemodeClick() {
  simple_->Enter(input_panel_->Text());
  CentreOn(simple_.get(), this);
  hide();
  simple_->show();
  simple_->activateWindow();
}

void MainWindow::copyansmenuClick() {
  QGuiApplication::clipboard()->setText(ToQString(FormatGeneral(calculator_.ans())));
}

void MainWindow::pasteansmenuClick() {
  // Of a text of several lines only the first is read.
  QString text = QGuiApplication::clipboard()->text().section(QLatin1Char('\n'), 0, 0);
  if (text.endsWith(QLatin1Char('\r'))) text.chop(1);
  const SolveOutcome outcome = calculator_.PasteAnswer(ToCp1252(text));
  if (outcome.succeeded) solution()->clear();
  answer()->setText(ToQString(outcome.answer));
  answer()->setCursorPosition(0);
  if (outcome.bits) status_->SetText(0, ToQString(*outcome.bits));
}

void MainWindow::copysolmenuClick() {
  solution()->selectAll();
  solution()->copy();
}

void MainWindow::bugmenuClick() {
  if (!OpenBugReport()) notifier_.ShowMessage(ToCp1252(BugReportFailedText()));
}

void MainWindow::homepagemenuClick() {
  if (!OpenHomepage()) notifier_.ShowMessage(ToCp1252(HomepageFailedText()));
}

void MainWindow::tutorialmenuClick() {
  // Opened from the modal welcome window, the tutorial belongs to it: a modal window blocks
  // every window but its own, and the tutorial must be usable beside the welcome.
  tutorial_->winId();
  if (QWindow* handle = tutorial_->windowHandle(); handle != nullptr && !tutorial_->isVisible()) {
    handle->setTransientParent(welcome_->isVisible() ? welcome_->windowHandle() : windowHandle());
  }
  if (!tutorial_->isVisible()) CentreOn(tutorial_, this);
  tutorial_->show();
  tutorial_->raise();
  tutorial_->activateWindow();
}

void MainWindow::aboutmenuClick() { splash_->ShowModal(); }

void MainWindow::maskmenuClick() {
  mask_preview_ans_ = calculator_.ans();
  mask_options_->setSample(mask_preview_ans_);
  mask_options_->exec();
}

void MainWindow::optionsmenuClick() {
  if (general_options_->loadLogViewer()) general_options_->exec();
}

void MainWindow::graphmenuClick() { graph_options_->exec(); }

void MainWindow::variablesmenuClick() { variables_->exec(); }

void MainWindow::functionsmenuClick() {
  if (!functions_->isVisible()) CentreOn(functions_, this);
  functions_->show();
  functions_->raise();
  functions_->activateWindow();
}

void MainWindow::constantsmenuClick() {
  if (!constants_->isVisible()) CentreOn(constants_, this);
  constants_->show();
  constants_->raise();
  constants_->activateWindow();
}

void MainWindow::exitmenuClick() { close(); }

void MainWindow::timerTimer() {
  // The long-operation reminder of a graph run keeps the gauge while it is up.
  const QWidget* active = QApplication::activeWindow();
  const bool reminder_up = active != nullptr && active == graph_host_->reminder();
  if (bar()->isVisible() && !reminder_up) bar()->hide();
}

void MainWindow::FormActivate() {
  if (closed_) return;
  input()->setFocus();
  if (activated_once_) return;
  // Set first: the splash and welcome windows reactivate this window when they close.
  activated_once_ = true;
  if (!calculator_.StartUp(notifier_)) {
    start_up_failed_ = true;
    close();
    return;
  }
  ApplyStatusTexts();
  ApplyGeneralSettings();
  if (!options_.show_intro) return;
  splash_->ShowModal();
  if (calculator_.other().ShowsWelcome() && !closed_) {
    CentreOn(welcome_, this);
    welcome_->exec();
  }
}

void MainWindow::FormClose() {
  // A failed start-up leaves the data files alone: the program ends without having used them.
  if (start_up_failed_) return;
  try {
    SaveFirstRunDone(calculator_.data_dir().File(kOtherFile));
  } catch (const std::exception& fault) {
    notifier_.ShowErrorReport(fault.what());
  }
}

void MainWindow::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  // Run outside the activation itself: the start-up may open modal windows.
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
    QTimer::singleShot(0, this, &MainWindow::FormActivate);
  }
}

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  // Without a window manager the first show may never be followed by an activation.
  if (!activated_once_) QTimer::singleShot(0, this, &MainWindow::FormActivate);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  closed_ = true;
  FormClose();
  tutorial_->close();
  simple_->hide();
  event->accept();
}

void MainWindow::EnterPressed() {
  // Enter presses the first enabled default button: Insert, then Solve.
  if (insert()->isEnabled()) {
    insertClick();
  } else if (solve()->isEnabled()) {
    solveClick();
  }
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    EnterPressed();
    return;
  }
  QMainWindow::keyPressEvent(event);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == input()->lineEdit() && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      EnterPressed();
      return true;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace quorvex
