#include "ui/general_options_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "common/line_file.h"
#include "settings/data_files.h"
#include "settings/expression_log.h"
#include "settings/messages.h"
#include "ui/accessible_names.h"
#include "ui/dialog_support.h"
#include "ui/text_convert.h"

namespace quorvex {
namespace {

QCheckBox* MakeCheck(const char* name, const char* caption) {
  auto* box = new QCheckBox(QString::fromLatin1(caption));
  box->setObjectName(QString::fromLatin1(name));
  return box;
}

QLabel* MakeNote(const char* text) {
  auto* note = new QLabel(QString::fromLatin1(text));
  note->setWordWrap(true);
  note->setStyleSheet(QStringLiteral("color: red;"));
  note->setContentsMargins(20, 0, 0, 6);
  return note;
}

QPushButton* MakeButton(const char* name, const char* caption, const char* hint) {
  auto* button = new QPushButton(QString::fromLatin1(caption));
  button->setObjectName(QString::fromLatin1(name));
  button->setToolTip(QString::fromLatin1(hint));
  button->setAutoDefault(false);
  return button;
}

}  // namespace

GeneralOptionsDialog::GeneralOptionsDialog(Calculator& calculator, Notifier& notifier,
                                           QWidget* parent)
    : SettingsDialog(parent), calculator_(calculator), notifier_(notifier) {
  setObjectName(QStringLiteral("TForm10"));
  setWindowTitle(QStringLiteral("General options"));

  auto* tabs = new QTabWidget;
  tabs->setObjectName(QStringLiteral("tabs"));

  // Log
  log_ = new QPlainTextEdit;
  log_->setObjectName(QStringLiteral("log"));
  log_->setReadOnly(true);
  log_->setLineWrapMode(QPlainTextEdit::NoWrap);
  log_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  log_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  clear_ = MakeButton("clear", "Clear", "Clear log (cannot be undo)");
  clear_->setEnabled(false);
  logcheck_ = MakeCheck("logcheck", "Log calculated input");
  auto* logbox = new QGroupBox(QStringLiteral("Log options"));
  auto* logrow = new QHBoxLayout;
  logrow->addWidget(log_, 1);
  auto* clearcolumn = new QVBoxLayout;
  clearcolumn->addWidget(clear_);
  clearcolumn->addStretch();
  logrow->addLayout(clearcolumn);
  auto* loglayout = new QVBoxLayout(logbox);
  loglayout->addLayout(logrow, 1);
  loglayout->addWidget(logcheck_);
  auto* logpage = new QWidget;
  (new QVBoxLayout(logpage))->addWidget(logbox);
  tabs->addTab(logpage, QStringLiteral("Log"));

  // Mode
  numbersys_ = new QComboBox;
  numbersys_->setObjectName(QStringLiteral("numbersys"));
  for (std::string_view name : kNumberSystemNames) numbersys_->addItem(ToQString(name));
  scicheck_ = MakeCheck("scicheck", "Scientific notation");
  auto* modebox = new QGroupBox(QStringLiteral("Calculation mode"));
  auto* modelayout = new QVBoxLayout(modebox);
  auto* systemrow = new QHBoxLayout;
  auto* systemlabel = new QLabel(QStringLiteral("Number system:"));
  systemlabel->setBuddy(numbersys_);
  systemrow->addWidget(systemlabel);
  systemrow->addWidget(numbersys_);
  systemrow->addStretch();
  modelayout->addLayout(systemrow);
  modelayout->addWidget(scicheck_);
  modelayout->addStretch();
  auto* modepage = new QWidget;
  (new QVBoxLayout(modepage))->addWidget(modebox);
  tabs->addTab(modepage, QStringLiteral("Mode"));

  // Other
  autocomplete_ = MakeCheck("autocomplete", "AutoComplete");
  storeinput_ = MakeCheck("storeinput", "Store input value");
  solcheck_ = MakeCheck("solcheck", "Get solution");
  tscheck_ = MakeCheck("tscheck", "Get table and stats");
  auto* otherbox = new QGroupBox(QStringLiteral("Other preferences"));
  auto* otherlayout = new QVBoxLayout(otherbox);
  otherlayout->addWidget(autocomplete_);
  otherlayout->addWidget(storeinput_);
  otherlayout->addWidget(solcheck_);
  otherlayout->addWidget(
      MakeNote("Uncheck 'Get solution' if you want to speed up large calculations"));
  otherlayout->addWidget(tscheck_);
  otherlayout->addWidget(
      MakeNote("Uncheck 'Get table and stats' if you want to speed up large graph calculations"));
  otherlayout->addStretch();
  auto* otherpage = new QWidget;
  (new QVBoxLayout(otherpage))->addWidget(otherbox);
  tabs->addTab(otherpage, QStringLiteral("Other"));

  auto* ok = MakeButton("ok", "OK", "Save changes and close form");
  ok->setDefault(true);
  auto* cancel = MakeButton("cancel", "Cancel", "Cancel changes and close form");
  auto* default2 = MakeButton("default2", "Default", "Set all values to default");
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  buttons->addWidget(default2);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs, 1);
  layout->addLayout(buttons);
  resize(420, 340);

  connect(ok, &QPushButton::clicked, this, &GeneralOptionsDialog::okClick);
  connect(cancel, &QPushButton::clicked, this, &GeneralOptionsDialog::reject);
  connect(default2, &QPushButton::clicked, this, &GeneralOptionsDialog::default2Click);
  connect(clear_, &QPushButton::clicked, this, &GeneralOptionsDialog::clearClick);
  connect(numbersys_, &QComboBox::currentIndexChanged, this,
          &GeneralOptionsDialog::numbersysChange);

  showSettings(calculator_.general());
  NameControls(this);
}

bool GeneralOptionsDialog::loadLogViewer() {
  const auto lines = ReadLogViewer(calculator_.data_dir().File(kLogFile));
  if (!lines) {
    ReportUnreadableFile(notifier_, CouldNotOpenMessage(kLogFile));
    Q_EMIT reloadFailed();
    return false;
  }
  showLog(*lines);
  return true;
}

void GeneralOptionsDialog::showRecord() { showSettings(calculator_.general()); }

bool GeneralOptionsDialog::reloadRecord() {
  return ReloadRecordFile(notifier_, &LoadGeneralSettings, calculator_.data_dir(), kGeneralFile,
                          calculator_.general());
}

bool GeneralOptionsDialog::saveEdited() {
  const GeneralSettings edited = editedSettings();
  if (!SaveRecordFile(notifier_, &SaveGeneralSettings, calculator_.data_dir(), kGeneralFile,
                      edited))
    return false;
  calculator_.general() = edited;
  return true;
}

void GeneralOptionsDialog::default2Click() {
  showSettings(GeneralSettings{});
  scicheck_->setEnabled(true);
}

void GeneralOptionsDialog::clearClick() {
  std::vector<std::string> viewer = EditorLines(log_->toPlainText());
  bool reloaded = true;
  try {
    reloaded = ClearExpressionLog(calculator_.data_dir().File(kLogFile), viewer);
  } catch (const FileWriteError& error) {
    notifier_.ShowErrorReport(error.what());
    return;
  }
  showLog(viewer);
  if (!reloaded) {
    ReportUnreadableFile(notifier_, CouldNotOpenMessage(kLogFile));
    Q_EMIT reloadFailed();
  }
}

void GeneralOptionsDialog::numbersysChange() {
  scicheck_->setEnabled(numbersys_->currentIndex() == kDecimal);
}

void GeneralOptionsDialog::showSettings(const GeneralSettings& settings) {
  logcheck_->setChecked(settings.logcheck);
  numbersys_->setCurrentIndex(settings.numbersys);
  scicheck_->setChecked(settings.scicheck);
  autocomplete_->setChecked(settings.autocomplete);
  storeinput_->setChecked(settings.storeinput);
  solcheck_->setChecked(settings.solcheck);
  tscheck_->setChecked(settings.tscheck);
  scicheck_->setEnabled(ScientificAvailable(settings));
}

GeneralSettings GeneralOptionsDialog::editedSettings() const {
  GeneralSettings settings;
  settings.logcheck = logcheck_->isChecked();
  settings.numbersys = numbersys_->currentIndex();
  settings.scicheck = scicheck_->isChecked();
  settings.autocomplete = autocomplete_->isChecked();
  settings.storeinput = storeinput_->isChecked();
  settings.solcheck = solcheck_->isChecked();
  settings.tscheck = tscheck_->isChecked();
  return settings;
}

void GeneralOptionsDialog::showLog(const std::vector<std::string>& lines) {
  log_->setPlainText(LinesToEditorText(lines));
  clear_->setEnabled(!lines.empty());
}

}  // namespace quorvex
