// "SSL Management": the SSL service state, its cipher suites (one octet,
// shown as four combos) and the cache timeout.
#pragma once

#include <array>

#include "dialogs/common/DialogBase.h"

class SslManagementDialog : public SnmpDialog {
  Q_OBJECT

 public:
  static constexpr const char* kSomeItemsEmpty = "Some items are empty.";

  explicit SslManagementDialog(const DialogContext& context);

  QLineEdit* cipherSuitesEdit = nullptr;  // hidden: the octet as read and written
  QLineEdit* cacheTimeoutEdit = nullptr;
  std::array<QComboBox*, 4> cipherCombos{};
  QPushButton* setButton = nullptr;

 protected:
  void FirstRefresh() override { refreshClicked(); }

 private:
  void refreshClicked();
  void setClicked();
  // The combos from the hidden octet text (first digit, bits 8 4 2 1).
  void CiphersFromText();
  // The octet text of the combos: one hexadecimal digit and "0".
  QString CiphersText() const;

  QComboBox* versionCombo = nullptr;
  QLabel* statusLabel = nullptr;
  KySNMPRequest2Edits* binding_ = nullptr;
};
