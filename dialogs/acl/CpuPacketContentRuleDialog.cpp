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
  profileIdEdit = AddEdit("ProfileID_Edit", QStringLiteral("Profile ID"));
  accessIdEdit = AddEdit("AccessID_Edit", QStringLiteral("Access ID"));
  NewFieldLine();
  BindIds(profileIdEdit, "%i{n1x3}", accessIdEdit, "%i{n0x5}");
  for (int k = 0; k < kAclChunks; ++k) {
    const QByteArray edit = "Edit" + QByteArray::number(k + 1);
    const QByteArray box = "CheckBox" + QByteArray::number(k + 1);
    chunkEdits[k] =
        UseEdit(edit.constData(), ChunkCaption(k), box.constData(), &chunkBoxes[k], kChunk0 + k, "%s{l32}");
  }
  permitCombo = UseCombo("PermitComboBox", QStringLiteral("Permit"), "PermitCBox", &permitBox, kPermit,
                            QStringLiteral("permit"));
  rowStatusCombo = UseCombo("StatusComboBox", QStringLiteral("Mask Row Status"), "StatusCBox", &rowStatusBox, kRowStatus,
                            QStringLiteral("createAndGo"));
  rowCombo_ = rowStatusCombo;
  rowBox_ = rowStatusBox;
  editButton = AddButtonToColumn("OperButton", QStringLiteral("Edit"));
  connect(editButton, &QPushButton::clicked, this, [this] { editClicked(); });
  FinishLayout(kPort, kRowStatus);
}

void CpuPacketContentRuleDialog::ResetButtons() {
  AclRuleDialog::ResetButtons();
  editButton->setEnabled(false);
}

void CpuPacketContentRuleDialog::RowSelected(bool selected) {
  AclRuleDialog::RowSelected(selected);
  editButton->setEnabled(selected);
}

bool CpuPacketContentRuleDialog::Validate() {
  return IdsSet(QStringLiteral("Profile ID must be set."), QStringLiteral("Access ID must be set."));
}

bool CpuPacketContentRuleDialog::AnyPortChecked() const {
  for (QCheckBox* b : portGrid->CheckBoxes())
    if (b->isChecked()) return true;
  return false;
}

bool CpuPacketContentRuleDialog::CheckChunks(KyColumnExclusion& x) {
  QLineEdit* const* edits = chunkEdits;
  QCheckBox* const* boxes = chunkBoxes;
  for (int k = 0; k < kAclChunks; ++k) {
    if (!Checked(boxes[k])) {
      x.Exclude(kChunk0 + k);
      continue;
    }
    edits[k]->setText(edits[k]->text().toUpper());
    if (!IsChunkText(edits[k]->text())) {
      refuse(QStringLiteral("Packet(s) Offset [%1] can not contain invalid character(s).").arg(ChunkRange(k)), edits[k]);
      return false;
    }
  }
  if (!Checked(permitBox)) x.Exclude(kPermit);
  if (!AnyPortChecked()) x.Exclude(kPort);
  return true;
}

bool CpuPacketContentRuleDialog::KindExclusions(KyColumnExclusion& x) {
  if (!CheckChunks(x)) return false;
  SelectLabel(rowStatusCombo, QStringLiteral("createAndGo"));
  return true;
}

void CpuPacketContentRuleDialog::editClicked() {
  if (!Validate()) return;
  KyColumnExclusion exclusion(varList());
  if (Is(rowStatusCombo, "destroy") && Checked(rowStatusBox)) {
    ExcludeAllButKeys(exclusion, {kRowStatus});
  } else {
    if (!CheckChunks(exclusion)) return;
    if (!Checked(rowStatusBox)) exclusion.Exclude(kRowStatus);
  }
  const bool ok = Write();
  Finish(exclusion, ok, false);
}
