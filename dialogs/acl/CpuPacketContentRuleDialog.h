// Packet-content access rules of the CPU interface filter: five 16-byte
// chunks of frame data, and an "Edit" that rewrites or removes the selected
// rule.
#pragma once

#include "dialogs/acl/AclChunks.h"
#include "dialogs/acl/AclRuleDialog.h"

class CpuPacketContentRuleDialog : public AclRuleDialog {
  Q_OBJECT

 public:
  explicit CpuPacketContentRuleDialog(const DialogContext& context);

  static constexpr int kChunk0 = 2, kPermit = 7, kRowStatus = 8, kPort = 9;

  QLineEdit* profileIdEdit = nullptr;
  QLineEdit* accessIdEdit = nullptr;
  // The chunks for frame bytes 0-15, 16-31, 32-47, 48-63 and 64-79, and their use boxes.
  QLineEdit* chunkEdits[kAclChunks] = {};
  QCheckBox* chunkBoxes[kAclChunks] = {};
  QComboBox* permitCombo = nullptr;
  QCheckBox* permitBox = nullptr;
  QComboBox* rowStatusCombo = nullptr;
  QCheckBox* rowStatusBox = nullptr;
  QPushButton* editButton = nullptr;  // "Edit"

  void editClicked();

 protected:
  bool Validate() override;
  bool KindExclusions(KyColumnExclusion& exclusion) override;
  void ResetButtons() override;
  void RowSelected(bool selected) override;

 private:
  // The chunk checks and skips; false when a chunk was refused.
  bool CheckChunks(KyColumnExclusion& exclusion);
  bool AnyPortChecked() const;
};
