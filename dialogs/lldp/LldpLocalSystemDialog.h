// "LLDP Local System Data": the switch's own chassis ID, name and
// description, and its capabilities shown by name. Read only.
#pragma once

#include "dialogs/common/DialogBase.h"

class LldpLocalSystemDialog : public SnmpDialog {
  Q_OBJECT

 public:
  explicit LldpLocalSystemDialog(const DialogContext& context);

  void refreshClicked();

  QLabel* systemNameText = nullptr;
  QLineEdit* capabilitiesSupportedEdit = nullptr;
  QLineEdit* capabilitiesEnabledEdit = nullptr;

 protected:
  void FirstRefresh() override { refreshClicked(); }

 private:
  KySNMPRequest2Edits* binding_ = nullptr;
  QLabel* supportedHex_ = nullptr;  // hidden: the value texts read
  QLabel* enabledHex_ = nullptr;
};
