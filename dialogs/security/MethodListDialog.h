// A method list dialog: the ordered authentication methods (four slots of
// type and server group) of each list name. The login and enable lists
// differ only in their control names and their texts.
#pragma once

#include <array>

#include "dialogs/security/RowEditDialog.h"

class MethodListDialog : public RowEditDialog {
  Q_OBJECT

 public:
  struct Texts {
    const char* nameMissing;
    const char* nameTaken;
  };
  static constexpr const char* kIneffectiveQuestion =
      "Method(s) after method local and none is(are) ineffective. Do you want to change your configurations?";
  static constexpr const char* kDefaultNotDeleted = "The method list \"default\" cannot be deleted.";
  static constexpr const char* kRowStateMustBeCreate = "Row State must be createAndGo.";
  // Combo items of the method types.
  static constexpr int kServerGroupItem = 4;
  static constexpr int kLocalItem = 5;
  static constexpr int kNoneItem = 6;

  void addClicked() override;
  void editClicked() override;
  void deleteClicked() override;

  QLineEdit* nameEdit = nullptr;
  std::array<QComboBox*, 4> typeCombos{};
  std::array<QLineEdit*, 4> serverEdits{};
  QComboBox* rowStatusCombo = nullptr;

 protected:
  MethodListDialog(const DialogContext& context, const KyVarDefTable& table, const Texts& texts);
  // Names the controls and lays them out; called by the concrete dialogs.
  void Build(const char* nameEditName, const std::array<const char*, 4>& typeNames,
             const std::array<const char*, 4>& serverNames);
  void stateChanged(bool selected) override;

 private:
  void TypeChanged(int slot);
  // The ineffective-method check: false when the operator chose to change
  // the slots; `lastSlot` is the last slot to write (3 for all).
  bool CheckIneffective(int& lastSlot);
  void ExcludeSlots(KyColumnExclusion& guard, int lastSlot);
  void DeleteRow();
  bool IsDefault() const;

  Texts texts_;
};
