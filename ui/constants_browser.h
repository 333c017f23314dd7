#pragma once

#include "app/seams.h"
#include "ui/table_browser.h"

namespace quorvex {

// The constants browser (TForm9) over the 65 named constants.
class ConstantsBrowser : public TableBrowser {
  Q_OBJECT

 public:
  explicit ConstantsBrowser(Notifier& notifier, QWidget* parent = nullptr);
};

}  // namespace quorvex
