// SSL service: state, cipher suites (one octet shown as four combos) and
// the cache timeout.
#pragma once

#include <array>

#include "editors/SnmpDialog.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;

class SslManagementDialog : public SnmpDialog {
  Q_OBJECT

 public:
  static constexpr const char* kSomeItemsEmpty = "Some items are empty.";

  explicit SslManagementDialog(QWidget* owner = nullptr);

  void btnGetClick();
  void btnSetClick();
  // The combos from the hidden octet text (first digit, bits 8 4 2 1).
  void CiphersFromText();
  // The octet text of the combos: one hexadecimal digit and "0".
  QString CiphersText() const;

  QComboBox* cbxSSLVersion = nullptr;
  QLineEdit* edtciphersuites = nullptr;
  QLineEdit* edtCacheTimeOut = nullptr;
  std::array<QComboBox*, 4> cbxciphersuites{};
  QPushButton* btnGet = nullptr;
  QPushButton* btnSet = nullptr;
  QPushButton* closeButton = nullptr;
  QStatusBar* StatusBar1 = nullptr;
  QLabel* StatusPanel0 = nullptr;

 protected:
  void FirstRefresh() override { btnGetClick(); }

 private:
  KySNMPRequest2Edits* binding_ = nullptr;
};
