// "Port Configuration Table" and "LLDP Dot3 Port Configuration Table": per
// port, which TLVs it sends (basic or 802.3), shown by name in the list and
// chosen in a setting window of check boxes (LldpTlvPickerDialog) that a
// click into the TLV field opens; the basic table also sets the port's
// administration status and notification.
#pragma once

#include <vector>

#include "dialogs/common/DialogBase.h"

class LldpNamesBinding;
class LldpTlvPickerDialog;

class LldpPortConfigDialog : public SnmpDialog {
  Q_OBJECT

 public:
  enum class Tlvs { Basic, Dot3 };
  LldpPortConfigDialog(const DialogContext& context, Tlvs tlvs);

  void refreshClicked();
  void editClicked();
  // Opens the setting window for the TLV names (a click into tlvsEdit).
  void pickTlvs();

  LldpNamesBinding* binding = nullptr;
  LldpTlvPickerDialog* tlvPicker = nullptr;
  QTreeWidget* portList = nullptr;
  QLabel* portText = nullptr;
  QLineEdit* tlvsEdit = nullptr;
  QPushButton* editButton = nullptr;
  QLabel* statusLabel = nullptr;

 protected:
  void FirstRefresh() override { refreshClicked(); }
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void selectionChanged();
  QString device_;
  int tlvVariable_ = 0;
};
