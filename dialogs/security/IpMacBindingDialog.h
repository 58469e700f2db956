// IP-MAC bindings: address, MAC address, the ports they apply to and the mode.
#pragma once

#include "dialogs/security/RowEditDialog.h"

class PortGrid;

class IpMacBindingDialog : public RowEditDialog {
  Q_OBJECT

 public:
  static constexpr const char* kInvalidMac = "Invalid MAC address";

  explicit IpMacBindingDialog(QWidget* owner = nullptr);

  void AddClick();
  void EditClick();
  void DeleteClick();

  QLineEdit* edtIpAddr = nullptr;
  QLineEdit* edtMacAddr = nullptr;
  QComboBox* ComboStatus = nullptr;  // hidden
  QWidget* StackingPortPanel = nullptr;
  PortGrid* PortPanel = nullptr;
  QComboBox* cbxActive = nullptr;
  QComboBox* cbxMode = nullptr;

 protected:
  void ClearFields() override;
  void StateChanged(bool selected) override;

 private:
  bool CheckFields();
  void Write(bool add);
};
