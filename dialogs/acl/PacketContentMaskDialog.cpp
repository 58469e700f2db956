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
  Edit1 = AddEdit("Edit1", QStringLiteral("Mask Entry ID"));
  const char* names[] = {"Edit5", "Edit3", "Edit4", "Edit6", "Edit7"};
  QLineEdit** edits[] = {&Edit5, &Edit3, &Edit4, &Edit6, &Edit7};
  for (int k = 0; k < kAclChunks; ++k) *edits[k] = AddEdit(names[k], ChunkCaption(k));
  ComboBox1 = AddCombo("ComboBox1", QStringLiteral("Mask Row Status"));
  AddRowCount("Static", false);
  Static = RowCountText;

  BindIndexEdit(kId, Edit1, idFormat);
  for (int k = 0; k < kAclChunks; ++k) BindEdit(kChunk0 + k, *edits[k], "%s{l32}");
  BindCombo(kRowStatus, ComboBox1, QStringLiteral("createAndGo"));
  SetRowStatus(kRowStatus, ComboBox1);
  ResetButtons();
}

void PacketContentMaskDialog::Add() {
  if (Edit1->text().isEmpty()) {
    Refuse(QStringLiteral("Payload Entry ID must be set."), Edit1);
    return;
  }
  if (HasRow({Edit1->text()})) {
    Refuse(QStringLiteral("Payload Entry ID must be different."), Edit1);
    return;
  }
  if (!Is(ComboBox1, "createAndGo")) {
    Refuse(QStringLiteral("Row State must be createAndGo."), ComboBox1);
    return;
  }
  KyColumnExclusion exclusion(list());
  QLineEdit* chunks[] = {Edit5, Edit3, Edit4, Edit6, Edit7};
  for (int k = 0; k < kAclChunks; ++k) {
    QLineEdit* edit = chunks[k];
    if (edit->text().isEmpty()) {
      exclusion.Exclude(kChunk0 + k);
      continue;
    }
    edit->setText(edit->text().toUpper());
    if (!IsChunkText(edit->text())) {
      Refuse(QStringLiteral("Filtered Port(s) [%1] can not contain invalid character(s).").arg(ChunkRange(k)), edit);
      return;  // the guard restores the flags
    }
  }
  const bool ok = Write();
  Finish(exclusion, ok, true);
}
