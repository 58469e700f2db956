// The LACP (802.3ad) aggregation port table: each port's actor and partner
// keys, the partner system ID, and the actor and partner admin state bits.
#pragma once

#include <QList>

#include "dialogs/common/DialogBase.h"

class AggregatorPortDialog : public SnmpDialog {
  Q_OBJECT

 public:
  // The state bits, most significant first.
  static const char* const kStateBits[8];

  explicit AggregatorPortDialog(const DialogContext& context);
  void editClicked();

  QTreeWidget* portList = nullptr;
  QLineEdit* actorKeyEdit = nullptr;
  QLineEdit* partnerIdEdit = nullptr;
  QList<QCheckBox*> actorStateBoxes;    // page "Actor Admin State"
  QList<QCheckBox*> partnerStateBoxes;  // page "Partner Admin State"
  QPlainTextEdit* messages = nullptr;
  QPushButton* editButton = nullptr;

 protected:
  void FirstRefresh() override { refreshClicked(); }

 private:
  void refreshClicked();
  void rowSelected();
  void enableFields(bool on);
  KySNMPRequest2Edits* ports_ = nullptr;
  QLineEdit* partnerKeyEdit = nullptr;
};
