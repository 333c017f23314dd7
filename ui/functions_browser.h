#pragma once

#include "app/seams.h"
#include "ui/table_browser.h"

namespace quorvex {

// The functions browser (TForm4) over the 155 built-in functions.
class FunctionsBrowser : public TableBrowser {
  Q_OBJECT

 public:
  explicit FunctionsBrowser(Notifier& notifier, QWidget* parent = nullptr);
};

}  // namespace quorvex
