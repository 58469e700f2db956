// IP-MAC bindings: address, MAC address, the ports they apply to and the mode.
#pragma once

#include "dialogs/security/RowEditForm.h"

class TPortUitForm;

class TIPMACBindingForm : public TRowEditForm {
  Q_OBJECT

 public:
  static constexpr const char* kInvalidMac = "Invalid MAC address";

  explicit TIPMACBindingForm(QWidget* owner = nullptr);

  void AddClick();
  void EditClick();
  void DeleteClick();

  QLineEdit* edtIpAddr = nullptr;
  QLineEdit* edtMacAddr = nullptr;
  QComboBox* ComboStatus = nullptr;  // hidden
  QWidget* StackingPortPanel = nullptr;
  TPortUitForm* PortPanel = nullptr;
  QComboBox* cbxActive = nullptr;
  QComboBox* cbxMode = nullptr;

 protected:
  void ClearFields() override;
  void StateChanged(bool selected) override;

 private:
  bool CheckFields();
  void Write(bool add);
};
