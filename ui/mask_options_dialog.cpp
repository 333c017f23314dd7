#include "ui/mask_options_dialog.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/line_file.h"
#include "settings/data_files.h"
#include "settings/messages.h"
#include "ui/accessible_names.h"
#include "ui/dialog_support.h"
#include "ui/elided_label.h"
#include "ui/single_line.h"
#include "ui/text_convert.h"

namespace quorvex {
namespace {

QLineEdit* MakeEdit(const char* name, const char* hint) {
  auto* edit = new QLineEdit;
  edit->setObjectName(QString::fromLatin1(name));
  KeepSingleLine(edit);
  edit->setToolTip(QString::fromLatin1(hint));
  return edit;
}

QPushButton* MakeButton(const char* name, const char* caption, const char* hint) {
  auto* button = new QPushButton(QString::fromLatin1(caption));
  button->setObjectName(QString::fromLatin1(name));
  button->setToolTip(QString::fromLatin1(hint));
  button->setAutoDefault(false);
  return button;
}

}  // namespace

MaskOptionsDialog::MaskOptionsDialog(Calculator& calculator, Notifier& notifier, QWidget* parent)
    : SettingsDialog(parent), calculator_(calculator), notifier_(notifier) {
  setObjectName(QStringLiteral("TForm3"));
  setWindowTitle(QStringLiteral("Mask options"));

  prefix_ = MakeEdit("prefix", "Type in a prefix value for the answer");
  mask_ = MakeEdit("mask", "Type in a mask to be used as a layer over the answer");
  suffix_ = MakeEdit("suffix", "Type in a suffix value for the answer");
  auto* formatbox = new QGroupBox(QStringLiteral("Masking format"));
  auto* form = new QFormLayout(formatbox);
  form->addRow(QStringLiteral("Prefix:"), prefix_);
  form->addRow(QStringLiteral("Mask:"), mask_);
  form->addRow(QStringLiteral("Suffix:"), suffix_);

  preview_ = new ElidedLabel;
  preview_->setObjectName(QStringLiteral("preview"));
  preview_->setTextFormat(Qt::PlainText);
  preview_->setMinimumHeight(preview_->fontMetrics().height() + 6);
  auto* previewbox = new QGroupBox(QStringLiteral("Preview"));
  (new QVBoxLayout(previewbox))->addWidget(preview_);

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
  layout->addWidget(formatbox);
  layout->addWidget(previewbox);
  layout->addStretch();
  layout->addLayout(buttons);
  resize(360, 230);

  connect(ok, &QPushButton::clicked, this, &MaskOptionsDialog::okClick);
  connect(cancel, &QPushButton::clicked, this, &MaskOptionsDialog::reject);
  connect(default2, &QPushButton::clicked, this, &MaskOptionsDialog::default2Click);
  // The preview follows every keystroke, so no timer is needed to keep it current.
  for (QLineEdit* edit : {prefix_, mask_, suffix_}) {
    connect(edit, &QLineEdit::textChanged, this, &MaskOptionsDialog::editChange);
  }

  showSettings(calculator_.mask());
  NameControls(this);
}

void MaskOptionsDialog::setSample(long double sample) {
  sample_ = sample;
  editChange();
}

void MaskOptionsDialog::showRecord() { showSettings(calculator_.mask()); }

bool MaskOptionsDialog::reloadRecord() {
  return ReloadRecordFile(notifier_, &LoadMaskSettings, calculator_.data_dir(), kMaskFile,
                          calculator_.mask());
}

bool MaskOptionsDialog::saveEdited() {
  const MaskSettings edited = editedSettings();
  if (!SaveRecordFile(notifier_, &SaveMaskSettings, calculator_.data_dir(), kMaskFile, edited))
    return false;
  calculator_.mask() = edited;
  return true;
}

void MaskOptionsDialog::default2Click() { showSettings(MaskSettings{}); }

void MaskOptionsDialog::editChange() {
  preview_->setText(ToQString(MaskedText(editedSettings(), sample_)));
}

void MaskOptionsDialog::showSettings(const MaskSettings& settings) {
  prefix_->setText(ToQString(settings.prefix));
  mask_->setText(ToQString(settings.mask));
  suffix_->setText(ToQString(settings.suffix));
  editChange();
}

MaskSettings MaskOptionsDialog::editedSettings() const {
  return {ToCp1252(prefix_->text()), ToCp1252(mask_->text()), ToCp1252(suffix_->text())};
}

}  // namespace quorvex
