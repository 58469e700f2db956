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
  ProfileIDEdit = AddEdit("ProfileIDEdit", QStringLiteral("Profile ID"));
  AccessIDEdit = AddEdit("AccessIDEdit", QStringLiteral("Access ID"));
  NewFieldLine();
  BindIds(ProfileIDEdit, "%i{n1x256l3}", AccessIDEdit, "%i{n0x65535l5}");
  for (int n = 0; n < kGroups; ++n) {
    const QByteArray i = QByteArray::number(n + 1);
    const QByteArray offsetName = "OffsetIndex" + i + "Edit";
    const QByteArray offsetBox = n == 0 ? QByteArray("cbxOffsetIndex1First") : "cbxOffsetIndex" + i;
    const QByteArray maskName = n == 0 ? QByteArray("OffsetMask1Edit") : "Mask" + i + "Edit";
    const QByteArray dataName = n == 0 ? QByteArray("OffsetData1Edit") : "Data" + i + "Edit";
    const QByteArray dataBox = "cbxData" + i;
    OffsetIndexEdit[n] = UseEdit(offsetName.constData(), QStringLiteral("Offset Index%1").arg(n + 1),
                                 offsetBox.constData(), &cbxOffsetIndex[n], OffsetVar(n), "%i{n0x76}");
    MaskEdit[n] = AddEdit(maskName.constData(), QStringLiteral("Mask%1").arg(n + 1));
    BindEdit(MaskVar(n), MaskEdit[n], "%s{l32}");
    MaskEdit[n]->setReadOnly(true);
    DataEdit[n] = UseEdit(dataName.constData(), QStringLiteral("Data%1").arg(n + 1), dataBox.constData(), &cbxData[n],
                          DataVar(n), "%s{l8}");
  }
  EnablePriorityComboBox = UseCombo("EnablePriorityComboBox", QStringLiteral("Enable Priority"), "cbxEnablePriority",
                                    &cbxEnablePriority, kEnablePriority);
  PriorityEdit = UseEdit("PriorityEdit", QStringLiteral("Priority"), "cbxPriority", &cbxPriority, kPriority, "%i{n0x7}");
  ReplPriyComboBox = UseCombo("ReplPriyComboBox", QStringLiteral("Replace Priority"), "cbxReplace", &cbxReplace,
                              kReplacePriority);
  RXRateEdit = UseEdit("RXRateEdit", QStringLiteral("RX Rate"), "cbxRXRate", &cbxRXRate, kRxRate, "%i{n64x1024000}");
  PermitComboBox = UseCombo("PermitComboBox", QStringLiteral("Permit"), "cbxPermit", &cbxPermit, kPermit);
  RowComboBox = UseCombo("RowComboBox", QStringLiteral("Row Status"), "cbxRow", &cbxRow, kRowStatus,
                         QStringLiteral("createAndGo"));
  rowCombo_ = RowComboBox;
  rowBox_ = cbxRow;
  FinishLayout(kPort, kRowStatus);
  // The operator's own choice of Permit takes effect at once.
  connect(PermitComboBox, &QComboBox::activated, this, [this] { ApplyDenyRule(Is(PermitComboBox, "deny")); });
}

void PacketContentRuleDialog::ApplyDenyRule(bool deny) {
  for (QWidget* w : std::initializer_list<QWidget*>{PriorityEdit, ReplPriyComboBox, cbxPriority, cbxReplace})
    w->setEnabled(!deny);
}

void PacketContentRuleDialog::AfterRefresh() { ApplyDenyRule(Is(PermitComboBox, "deny")); }

void PacketContentRuleDialog::RowSelected(bool selected) {
  AclRuleDialog::RowSelected(selected);
  // The binding has loaded the selected row's Permit into its combo.
  ApplyDenyRule(selected && Is(PermitComboBox, "deny"));
}

bool PacketContentRuleDialog::Validate() {
  return IdsSet(QStringLiteral("Profile ID must be set."), QStringLiteral("Access ID must be set."));
}

bool PacketContentRuleDialog::CheckRowStatus() {
  if (!Checked(cbxRow) || Is(RowComboBox, "createAndGo")) return true;
  Refuse(QStringLiteral("Row State must be createAndGo."), RowComboBox);
  return false;
}

bool PacketContentRuleDialog::KindExclusions(KyColumnExclusion&) {
  // The use boxes have left out the unchecked groups; a checked data value
  // is at most 8 hexadecimal digits (the edit's own limit), whole bytes.
  for (int n = 0; n < kGroups; ++n) {
    if (!Checked(cbxData[n])) continue;
    QLineEdit* edit = DataEdit[n];
    edit->setText(edit->text().toUpper());
    if (edit->text().size() > 8 || !IsChunkText(edit->text())) {
      Refuse(QStringLiteral("Packet(s) Offset can not contain invalid character(s)."), edit);
      return false;
    }
  }
  return true;
}
