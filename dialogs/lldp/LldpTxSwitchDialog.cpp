#include "dialogs/lldp/LldpTxSwitchDialog.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

#include "dialogs/common/DialogParts.h"
#include "dialogs/lldp/LldpListLayout.h"
#include "editors/ControlBinding.h"
#include "editors/Errors.h"
#include "editors/UiSupport.h"
#include "snmp/Messages.h"
#include "tables/DefTables.h"

namespace {
const KyVarDefTable& TableOf(LldpTxSwitchDialog::Table table) {
  switch (table) {
    case LldpTxSwitchDialog::Table::VlanName:
      return tbl::LldpConfigVlanName;
    case LldpTxSwitchDialog::Table::ProtocolVlan:
      return tbl::LldpConfigProtocolVlan;
    case LldpTxSwitchDialog::Table::Protocol:
      break;
  }
  return tbl::LldpConfigProtocol;
}
}  // namespace

LldpTxSwitchDialog::LldpTxSwitchDialog(const DialogContext& context, Table table) : SnmpDialog(context.owner) {
  LldpListLayout layout(this, {420, 220});
  switchList = layout.list();
  portText = MakeStaticText(this, "KeyText1");
  keyText = MakeStaticText(this, "KeyText2");
  for (QLabel* key : {portText, keyText}) key->setMinimumWidth(Px(this, 80));
  transmitCombo = MakeCombo(this, "TXComboBox");
  transmitCombo->setMinimumWidth(Px(this, 100));
  ButtonBar& buttons = layout.buttons();
  buttons.add(QStringLiteral("Refresh"), Name{"RefreshButton"}, [this] { refreshClicked(); });
  setButton = buttons.add(QStringLiteral("Set"), Name{"SetButton"}, [this] { setClicked(); });
  buttons.add(QStringLiteral("Stop"), Name{"StopButton"}, [this] { stopClicked(); });
  buttons.close(Name{"CloseButton"});
  statusLabel = layout.finish();

  binding = AddBinding(TableOf(table), /*asynchronous=*/true, statusLabel);
  SetBusyText(QString::fromLatin1(kGetDataNotComplete));
  const auto& list = binding->request.varList;
  layout.field(QString::fromStdString(list.Item(0).label), portText);
  layout.field(QString::fromStdString(list.Item(1).label), keyText);
  layout.field(QString::fromStdString(list.Item(2).label), transmitCombo);
  binding->AssociateControl(0, portText);
  binding->AssociateControl(1, keyText);
  binding->AssociateControl(2, transmitCombo);
  binding->AttachListView(switchList, false);
  TrackReady(binding);
  binding->setDone = [this](void*, KySNMPRequest2Controls*, const KySNMPError& result) {
    writeDone_ = true;
    writeFailed_ = result.code != 0;
    SetReady(true);
  };
  connect(switchList, &QTreeWidget::itemSelectionChanged, this,
          [this] { setButton->setEnabled(!switchList->selectedItems().isEmpty()); });
  setButton->setEnabled(false);
}

void LldpTxSwitchDialog::clearFields() {
  portText->clear();
  keyText->clear();
  transmitCombo->setCurrentIndex(-1);
}

void LldpTxSwitchDialog::FirstRefresh() {
  SetReady(true);
  refreshClicked();
}

void LldpTxSwitchDialog::stopClicked() {
  binding->request.enabled = false;
  SetReady(true);
}

void LldpTxSwitchDialog::startRead() {
  SetReady(false);
  binding->request.enabled = true;
  try {
    binding->Refresh();
  } catch (const std::exception& e) {
    binding->ShowStatus(ErrorText(e));
    SetReady(true);
  }
  UpdateSamples();
}

void LldpTxSwitchDialog::refreshClicked() {
  if (!Ready()) {
    ShowMessageBox(this, QString::fromLatin1(kNotReadyRefresh), ProgramCaption());
    return;
  }
  stopClicked();
  clearFields();
  setButton->setEnabled(false);
  startRead();
}

void LldpTxSwitchDialog::setClicked() {
  if (switchList->selectedItems().isEmpty()) return;
  if (!Ready() || binding->busy) {
    ShowMessageBox(this, QString::fromLatin1(kGetDataNotComplete), ProgramCaption());
    return;
  }
  SetReady(false);
  writeDone_ = false;
  writeFailed_ = false;
  binding->request.enabled = true;
  try {
    binding->Apply(/*refreshAfter=*/false, /*convert=*/true);
  } catch (const std::exception& e) {
    // Nothing went out: nothing to wait for.
    binding->ShowStatus(ErrorText(e));
    SetReady(true);
    return;
  }
  clearFields();
  // Until the write is answered; a request that did not go out, a failed
  // write and the time limit end the wait as well.
  Bindings().waitUntil([&] { return writeDone_ || !binding->busy || Closed(); }, kWriteWaitMs);
  if (Closed()) return;
  if (!writeDone_ || writeFailed_) {
    // The error stays on the status line (a failed write has shown its own).
    if (!writeDone_ && binding->busy) binding->ShowStatus(MessageText(KyErr::ClassTimeout));
    SetReady(true);
    return;
  }
  startRead();
  clearFields();
}
