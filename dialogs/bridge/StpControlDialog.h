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

  QComboBox* versionCombo;
  QLineEdit* maxAgeEdit;
  QLineEdit* helloTimeEdit;
  QLineEdit* forwardDelayEdit;
  QLineEdit* lbdRecoverEdit;
  QLabel* statusPanel;

  KySNMPRequest2Edits* ParametersBinding() const { return params_; }
  KySNMPRequest2Edits* RowViewBinding() const { return rowViewBinding_; }

 protected:
  void FirstRefresh() override;

 private:
  QString StVersion() const;
  void SetStVersion(const QString& version);
  void HelloTimeFor(bool mstp, bool fill);
  // The hidden row holds the values to write; false when it cannot be had.
  bool FillRowView(const QString& version);

  QLineEdit* maxHopsEdit_;
  QLineEdit* txHoldCountEdit_;
  QComboBox* forwardBpduCombo_;
  QComboBox* lbdCombo_;
  QTreeWidget* rowView_;       // hidden: the MSTP row view
  QLabel* stpStateLabel_;      // hidden: the STP state
  MainWindowServices* mainWindow_ = nullptr;
  KySNMPRequest2Edits* params_ = nullptr;
  KySNMPRequest2Edits* rowViewBinding_ = nullptr;
  KySNMPRequest2Edits* state_ = nullptr;
  QString pendingVersion_;  // the version the running row-view write sets
  QPointer<ProgressDialog> progress_;  // shown while the version changes
};
