// Packet-content access profiles (byte masks over the first 80 frame bytes),
// of the access-control list or of the CPU interface filter.
#pragma once

#include "dialogs/acl/AclChunks.h"
#include "dialogs/acl/AclFilter.h"
#include "dialogs/acl/AclTableDialog.h"

class PacketContentMaskDialog : public AclTableDialog {
  Q_OBJECT

 public:
  explicit PacketContentMaskDialog(const DialogContext& context, AclFilter filter = AclFilter::AccessList);

  // Variables: the index, the five 16-byte chunks, the row status.
  enum Var { kId, kChunk0, kChunk1, kChunk2, kChunk3, kChunk4, kRowStatus };

  QLineEdit* idEdit = nullptr;  // "Mask Entry ID"
  // The chunks for frame bytes 0-15, 16-31, 32-47, 48-63 and 64-79.
  QLineEdit* chunkEdits[kAclChunks] = {};
  QComboBox* rowStatusCombo = nullptr;  // "Mask Row Status"

  void addClicked() override;
};
