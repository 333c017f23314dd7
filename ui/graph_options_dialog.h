#pragma once

#include <array>
#include <functional>
#include <optional>

#include "app/calculator.h"
#include "app/seams.h"
#include "settings/graph_settings.h"
#include "ui/settings_dialog.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QToolButton;
class QWidget;

namespace quorvex {

// Asks the user for a colour, starting from current; nullopt when the user cancels.
using ColorChooser = std::function<std::optional<GraphColor>(GraphColor current, QWidget* parent)>;

// The desktop's colour chooser (QColorDialog).
std::optional<GraphColor> ChooseColorWithDialog(GraphColor current, QWidget* parent);

// The graph options dialog (TForm7): x range, axis scaling and the chart's looks on three
// pages. OK writes bin/graph.ini; every close reloads the record and the controls from it.
class GraphOptionsDialog : public SettingsDialog {
  Q_OBJECT

 public:
  GraphOptionsDialog(Calculator& calculator, Notifier& notifier,
                     ColorChooser chooser = ChooseColorWithDialog, QWidget* parent = nullptr);

 private:
  // The four colour settings, in file order.
  enum Swatch { kGraph, kBack, kGrid, kPoint };

  void showRecord() override;
  bool saveEdited() override;
  bool reloadRecord() override;
  void default2Click();
  void swatchClick(Swatch swatch);
  void xautocheckClick();
  void yautocheckClick();
  void dcheckClick();
  void udpercentClick(int step);

  void showSettings(const GraphSettings& settings);
  GraphSettings editedSettings() const;
  void showColor(Swatch swatch, GraphColor color);

  Calculator& calculator_;
  Notifier& notifier_;
  ColorChooser chooser_;

  QLineEdit* start_;
  QLineEdit* stop_;
  QLineEdit* inc_;
  QCheckBox* xautocheck_;
  QCheckBox* xinvcheck_;
  QCheckBox* xlogcheck_;
  QLineEdit* xmin_;
  QLineEdit* xmax_;
  QCheckBox* yautocheck_;
  QCheckBox* yinvcheck_;
  QCheckBox* ylogcheck_;
  QLineEdit* ymin_;
  QLineEdit* ymax_;
  QCheckBox* scheck_;
  QCheckBox* pcheck_;
  QCheckBox* hgcheck_;
  QCheckBox* vgcheck_;
  QCheckBox* dcheck_;
  QLineEdit* percent_;
  QWidget* udpercent_;
  std::array<QPushButton*, 4> swatches_{};
  std::array<GraphColor, 4> colors_{};
  int percent_position_ = 10;
};

}  // namespace quorvex
