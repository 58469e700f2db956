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
  idEdit = AddEdit("IDEdit", QStringLiteral("Ethernet Mask ID"));
  useVlanCombo = AddCombo("UseVLanComBo", QStringLiteral("Use VLAN"));
  maskStateCombo = AddCombo("MacMaskStateComBo", QStringLiteral("MAC Address Mask State"));
  sourceMaskEdit = AddEdit("MacAddMaskSourceEdit", QStringLiteral("MAC Address Mask Source"));
  destinationMaskEdit = AddEdit("MacMaskDstEdit", QStringLiteral("MAC Address Mask Destination"));
  use8021pCombo = AddCombo("Use8021pComBo", QStringLiteral("Use 8021p"));
  useEthernetTypeCombo = AddCombo("UseEthTypeCombo", QStringLiteral("Use Ethernet Type"));
  rowStatusCombo = AddCombo("RowStatusComBo", QStringLiteral("Row Status"));

  BindIndexEdit(kId, idEdit, idFormat);
  BindCombo(kUseVlan, useVlanCombo, QStringLiteral("enabled"));
  BindCombo(kMaskState, maskStateCombo, QStringLiteral("other"));
  BindEdit(kSourceMask, sourceMaskEdit, "%s");
  BindEdit(kDestMask, destinationMaskEdit, "%s");
  BindCombo(kUse8021p, use8021pCombo, QStringLiteral("enabled"));
  BindCombo(kUseEthType, useEthernetTypeCombo, QStringLiteral("enabled"));
  BindCombo(kRowStatus, rowStatusCombo, initialRowStatus);
  SetRowStatus(kRowStatus, rowStatusCombo);
  ResetButtons();
}

bool EthernetMaskDialog::Validate() {
  if (idEdit->text().isEmpty()) {
    refuse(QStringLiteral("Mask ID must be set"), idEdit);
    return false;
  }
  if (RefuseWhileBusy(binding(), kGetDataNotComplet)) return false;
  const bool dst = Is(maskStateCombo, "dst-mac-addr") || Is(maskStateCombo, "dst-src-mac-addr");
  const bool src = Is(maskStateCombo, "src-mac-addr") || Is(maskStateCombo, "dst-src-mac-addr");
  for (auto [wanted, edit] : {std::pair{dst, destinationMaskEdit}, std::pair{src, sourceMaskEdit}}) {
    if (!wanted || edit->text().isEmpty()) continue;
    if (!CheckHexField(this, edit->text(), 12, QStringLiteral("Invalid MAC Address"))) {
      edit->setFocus();
      return false;
    }
  }
  return true;
}

void EthernetMaskDialog::addClicked() {
  if (!CheckNewMask(idEdit,
                    QStringLiteral("There is already a record with the same Ethernet Mask ID. Please modified it."),
                    rowStatusCombo, QStringLiteral("Row Status must be createAndGo.")))
    return;
  if (!Validate()) return;

  KyColumnExclusion exclusion(varList());
  if (useVlanCombo->currentText().isEmpty()) exclusion.Exclude(kUseVlan);
  if (use8021pCombo->currentText().isEmpty()) exclusion.Exclude(kUse8021p);
  ExcludeByMaskState(exclusion, maskStateCombo, "dst-mac-addr", "src-mac-addr", {kMaskState, kSourceMask, kDestMask});
  if (destinationMaskEdit->text().isEmpty()) exclusion.Exclude(kDestMask);
  if (sourceMaskEdit->text().isEmpty()) exclusion.Exclude(kSourceMask);
  if (useEthernetTypeCombo->currentText().isEmpty()) exclusion.Exclude(kUseEthType);
  if (Is(rowStatusCombo, "destroy")) ExcludeAllButKeys(exclusion, {kRowStatus});
  const bool ok = Write();
  Finish(exclusion, ok, false);
}
