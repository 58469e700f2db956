// "IP-MAC Binding": address, MAC address, the ports they apply to and the mode.
#pragma once

#include "dialogs/security/RowEditDialog.h"

class IpMacBindingDialog : public RowEditDialog {
  Q_OBJECT

 public:
  static constexpr const char* kInvalidMac = "Invalid MAC address";

  explicit IpMacBindingDialog(const DialogContext& context);

  void addClicked() override;
  void editClicked() override;
  void deleteClicked() override;

  QLineEdit* ipEdit = nullptr;
  QLineEdit* macEdit = nullptr;
  QComboBox* modeCombo = nullptr;
  QComboBox* actionCombo = nullptr;
  PortGrid* portGrid = nullptr;

 protected:
  void clearRow() override;
  void stateChanged(bool selected) override;

 private:
  bool CheckFields();
  void Write(bool add);

  QComboBox* statusCombo_ = nullptr;  // hidden
};
