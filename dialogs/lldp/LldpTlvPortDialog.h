// LLDP port configuration (basic and 802.3): per port, which TLVs it sends,
// shown by name and chosen in a small setting window of check boxes.
#pragma once

#include <QDialog>
#include <span>
#include <vector>

#include "dialogs/lldp/LldpNames.h"
#include "editors/DialogContext.h"
#include "editors/SnmpDialog.h"

class LldpNamesBinding;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;
class QTreeWidget;
class LldpTlvPickerDialog;

// The list window of a port configuration table.
class LldpTlvPortDialog : public SnmpDialog {
  Q_OBJECT

 public:
  void RefreshClick();
  void EditClick();
  // Opens the setting window for the TLV names (a click into TLVsEdit).
  void TLVsEditClick();

  LldpNamesBinding* binding = nullptr;
  LldpTlvPickerDialog* SettingForm = nullptr;
  QTreeWidget* ListView1 = nullptr;
  QLabel* PortText = nullptr;
  QLineEdit* TLVsEdit = nullptr;
  QPushButton* RefreshButton = nullptr;
  QPushButton* EditButton = nullptr;
  QPushButton* CloseButton = nullptr;
  QStatusBar* StatusBar1 = nullptr;
  QLabel* StatusPanel0 = nullptr;

 protected:
  explicit LldpTlvPortDialog(const DialogContext& context);
  // Binds the port, the extra controls (combo, variable) and the TLV edit
  // of variable `tlvVariable`, and lays the window out.
  void Build(LldpNamesBinding* namesBinding, LldpTlvPickerDialog* setting, int tlvVariable,
             const std::vector<std::pair<QComboBox*, int>>& combos);
  void FirstRefresh() override { RefreshClick(); }
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void SelectionChanged();
  QString device_;
  int tlvVariable_ = 0;
};
