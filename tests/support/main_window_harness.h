#pragma once

// The main window on a fresh working directory with the modal driver watching, as every main
// window test builds it in init() and tears it down in cleanup(). A test class derives from
// it and uses the members directly.

#include <memory>

#include "app/calculator.h"
#include "support/modal_driver.h"
#include "support/qt_workdir.h"
#include "ui/main_window.h"

namespace quorvex::testing_support {

class MainWindowHarness {
 protected:
  void StartMainWindow(MainWindowOptions options = {100, false}) {
    dir_ = std::make_unique<QtWorkdir>();
    calculator_ = std::make_unique<Calculator>(dir_->root());
    driver_ = std::make_unique<ModalDriver>();
    window_ = std::make_unique<MainWindow>(*calculator_, options);
  }
  // The window first, the working directory last.
  void StopMainWindow() {
    window_.reset();
    driver_.reset();
    calculator_.reset();
    dir_.reset();
  }

  std::unique_ptr<QtWorkdir> dir_;
  std::unique_ptr<Calculator> calculator_;
  std::unique_ptr<ModalDriver> driver_;
  std::unique_ptr<MainWindow> window_;
};

}  // namespace quorvex::testing_support
