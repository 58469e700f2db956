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
  void BT_GetClick();
  void BT_EditClick();
  void ListView1Click();

  QTreeWidget* ListView1 = nullptr;
  QLineEdit* edtActorKey = nullptr;
  QLineEdit* edtPartnerID = nullptr;
  QLineEdit* edtPartnerKey = nullptr;
  QList<QCheckBox*> ActorState;    // page "Actor Admin State"
  QList<QCheckBox*> PartnerState;  // page "Partner Admin State"
  QPlainTextEdit* Memo1 = nullptr;
  QPushButton* BT_Get = nullptr;
  QPushButton* BT_Edit = nullptr;
  QPushButton* BT_Close = nullptr;

 protected:
  void FirstRefresh() override { BT_GetClick(); }

 private:
  void EnableFields(bool on);
  KySNMPRequest2Edits* ports_ = nullptr;
};
