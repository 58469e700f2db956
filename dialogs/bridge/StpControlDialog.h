// The spanning-tree bridge parameters. The main window's STP version text
// decides what is read and written: an MSTP bridge has no Hello Time and is
// written through a hidden one-row view of the other eight parameters.
#pragma once

#include <QString>

#include "editors/DialogContext.h"
#include "editors/SnmpDialog.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

class StpControlDialog : public SnmpDialog {
  Q_OBJECT

 public:
  explicit StpControlDialog(const DialogContext& context);

  void BT_GetClick();
  void BT_SetClick();
  void Combo_STPVersionChange();

  QComboBox* Combo_STPVersion = nullptr;
  QLineEdit* ET_AgingTime = nullptr;  // Max Age
  QLineEdit* ET_HelloTime = nullptr;
  QLineEdit* ET_ForwardDelay = nullptr;
  QLineEdit* ET_Priority = nullptr;  // Max Hops
  QLineEdit* ED_TxHoldCount = nullptr;
  QComboBox* Combo_BPDU = nullptr;
  QComboBox* Combo_LBD = nullptr;
  QLineEdit* ET_LBDRecover = nullptr;
  QTreeWidget* ListView1 = nullptr;  // hidden: the MSTP row view
  QLabel* lbMSTPState = nullptr;     // hidden: the STP state
  QPushButton* BT_Get = nullptr;
  QPushButton* BT_Set = nullptr;
  QLabel* StatusPanel = nullptr;

  KySNMPRequest2Edits* ParametersBinding() const { return params_; }
  KySNMPRequest2Edits* RowViewBinding() const { return rowView_; }

 protected:
  void FirstRefresh() override;

 private:
  QString StVersion() const;
  void SetStVersion(const QString& version);
  void HelloTimeFor(bool mstp, bool fill);
  // The hidden row holds the values to write; false when it cannot be had.
  bool FillRowView(const QString& version);

  MainWindowServices* mainWindow_ = nullptr;
  KySNMPRequest2Edits* params_ = nullptr;
  KySNMPRequest2Edits* rowView_ = nullptr;
  KySNMPRequest2Edits* state_ = nullptr;
  QString pendingVersion_;  // the version the running row-view write sets
};
