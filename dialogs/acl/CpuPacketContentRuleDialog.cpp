#include "dialogs/acl/CpuPacketContentRuleDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "dialogs/acl/AclChunks.h"
#include "editors/PortGrid.h"
#include "tables/DefTables.h"

CpuPacketContentRuleDialog::CpuPacketContentRuleDialog(const DialogContext& context)
    : AclRuleDialog(context, tbl::PacketContentRuleCPUFilter1,
                   QStringLiteral("Has already a record with the same Profile Rule ID and Access ID. Please change "
                                  "eithor of them."),
                    /*fieldColumns=*/2) {
  ProfileID_Edit = AddEdit("ProfileID_Edit", QStringLiteral("Profile ID"));
  AccessID_Edit = AddEdit("AccessID_Edit", QStringLiteral("Access ID"));
  NewFieldLine();
  BindIds(ProfileID_Edit, "%i{n1x3}", AccessID_Edit, "%i{n0x5}");
  QLineEdit** edits[] = {&Edit1, &Edit2, &Edit3, &Edit4, &Edit5};
  QCheckBox** boxes[] = {&CheckBox1, &CheckBox2, &CheckBox3, &CheckBox4, &CheckBox5};
  for (int k = 0; k < kAclChunks; ++k) {
    const QByteArray edit = "Edit" + QByteArray::number(k + 1);
    const QByteArray box = "CheckBox" + QByteArray::number(k + 1);
    *edits[k] = UseEdit(edit.constData(), ChunkCaption(k), box.constData(), boxes[k], kChunk0 + k, "%s{l32}");
  }
  PermitComboBox = UseCombo("PermitComboBox", QStringLiteral("Permit"), "PermitCBox", &PermitCBox, kPermit,
                            QStringLiteral("permit"));
  StatusComboBox = UseCombo("StatusComboBox", QStringLiteral("Mask Row Status"), "StatusCBox", &StatusCBox, kRowStatus,
                            QStringLiteral("createAndGo"));
  rowCombo_ = StatusComboBox;
  rowBox_ = StatusCBox;
  OperButton = AddButtonToColumn("OperButton", QStringLiteral("Edit"));
  connect(OperButton, &QPushButton::clicked, this, [this] { OperButtonClick(); });
  FinishLayout(kPort, kRowStatus);
}

void CpuPacketContentRuleDialog::ResetButtons() {
  AclRuleDialog::ResetButtons();
  OperButton->setEnabled(false);
}

void CpuPacketContentRuleDialog::RowSelected(bool selected) {
  AclRuleDialog::RowSelected(selected);
  OperButton->setEnabled(selected);
}

bool CpuPacketContentRuleDialog::Validate() {
  return IdsSet(QStringLiteral("Profile ID must be set."), QStringLiteral("Access ID must be set."));
}

bool CpuPacketContentRuleDialog::AnyPortChecked() const {
  for (QCheckBox* b : PortPanel->CheckBoxes())
    if (b->isChecked()) return true;
  return false;
}

bool CpuPacketContentRuleDialog::CheckChunks(KyColumnExclusion& x) {
  QLineEdit* edits[] = {Edit1, Edit2, Edit3, Edit4, Edit5};
  QCheckBox* boxes[] = {CheckBox1, CheckBox2, CheckBox3, CheckBox4, CheckBox5};
  for (int k = 0; k < kAclChunks; ++k) {
    if (!Checked(boxes[k])) {
      x.Exclude(kChunk0 + k);
      continue;
    }
    edits[k]->setText(edits[k]->text().toUpper());
    if (!IsChunkText(edits[k]->text())) {
      Refuse(QStringLiteral("Packet(s) Offset [%1] can not contain invalid character(s).").arg(ChunkRange(k)), edits[k]);
      return false;
    }
  }
  if (!Checked(PermitCBox)) x.Exclude(kPermit);
  if (!AnyPortChecked()) x.Exclude(kPort);
  return true;
}

bool CpuPacketContentRuleDialog::KindExclusions(KyColumnExclusion& x) {
  if (!CheckChunks(x)) return false;
  SelectLabel(StatusComboBox, QStringLiteral("createAndGo"));
  return true;
}

void CpuPacketContentRuleDialog::OperButtonClick() {
  if (!Validate()) return;
  KyColumnExclusion exclusion(list());
  if (Is(StatusComboBox, "destroy") && Checked(StatusCBox)) {
    ExcludeAllButKeys(exclusion, {kRowStatus});
  } else {
    if (!CheckChunks(exclusion)) return;
    if (!Checked(StatusCBox)) exclusion.Exclude(kRowStatus);
  }
  const bool ok = Write();
  Finish(exclusion, ok, false);
}
