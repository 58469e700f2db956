// "Login Method List" and "Enable Method List": the authentication methods
// (four slots of type and server group) tried, in order, for each list
// name. The two lists differ only in their table, control names and texts,
// which the kind of list selects.
#pragma once

#include <array>

#include "dialogs/security/RowEditDialog.h"

class MethodListDialog : public RowEditDialog {
  Q_OBJECT

 public:
  enum class Kind { Login, Enable };

  MethodListDialog(const DialogContext& context, Kind kind);

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
  void stateChanged(bool selected) override;

 private:
  void TypeChanged(int slot);
  // The ineffective-method check: false when the operator chose to change
  // the slots; `lastSlot` is the last slot to write (3 for all).
  bool CheckIneffective(int& lastSlot);
  void ExcludeSlots(KyColumnExclusion& guard, int lastSlot);
  void DeleteRow();
  bool IsDefault() const;

  const char* nameMissing_;
  const char* nameTaken_;
};
