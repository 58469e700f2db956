// Packet-content access rules of the CPU interface filter: five 16-byte
// chunks of frame data, and an "Edit" that rewrites or removes the selected
// rule.
#pragma once

#include "dialogs/acl/AclRuleDialog.h"

class CpuPacketContentRuleDialog : public AclRuleDialog {
  Q_OBJECT

 public:
  explicit CpuPacketContentRuleDialog(const DialogContext& context);

  static constexpr int kChunk0 = 2, kPermit = 7, kRowStatus = 8, kPort = 9;

  QLineEdit* ProfileID_Edit = nullptr;
  QLineEdit* AccessID_Edit = nullptr;
  QLineEdit* Edit1 = nullptr;  // frame bytes 0-15
  QLineEdit* Edit2 = nullptr;
  QLineEdit* Edit3 = nullptr;
  QLineEdit* Edit4 = nullptr;
  QLineEdit* Edit5 = nullptr;  // frame bytes 64-79
  QCheckBox* CheckBox1 = nullptr;
  QCheckBox* CheckBox2 = nullptr;
  QCheckBox* CheckBox3 = nullptr;
  QCheckBox* CheckBox4 = nullptr;
  QCheckBox* CheckBox5 = nullptr;
  QComboBox* PermitComboBox = nullptr;
  QCheckBox* PermitCBox = nullptr;
  QComboBox* StatusComboBox = nullptr;
  QCheckBox* StatusCBox = nullptr;
  QPushButton* OperButton = nullptr;  // "Edit"

  void OperButtonClick();

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
