// "System Log Host Table": the syslog servers of the switch, added, edited
// and deleted through their row status.
#pragma once

#include "editors/DialogContext.h"
#include "editors/SnmpDialog.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;
class QTreeWidget;

class SystemLogHostDialog : public SnmpDialog {
  Q_OBJECT

 public:
  explicit SystemLogHostDialog(const DialogContext& context);

  void refreshClicked();
  void setClicked();  // "Set"
  void addClicked();
  void deleteClicked();
  void closeClicked();  // "Close"
  void hostSelected();
  void hostsChanged();

  KySNMPRequest2Edits* Editor() const { return Binding(0); }

  QTreeWidget* hostList;
  QLineEdit* indexEdit;
  QLineEdit* ipEdit;
  QComboBox* facilityCombo;
  QComboBox* severityCombo;
  QLineEdit* portEdit;
  QComboBox* stateCombo;
  QComboBox* rowStatusCombo;
  QLabel* countLabel;
  QPushButton* refreshButton;
  QPushButton* setButton;
  QPushButton* addButton;
  QPushButton* deleteButton;
  QPushButton* closeButton;
  QStatusBar* statusBar;
  QLabel* statusPanel;

 protected:
  void FirstRefresh() override;

 private:
  void Reset();
  bool CheckPort();
  void Write();
};
