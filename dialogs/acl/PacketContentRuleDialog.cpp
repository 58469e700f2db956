#include "dialogs/acl/PacketContentRuleDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include "dialogs/acl/AclChunks.h"
#include "tables/DefTables.h"

PacketContentRuleDialog::PacketContentRuleDialog(const DialogContext& context)
    : AclRuleDialog(context, tbl::PayloadRule1,
                   QStringLiteral("There is already a record with the same Profile ID and Access ID. Please modified "
                                  "eithor of them.")) {
  profileIdEdit = AddEdit("ProfileIDEdit", QStringLiteral("Profile ID"));
  accessIdEdit = AddEdit("AccessIDEdit", QStringLiteral("Access ID"));
  NewFieldLine();
  BindIds(profileIdEdit, "%i{n1x256l3}", accessIdEdit, "%i{n0x65535l5}");
  for (int n = 0; n < kGroups; ++n) {
    const QByteArray i = QByteArray::number(n + 1);
    const QByteArray offsetName = "OffsetIndex" + i + "Edit";
    const QByteArray offsetBox = n == 0 ? QByteArray("cbxOffsetIndex1First") : "cbxOffsetIndex" + i;
    const QByteArray maskName = n == 0 ? QByteArray("OffsetMask1Edit") : "Mask" + i + "Edit";
    const QByteArray dataName = n == 0 ? QByteArray("OffsetData1Edit") : "Data" + i + "Edit";
    const QByteArray dataBox = "cbxData" + i;
    offsetEdits[n] = UseEdit(offsetName.constData(), QStringLiteral("Offset Index%1").arg(n + 1),
                                 offsetBox.constData(), &offsetBoxes[n], OffsetVar(n), "%i{n0x76}");
    maskEdits[n] = AddEdit(maskName.constData(), QStringLiteral("Mask%1").arg(n + 1));
    BindEdit(MaskVar(n), maskEdits[n], "%s{l32}");
    maskEdits[n]->setReadOnly(true);
    dataEdits[n] = UseEdit(dataName.constData(), QStringLiteral("Data%1").arg(n + 1), dataBox.constData(), &dataBoxes[n],
                          DataVar(n), "%s{l8}");
  }
  enablePriorityCombo = UseCombo("EnablePriorityComboBox", QStringLiteral("Enable Priority"), "cbxEnablePriority",
                                    &enablePriorityBox, kEnablePriority);
  priorityEdit = UseEdit("PriorityEdit", QStringLiteral("Priority"), "cbxPriority", &priorityBox, kPriority, "%i{n0x7}");
  replacePriorityCombo = UseCombo("ReplPriyComboBox", QStringLiteral("Replace Priority"), "cbxReplace", &replacePriorityBox,
                              kReplacePriority);
  rxRateEdit = UseEdit("RXRateEdit", QStringLiteral("RX Rate"), "cbxRXRate", &rxRateBox, kRxRate, "%i{n64x1024000}");
  permitCombo = UseCombo("PermitComboBox", QStringLiteral("Permit"), "cbxPermit", &permitBox, kPermit);
  rowStatusCombo = UseCombo("RowComboBox", QStringLiteral("Row Status"), "cbxRow", &rowStatusBox, kRowStatus,
                         QStringLiteral("createAndGo"));
  rowCombo_ = rowStatusCombo;
  rowBox_ = rowStatusBox;
  FinishLayout(kPort, kRowStatus);
  // The operator's own choice of Permit takes effect at once.
  connect(permitCombo, &QComboBox::activated, this, [this] { applyDenyRule(Is(permitCombo, "deny")); });
}

void PacketContentRuleDialog::applyDenyRule(bool deny) {
  for (QWidget* w : std::initializer_list<QWidget*>{priorityEdit, replacePriorityCombo, priorityBox, replacePriorityBox})
    w->setEnabled(!deny);
}

void PacketContentRuleDialog::AfterRefresh() { applyDenyRule(Is(permitCombo, "deny")); }

void PacketContentRuleDialog::RowSelected(bool selected) {
  AclRuleDialog::RowSelected(selected);
  // The binding has loaded the selected row's Permit into its combo.
  applyDenyRule(selected && Is(permitCombo, "deny"));
}

bool PacketContentRuleDialog::Validate() {
  return IdsSet(QStringLiteral("Profile ID must be set."), QStringLiteral("Access ID must be set."));
}

bool PacketContentRuleDialog::CheckRowStatus() {
  if (!Checked(rowStatusBox) || Is(rowStatusCombo, "createAndGo")) return true;
  refuse(QStringLiteral("Row State must be createAndGo."), rowStatusCombo);
  return false;
}

bool PacketContentRuleDialog::KindExclusions(KyColumnExclusion&) {
  // The use boxes have left out the unchecked groups; a checked data value
  // is at most 8 hexadecimal digits (the edit's own limit), whole bytes.
  for (int n = 0; n < kGroups; ++n) {
    if (!Checked(dataBoxes[n])) continue;
    QLineEdit* edit = dataEdits[n];
    edit->setText(edit->text().toUpper());
    if (edit->text().size() > 8 || !IsChunkText(edit->text())) {
      refuse(QStringLiteral("Packet(s) Offset can not contain invalid character(s)."), edit);
      return false;
    }
  }
  return true;
}
