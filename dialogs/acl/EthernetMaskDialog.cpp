#include "dialogs/acl/EthernetMaskDialog.h"

#include <QComboBox>
#include <QLineEdit>

#include "tables/DefTables.h"

EthernetMaskDialog::EthernetMaskDialog(const DialogContext& context, AclFilter filter)
    : AclTableDialog(context, filter == AclFilter::CpuInterface ? tbl::EthernetMaskCPUFilter1 : tbl::EthernetMask1, 2) {
  const bool cpu = filter == AclFilter::CpuInterface;
  const char* idFormat = cpu ? "%i{n1x3}" : "%i{n1x256l3}";
  // The CPU filter's dialog opens on createAndGo.
  const QString initialRowStatus = cpu ? QStringLiteral("createAndGo") : QStringLiteral("active");
  SetBusyText(QString::fromLatin1(kGetDataNotComplet));
  NameButtons("BT_Get", "BT_Add", "BT_Delete");
  IDEdit = AddEdit("IDEdit", QStringLiteral("Ethernet Mask ID"));
  UseVLanComBo = AddCombo("UseVLanComBo", QStringLiteral("Use VLAN"));
  MacMaskStateComBo = AddCombo("MacMaskStateComBo", QStringLiteral("MAC Address Mask State"));
  MacAddMaskSourceEdit = AddEdit("MacAddMaskSourceEdit", QStringLiteral("MAC Address Mask Source"));
  MacMaskDstEdit = AddEdit("MacMaskDstEdit", QStringLiteral("MAC Address Mask Destination"));
  Use8021pComBo = AddCombo("Use8021pComBo", QStringLiteral("Use 8021p"));
  UseEthTypeCombo = AddCombo("UseEthTypeCombo", QStringLiteral("Use Ethernet Type"));
  RowStatusComBo = AddCombo("RowStatusComBo", QStringLiteral("Row Status"));

  BindIndexEdit(kId, IDEdit, idFormat);
  BindCombo(kUseVlan, UseVLanComBo, QStringLiteral("enabled"));
  BindCombo(kMaskState, MacMaskStateComBo, QStringLiteral("other"));
  BindEdit(kSourceMask, MacAddMaskSourceEdit, "%s");
  BindEdit(kDestMask, MacMaskDstEdit, "%s");
  BindCombo(kUse8021p, Use8021pComBo, QStringLiteral("enabled"));
  BindCombo(kUseEthType, UseEthTypeCombo, QStringLiteral("enabled"));
  BindCombo(kRowStatus, RowStatusComBo, initialRowStatus);
  SetRowStatus(kRowStatus, RowStatusComBo);
  ResetButtons();
}

bool EthernetMaskDialog::Validate() {
  if (IDEdit->text().isEmpty()) {
    Refuse(QStringLiteral("Mask ID must be set"), IDEdit);
    return false;
  }
  if (RefuseWhileBusy(binding(), kGetDataNotComplet)) return false;
  const bool dst = Is(MacMaskStateComBo, "dst-mac-addr") || Is(MacMaskStateComBo, "dst-src-mac-addr");
  const bool src = Is(MacMaskStateComBo, "src-mac-addr") || Is(MacMaskStateComBo, "dst-src-mac-addr");
  for (auto [wanted, edit] : {std::pair{dst, MacMaskDstEdit}, std::pair{src, MacAddMaskSourceEdit}}) {
    if (!wanted || edit->text().isEmpty()) continue;
    if (!CheckHexField(this, edit->text(), 12, QStringLiteral("Invalid MAC Address"))) {
      edit->setFocus();
      return false;
    }
  }
  return true;
}

void EthernetMaskDialog::Add() {
  if (HasRow({IDEdit->text()})) {
    Refuse(QStringLiteral("There is already a record with the same Ethernet Mask ID. Please modified it."), IDEdit);
    return;
  }
  if (!Is(RowStatusComBo, "createAndGo")) {
    Refuse(QStringLiteral("Row Status must be createAndGo."), RowStatusComBo);
    return;
  }
  if (!Validate()) return;

  KyColumnExclusion exclusion(list());
  if (UseVLanComBo->currentText().isEmpty()) exclusion.Exclude(kUseVlan);
  if (Use8021pComBo->currentText().isEmpty()) exclusion.Exclude(kUse8021p);
  if (MacMaskStateComBo->currentText().isEmpty() || Is(MacMaskStateComBo, "other")) {
    exclusion.Exclude({kMaskState, kSourceMask, kDestMask});
  } else if (Is(MacMaskStateComBo, "dst-mac-addr")) {
    exclusion.Exclude(kSourceMask);
  } else if (Is(MacMaskStateComBo, "src-mac-addr")) {
    exclusion.Exclude(kDestMask);
  }
  if (MacMaskDstEdit->text().isEmpty()) exclusion.Exclude(kDestMask);
  if (MacAddMaskSourceEdit->text().isEmpty()) exclusion.Exclude(kSourceMask);
  if (UseEthTypeCombo->currentText().isEmpty()) exclusion.Exclude(kUseEthType);
  if (Is(RowStatusComBo, "destroy")) ExcludeAllButKeys(exclusion, {kRowStatus});
  const bool ok = Write();
  Finish(exclusion, ok, false);
}
