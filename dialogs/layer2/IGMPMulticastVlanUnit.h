// "IGMP Multicast VLAN Group": the group address ranges of the multicast
// VLANs, with the add window of a new range.
#pragma once

#include <QDialog>

#include "app/DialogContext.h"
#include "editors/SnmpDialog.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QStatusBar;
class QTreeWidget;
class TIGMPMulticastVlanForm;

// The add window: made with the list window and owned by it; its controls
// are bound to the list window's binding.
class TIGMPMulticastVLANGroupAddForm : public QDialog {
  Q_OBJECT

 public:
  explicit TIGMPMulticastVLANGroupAddForm(TIGMPMulticastVlanForm* list);

  void btnAddClick();

  QLineEdit* edtVID;
  QLineEdit* edtFormIP;
  QLineEdit* edtToIP;
  QComboBox* cbxState;
  QPushButton* btnAdd;
  QPushButton* btnClose;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  TIGMPMulticastVlanForm* list_;
};

class TIGMPMulticastVlanForm : public TSnmpDialog {
  Q_OBJECT

 public:
  explicit TIGMPMulticastVlanForm(const DialogContext& context);

  void btnRefreshClick();
  void btnAddClick();
  void btnDeleteClick();
  void ListView1Click();

  KySNMPRequest2Edits* Editor() const { return Binding(0); }

  QTreeWidget* ListView1;
  QStatusBar* StatusBar1;
  QPushButton* btnRefresh;
  QPushButton* btnAdd;
  QPushButton* btnDelete;
  QPushButton* btnClose;
  TIGMPMulticastVLANGroupAddForm* AddForm;

 protected:
  void FirstRefresh() override;

 private:
  QString agent_;
};
