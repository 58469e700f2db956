// The base of the two static forwarding table dialogs of the Q-BRIDGE
// ("Multicast Information", "Unicast Information"): the entries in a list,
// the VLAN ID, MAC address and status of the selected one, the ports it may
// go to on a port grid, a memo and the button row. With no entry selected the
// fields are empty and editable and Add is enabled; with one selected its
// keys are locked and Delete is enabled. A write reads the list again.
#pragma once

#include "dialogs/common/TableDialog.h"

class StaticFilterDialog : public TableDialog {
  Q_OBJECT

 public:
  void refreshClicked();
  virtual void addClicked() = 0;
  virtual void deleteClicked() = 0;

  QTreeWidget* filterList;
  QLineEdit* vlanIdEdit;
  QLineEdit* macEdit;
  QComboBox* statusCombo;
  QPlainTextEdit* messages;
  QPushButton* addButton;
  QPushButton* deleteButton;

 protected:
  // Variables of both tables.
  enum Column { kVid = 0, kMac = 1, kReceivePort = 2, kPorts = 3, kStatus = 4 };

  // What the two dialogs differ in.
  struct Variant {
    const char* objectName;
    QString title;  // the agent's name follows it
    const KyVarDefTable& table;
    const char* listName;
    const char* vidName;
    QString vidCaption;
    const char* macName;
    QString macCaption;
    const char* statusName;
    const char* addName;  // the Add button's object name
    // A selected entry's keys: disabled (status included) rather than read only.
    bool lockByDisabling;
    // Errors go to the status line of the memo, or are appended to it as text.
    bool errorsAsStatus;
  };
  StaticFilterDialog(const DialogContext& context, const Variant& variant);

  // The ports of the entry on `ports`, shown in `host` (placed between the
  // fields and the memo); then the memo and the state with no entry selected.
  void PlacePorts(QWidget* host, PortGrid* ports);

  void FirstRefresh() override;
  // Writes the fields, column `leftOut` excepted (-1: none), then shows no selection.
  void Write(int leftOut);
  bool Refused();

 private:
  void NoSelection();
  void LockKeys(bool locked);
  void ReportError(const std::exception& e);

  bool lockByDisabling_;
  bool errorsAsStatus_;
  QLineEdit* receivePort_;
};
