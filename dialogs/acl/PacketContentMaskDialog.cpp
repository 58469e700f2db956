#include "dialogs/acl/PacketContentMaskDialog.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "dialogs/acl/AclChunks.h"
#include "tables/DefTables.h"

PacketContentMaskDialog::PacketContentMaskDialog(const DialogContext& context, AclFilter filter)
    : AclTableDialog(context,
                     filter == AclFilter::CpuInterface ? tbl::PacketContentMaskCPUFilter1 : tbl::PayloadMaskInformation1,
                     1) {
  const char* idFormat = filter == AclFilter::CpuInterface ? "%i{n1x3}" : "%i{n1x256l3}";
  NameButtons("GetButton", "AddButton", "DeleteButton");
  refreshOnDeleteFailure_ = true;
  idEdit = AddEdit("Edit1", QStringLiteral("Mask Entry ID"));
  const char* names[] = {"Edit5", "Edit3", "Edit4", "Edit6", "Edit7"};
  for (int k = 0; k < kAclChunks; ++k) chunkEdits[k] = AddEdit(names[k], ChunkCaption(k));
  rowStatusCombo = AddCombo("ComboBox1", QStringLiteral("Mask Row Status"));
  AddRowCount("Static", false);

  BindIndexEdit(kId, idEdit, idFormat);
  for (int k = 0; k < kAclChunks; ++k) BindEdit(kChunk0 + k, chunkEdits[k], "%s{l32}");
  BindCombo(kRowStatus, rowStatusCombo, QStringLiteral("createAndGo"));
  SetRowStatus(kRowStatus, rowStatusCombo);
  ResetButtons();
}

void PacketContentMaskDialog::addClicked() {
  if (idEdit->text().isEmpty()) {
    refuse(QStringLiteral("Payload Entry ID must be set."), idEdit);
    return;
  }
  if (!CheckNewMask(idEdit, QStringLiteral("Payload Entry ID must be different."), rowStatusCombo,
                    QStringLiteral("Row State must be createAndGo.")))
    return;
  KyColumnExclusion exclusion(varList());
  for (int k = 0; k < kAclChunks; ++k) {
    QLineEdit* edit = chunkEdits[k];
    if (edit->text().isEmpty()) {
      exclusion.Exclude(kChunk0 + k);
      continue;
    }
    edit->setText(edit->text().toUpper());
    if (!IsChunkText(edit->text())) {
      refuse(QStringLiteral("Filtered Port(s) [%1] can not contain invalid character(s).").arg(ChunkRange(k)), edit);
      return;  // the guard restores the flags
    }
  }
  const bool ok = Write();
  Finish(exclusion, ok, true);
}
