#include "ui/graph_options_dialog.h"

#include <QCheckBox>
#include <QColor>
#include <QColorDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "common/line_file.h"
#include "settings/data_files.h"
#include "settings/messages.h"
#include "ui/accessible_names.h"
#include "ui/dialog_support.h"
#include "ui/single_line.h"
#include "ui/text_convert.h"

namespace quorvex {
namespace {

constexpr int kPercentStep = 5;
constexpr int kPercentMin = 0;
constexpr int kPercentMax = 100;

QColor ToQColor(GraphColor color) {
  return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                static_cast<int>((color >> 16) & 0xFF));
}

GraphColor FromQColor(const QColor& color) {
  return static_cast<GraphColor>(color.red()) | (static_cast<GraphColor>(color.green()) << 8) |
         (static_cast<GraphColor>(color.blue()) << 16);
}

QLineEdit* MakeEdit(const char* name, const char* hint) {
  auto* edit = new QLineEdit;
  edit->setObjectName(QString::fromLatin1(name));
  KeepSingleLine(edit);
  if (hint != nullptr) edit->setToolTip(QString::fromLatin1(hint));
  return edit;
}

QCheckBox* MakeCheck(const char* name, const char* caption) {
  auto* box = new QCheckBox(QString::fromLatin1(caption));
  box->setObjectName(QString::fromLatin1(name));
  return box;
}

QPushButton* MakeButton(const char* name, const char* caption, const char* hint) {
  auto* button = new QPushButton(QString::fromLatin1(caption));
  button->setObjectName(QString::fromLatin1(name));
  button->setToolTip(QString::fromLatin1(hint));
  button->setAutoDefault(false);
  return button;
}

QToolButton* MakeArrow(const char* name, Qt::ArrowType arrow) {
  auto* button = new QToolButton;
  button->setObjectName(QString::fromLatin1(name));
  button->setArrowType(arrow);
  button->setFixedSize(18, 12);
  return button;
}

QWidget* MakePage(std::initializer_list<QWidget*> groups) {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  for (QWidget* group : groups) layout->addWidget(group);
  layout->addStretch();
  return page;
}

// One axis group: the three check boxes beside the max edit above the min edit.
QGroupBox* MakeAxisBox(const char* caption, QCheckBox* autocheck, QCheckBox* invcheck,
                       QCheckBox* logcheck, const char* maxcaption, QLineEdit* max,
                       const char* mincaption, QLineEdit* min) {
  auto* box = new QGroupBox(QString::fromLatin1(caption));
  auto* checks = new QVBoxLayout;
  checks->addWidget(autocheck);
  checks->addWidget(invcheck);
  checks->addWidget(logcheck);
  auto* limits = new QFormLayout;
  limits->addRow(QString::fromLatin1(maxcaption), max);
  limits->addRow(QString::fromLatin1(mincaption), min);
  auto* layout = new QHBoxLayout(box);
  layout->addLayout(checks);
  layout->addSpacing(12);
  layout->addLayout(limits, 1);
  return box;
}

}  // namespace

std::optional<GraphColor> ChooseColorWithDialog(GraphColor current, QWidget* parent) {
  const QColor chosen = QColorDialog::getColor(ToQColor(current), parent);
  if (!chosen.isValid()) return std::nullopt;
  return FromQColor(chosen);
}

GraphOptionsDialog::GraphOptionsDialog(Calculator& calculator, Notifier& notifier,
                                       ColorChooser chooser, QWidget* parent)
    : SettingsDialog(parent),
      calculator_(calculator),
      notifier_(notifier),
      chooser_(std::move(chooser)) {
  setObjectName(QStringLiteral("TForm7"));
  setWindowTitle(QStringLiteral("Graph options"));

  // Calculations
  start_ = MakeEdit("start", "Type in the start value for x");
  stop_ = MakeEdit("stop", "Type in the stop value for x");
  inc_ = MakeEdit("inc", "Type in the increment rate for x");
  auto* calcbox = new QGroupBox(QStringLiteral("Graph calculations"));
  auto* calcform = new QFormLayout(calcbox);
  calcform->addRow(QStringLiteral("x var start:"), start_);
  calcform->addRow(QStringLiteral("x var stop:"), stop_);
  calcform->addRow(QStringLiteral("x var inc:"), inc_);

  // Scales
  xautocheck_ = MakeCheck("xautocheck", "Automatic");
  xinvcheck_ = MakeCheck("xinvcheck", "Inverted");
  xlogcheck_ = MakeCheck("xlogcheck", "Logarithmic");
  xmax_ = MakeEdit("xmax", "Type in the x axis max");
  xmin_ = MakeEdit("xmin", "Type in the x axis min");
  yautocheck_ = MakeCheck("yautocheck", "Automatic");
  yinvcheck_ = MakeCheck("yinvcheck", "Inverted");
  ylogcheck_ = MakeCheck("ylogcheck", "Logarithmic");
  ymax_ = MakeEdit("ymax", "Type in the y axis max");
  ymin_ = MakeEdit("ymin", "Type in the y axis min");
  QGroupBox* xbox = MakeAxisBox("x axis scales", xautocheck_, xinvcheck_, xlogcheck_,
                                "x max:", xmax_, "x min:", xmin_);
  QGroupBox* ybox = MakeAxisBox("y axis scales", yautocheck_, yinvcheck_, ylogcheck_,
                                "y max:", ymax_, "y min:", ymin_);

  // Visuals
  scheck_ = MakeCheck("scheck", "View stairs");
  pcheck_ = MakeCheck("pcheck", "View points");
  hgcheck_ = MakeCheck("hgcheck", "View horizontal grid");
  vgcheck_ = MakeCheck("vgcheck", "View vertical grid");
  auto* viewbox = new QGroupBox(QStringLiteral("View options"));
  auto* viewgrid = new QGridLayout(viewbox);
  viewgrid->addWidget(scheck_, 0, 0);
  viewgrid->addWidget(pcheck_, 1, 0);
  viewgrid->addWidget(hgcheck_, 0, 1);
  viewgrid->addWidget(vgcheck_, 1, 1);

  const std::array<std::pair<const char*, const char*>, 4> swatchnames = {{
      {"gcolor", "Graph color:"},
      {"bcolor", "Back color:"},
      {"grcolor", "Grid color:"},
      {"pcolor", "Point color:"},
  }};
  auto* colorbox = new QGroupBox(QStringLiteral("Color options"));
  auto* colorgrid = new QGridLayout(colorbox);
  for (int i = 0; i < 4; ++i) {
    auto* swatch = new QPushButton;
    swatch->setObjectName(QString::fromLatin1(swatchnames[i].first));
    swatch->setFixedSize(40, 20);
    swatch->setAutoDefault(false);
    swatch->setCursor(Qt::PointingHandCursor);
    swatches_[i] = swatch;
    // Two columns of label and swatch: graph and back colour left, grid and point right.
    const int row = i % 2;
    const int column = (i / 2) * 3;
    auto* swatchlabel = new QLabel(QString::fromLatin1(swatchnames[i].second));
    swatchlabel->setBuddy(swatch);
    colorgrid->addWidget(swatchlabel, row, column);
    colorgrid->addWidget(swatch, row, column + 1);
    const auto which = static_cast<Swatch>(i);
    connect(swatch, &QPushButton::clicked, this, [this, which] { swatchClick(which); });
  }
  colorgrid->setColumnMinimumWidth(2, 16);
  colorgrid->setColumnStretch(5, 1);

  dcheck_ = MakeCheck("dcheck", "View 3D");
  percent_ = MakeEdit("percent", nullptr);
  percent_->setReadOnly(true);
  percent_->setFixedWidth(48);
  udpercent_ = new QWidget;
  udpercent_->setObjectName(QStringLiteral("udpercent"));
  QToolButton* up = MakeArrow("udpercentup", Qt::UpArrow);
  QToolButton* down = MakeArrow("udpercentdown", Qt::DownArrow);
  up->setAccessibleName(QStringLiteral("Increase 3D percent"));
  down->setAccessibleName(QStringLiteral("Decrease 3D percent"));
  auto* arrows = new QVBoxLayout(udpercent_);
  arrows->setContentsMargins(0, 0, 0, 0);
  arrows->setSpacing(0);
  arrows->addWidget(up);
  arrows->addWidget(down);
  auto* threedbox = new QGroupBox(QStringLiteral("3D options"));
  auto* threedrow = new QHBoxLayout(threedbox);
  threedrow->addWidget(dcheck_);
  threedrow->addSpacing(24);
  auto* percentlabel = new QLabel(QStringLiteral("3D%:"));
  percentlabel->setBuddy(percent_);
  percent_->setAccessibleName(QStringLiteral("3D percent"));
  threedrow->addWidget(percentlabel);
  threedrow->addWidget(percent_);
  threedrow->addWidget(udpercent_);
  threedrow->addStretch();

  auto* tabs = new QTabWidget;
  tabs->setObjectName(QStringLiteral("pages"));
  tabs->addTab(MakePage({calcbox}), QStringLiteral("Calculations"));
  tabs->addTab(MakePage({xbox, ybox}), QStringLiteral("Scales"));
  tabs->addTab(MakePage({viewbox, colorbox, threedbox}), QStringLiteral("Visuals"));

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

  connect(ok, &QPushButton::clicked, this, &GraphOptionsDialog::okClick);
  connect(cancel, &QPushButton::clicked, this, &GraphOptionsDialog::reject);
  connect(default2, &QPushButton::clicked, this, &GraphOptionsDialog::default2Click);
  // toggled also fires when a loaded file changes a box, so the enabling follows every load.
  connect(xautocheck_, &QCheckBox::toggled, this, &GraphOptionsDialog::xautocheckClick);
  connect(yautocheck_, &QCheckBox::toggled, this, &GraphOptionsDialog::yautocheckClick);
  for (QCheckBox* box : {dcheck_, hgcheck_, vgcheck_, pcheck_}) {
    connect(box, &QCheckBox::toggled, this, &GraphOptionsDialog::dcheckClick);
  }
  connect(up, &QToolButton::clicked, this, [this] { udpercentClick(kPercentStep); });
  connect(down, &QToolButton::clicked, this, [this] { udpercentClick(-kPercentStep); });

  showSettings(calculator_.graph());
  NameControls(this);
}

void GraphOptionsDialog::showRecord() { showSettings(calculator_.graph()); }

bool GraphOptionsDialog::reloadRecord() {
  return ReloadRecordFile(notifier_, &LoadGraphSettings, calculator_.data_dir(), kGraphFile,
                          calculator_.graph());
}

bool GraphOptionsDialog::saveEdited() {
  const GraphSettings edited = editedSettings();
  if (!SaveRecordFile(notifier_, &SaveGraphSettings, calculator_.data_dir(), kGraphFile, edited))
    return false;
  calculator_.graph() = edited;
  return true;
}

void GraphOptionsDialog::default2Click() { showSettings(GraphSettings{}); }

void GraphOptionsDialog::swatchClick(Swatch swatch) {
  if (const auto chosen = chooser_(colors_[swatch], this)) showColor(swatch, *chosen);
}

void GraphOptionsDialog::xautocheckClick() {
  const bool fixed = !xautocheck_->isChecked();
  xmin_->setEnabled(fixed);
  xmax_->setEnabled(fixed);
}

void GraphOptionsDialog::yautocheckClick() {
  const bool fixed = !yautocheck_->isChecked();
  ymin_->setEnabled(fixed);
  ymax_->setEnabled(fixed);
}

void GraphOptionsDialog::dcheckClick() {
  percent_->setEnabled(dcheck_->isChecked());
  udpercent_->setEnabled(dcheck_->isChecked());
}

void GraphOptionsDialog::udpercentClick(int step) {
  // The arrows start from the shown number when it is one, else from where they last stood.
  bool whole = false;
  const int shown = percent_->text().toInt(&whole);
  if (whole) percent_position_ = std::clamp(shown, kPercentMin, kPercentMax);
  percent_position_ = std::clamp(percent_position_ + step, kPercentMin, kPercentMax);
  percent_->setText(QString::number(percent_position_));
}

void GraphOptionsDialog::showSettings(const GraphSettings& s) {
  start_->setText(ToQString(s.start));
  stop_->setText(ToQString(s.stop));
  inc_->setText(ToQString(s.inc));
  xautocheck_->setChecked(s.xautocheck);
  xinvcheck_->setChecked(s.xinvcheck);
  xlogcheck_->setChecked(s.xlogcheck);
  xmin_->setText(ToQString(s.xmin));
  xmax_->setText(ToQString(s.xmax));
  yautocheck_->setChecked(s.yautocheck);
  yinvcheck_->setChecked(s.yinvcheck);
  ylogcheck_->setChecked(s.ylogcheck);
  ymin_->setText(ToQString(s.ymin));
  ymax_->setText(ToQString(s.ymax));
  scheck_->setChecked(s.scheck);
  pcheck_->setChecked(s.pcheck);
  hgcheck_->setChecked(s.hgcheck);
  vgcheck_->setChecked(s.vgcheck);
  showColor(kGraph, s.gcolor);
  showColor(kBack, s.bcolor);
  showColor(kGrid, s.grcolor);
  showColor(kPoint, s.pcolor);
  dcheck_->setChecked(s.dcheck);
  percent_->setText(ToQString(s.percent));
  // The rules already ran for every box that changed; running them again covers the rest.
  xautocheckClick();
  yautocheckClick();
  dcheckClick();
}

GraphSettings GraphOptionsDialog::editedSettings() const {
  GraphSettings s;
  s.start = ToCp1252(start_->text());
  s.stop = ToCp1252(stop_->text());
  s.inc = ToCp1252(inc_->text());
  s.xautocheck = xautocheck_->isChecked();
  s.xinvcheck = xinvcheck_->isChecked();
  s.xlogcheck = xlogcheck_->isChecked();
  s.xmin = ToCp1252(xmin_->text());
  s.xmax = ToCp1252(xmax_->text());
  s.yautocheck = yautocheck_->isChecked();
  s.yinvcheck = yinvcheck_->isChecked();
  s.ylogcheck = ylogcheck_->isChecked();
  s.ymin = ToCp1252(ymin_->text());
  s.ymax = ToCp1252(ymax_->text());
  s.scheck = scheck_->isChecked();
  s.pcheck = pcheck_->isChecked();
  s.hgcheck = hgcheck_->isChecked();
  s.vgcheck = vgcheck_->isChecked();
  s.gcolor = colors_[kGraph];
  s.bcolor = colors_[kBack];
  s.grcolor = colors_[kGrid];
  s.pcolor = colors_[kPoint];
  s.dcheck = dcheck_->isChecked();
  s.percent = ToCp1252(percent_->text());
  return s;
}

void GraphOptionsDialog::showColor(Swatch swatch, GraphColor color) {
  colors_[swatch] = color;
  swatches_[swatch]->setStyleSheet(
      QStringLiteral("QPushButton { background-color: %1; border: 1px solid #808080; }")
          .arg(ToQColor(color).name()));
}

}  // namespace quorvex
