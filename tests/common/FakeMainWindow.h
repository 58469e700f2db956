// A stand-in for the main window's services to dedicated dialogs, for tests
// that open dialogs without a main window.
#pragma once

#include <QLabel>
#include <QWidget>
#include <memory>

#include "editors/DialogContext.h"

namespace qrxtest {

// A stand-in for the main window: the hidden version text, status panel 0,
// no version binding.
class FakeMainWindow : public MainWindowServices {
 public:
  FakeMainWindow() : window_(new QWidget), version_(new QLabel(window_.get())), status_(new QLabel(window_.get())) {
    version_->setObjectName("ST_Version");
    status_->setObjectName("StatusPanel0");
  }
  QLabel* VersionText() const override { return version_; }
  KySNMPRequest2Edits* VersionBinding() const override { return nullptr; }
  QLabel* StatusPanel0() const override { return status_; }
  QWidget* Window() const { return window_.get(); }

 private:
  std::unique_ptr<QWidget> window_;
  QLabel* version_;
  QLabel* status_;
};

}  // namespace qrxtest
