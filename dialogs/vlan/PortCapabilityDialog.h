// "Port Capability": the bridge port capabilities, read asynchronously with
// a row count.
#pragma once

#include "editors/DialogContext.h"
#include "editors/SnmpDialog.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;

class PortCapabilityDialog : public SnmpDialog {
  Q_OBJECT

 public:
  explicit PortCapabilityDialog(const DialogContext& context);

  void RefreshBtnClick();

  KySNMPRequest2Edits* Editor() const { return Binding(0); }

  QTreeWidget* LV_dot1dPortCapabilitiesEntry;
  QPlainTextEdit* Memo1;
  QLabel* ST_Count;
  QPushButton* RefreshBtn;
  QPushButton* CloseButton;

 protected:
  void FirstRefresh() override;
};
