// "Server Information": the authentication server hosts, one row per
// address and protocol; the key and retry-count edits follow the protocol.
#pragma once

#include "dialogs/security/RowEditDialog.h"

class AacServerHostDialog : public RowEditDialog {
  Q_OBJECT

 public:
  explicit AacServerHostDialog(const DialogContext& context);

  void addClicked() override;
  void editClicked() override;
  void deleteClicked() override;

  QLineEdit* ipEdit = nullptr;
  QComboBox* protocolCombo = nullptr;
  QLineEdit* portEdit = nullptr;
  QLineEdit* keyEdit = nullptr;
  QLineEdit* timeoutEdit = nullptr;
  QLineEdit* retryEdit = nullptr;
  QComboBox* rowStatusCombo = nullptr;

 protected:
  void stateChanged(bool selected) override;

 private:
  void protocolChanged();
  void ExcludeEmptyEdits(KyColumnExclusion& guard);
};
