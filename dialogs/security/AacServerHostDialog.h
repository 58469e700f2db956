// Authentication server hosts, one row per address and protocol.
#pragma once

#include "dialogs/security/RowEditDialog.h"

class AacServerHostDialog : public RowEditDialog {
  Q_OBJECT

 public:
  explicit AacServerHostDialog(QWidget* owner = nullptr);

  void AddClick();
  void EditClick();
  void DeleteClick();
  // The key and retry-count edits follow the protocol.
  void ProtocolComboBoxChange();

  QLineEdit* IPEdit = nullptr;
  QComboBox* ProtocolComboBox = nullptr;
  QLineEdit* PortEdit = nullptr;
  QLineEdit* KeyEdit = nullptr;
  QLineEdit* TimeoutEdit = nullptr;
  QLineEdit* RetryCEdit = nullptr;
  QComboBox* RowComboBox = nullptr;

 protected:
  void StateChanged(bool selected) override;

 private:
  void ExcludeEmptyEdits(KyColumnExclusion& guard);
};
