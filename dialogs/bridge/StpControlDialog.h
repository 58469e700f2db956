// The spanning-tree bridge parameters. The main window's STP version text
// decides what is read and written: an MSTP bridge has no Hello Time and is
// written through a hidden one-row view of the other eight parameters.
#pragma once

#include <QPointer>

#include "dialogs/common/DialogBase.h"

class ProgressDialog;

class StpControlDialog : public SnmpDialog {
  Q_OBJECT

 public:
  explicit StpControlDialog(const DialogContext& context);

  void refreshClicked();
  void setClicked();
  void versionChanged();

  QComboBox* versionCombo = nullptr;
  QLineEdit* maxAgeEdit = nullptr;  // Max Age
  QLineEdit* helloTimeEdit = nullptr;
  QLineEdit* forwardDelayEdit = nullptr;
  QLineEdit* maxHopsEdit = nullptr;  // Max Hops
  QLineEdit* txHoldCountEdit = nullptr;
  QComboBox* forwardBpduCombo = nullptr;
  QComboBox* lbdCombo = nullptr;
  QLineEdit* lbdRecoverEdit = nullptr;
  QTreeWidget* rowView = nullptr;  // hidden: the MSTP row view
  QLabel* stpStateLabel = nullptr;     // hidden: the STP state
  QPushButton* refreshButton = nullptr;
  QPushButton* setButton = nullptr;
  QPushButton* closeButton = nullptr;
  QLabel* statusPanel = nullptr;

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
  QPointer<ProgressDialog> progress_;  // shown while the version changes
};
