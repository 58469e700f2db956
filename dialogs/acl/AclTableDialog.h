// The access-profile (mask) and access-rule dialogs: a TableDialog whose
// fields (in use-box groups) stand beside the button column, over the list,
// read and written through a synchronous binding. Refresh, Add and Delete
// have two states (no row selected: Add and the index edits enabled, Delete
// disabled; a row selected: the reverse); Add checks for a duplicate in the
// list; Delete writes "destroy" with every other column left out; the rules
// add a use check box per field and the standard port grid.
//
// A dialog lays out its fields with AddEdit / AddCombo, binds them, names its
// buttons, and implements its own Add; the exclusion of one write is a
// KyColumnExclusion made by the Add handler, so the access flags come back on
// every way out.
#pragma once

#include <QString>
#include <QStringList>
#include <initializer_list>
#include <string>
#include <vector>

#include "dialogs/common/TableDialog.h"
#include "editors/DialogHelpers.h"

class AclTableDialog : public TableDialog {
  Q_OBJECT

 public:
  AclTableDialog(const DialogContext& context, const KyVarDefTable& table, int fieldColumns);

  KySNMPVarList& varList() const;

  QTreeWidget* rowList = nullptr;
  QLabel* statusLabel = nullptr;  // panel 0 of the status bar, the binding's status target
  QPushButton* refreshButton = nullptr;
  QPushButton* addButton = nullptr;
  QPushButton* deleteButton = nullptr;
  // The rules' port grid (null in the mask dialogs).
  PortGrid* portGrid = nullptr;
  // The row count (shown for the rules, hidden for the packet-content masks).
  QLabel* rowCountLabel = nullptr;

  // The buttons' handlers, public so that tests click them through the
  // buttons or call them.
  void refreshClicked();
  void deleteClicked();
  virtual void addClicked() = 0;

 protected:
  void FirstRefresh() override { refreshClicked(); }

  // ---- Layout. Fields go into a grid of `fieldColumns` groups a line,
  // each group [use box] caption field.
  QLineEdit* AddEdit(const char* name, const QString& caption, QCheckBox** useBox = nullptr,
                     const char* useBoxName = nullptr);
  QComboBox* AddCombo(const char* name, const QString& caption, QCheckBox** useBox = nullptr,
                      const char* useBoxName = nullptr);
  // Hides a field with its caption (and use box).
  void HideField(QWidget* field) { layout().fields().hide(field); }
  // Starts the next field on a new line.
  void NewFieldLine() { layout().fields().newLine(); }
  // The object names of the Refresh, Add and Delete buttons.
  void NameButtons(const char* refresh, const char* add, const char* del);
  // A further button in the button column.
  QPushButton* AddButtonToColumn(const char* name, const QString& caption);
  // The port grid below the fields, bound to the port list `variable`.
  void AddPortGrid(int variable);
  // The row-count text ("Static" hidden for the masks, "StaticText1" shown for the rules).
  void AddRowCount(const char* name, bool visible);

  // ---- Bindings.
  void BindEdit(int variable, QLineEdit* edit, const std::string& format);
  void BindCombo(int variable, QComboBox* combo, const QString& initial = QString());
  // An index edit: bound like an edit, moves with the button states.
  void BindIndexEdit(int variable, QLineEdit* edit, const std::string& format);
  // The row-status combo and its variable (Delete puts it on destroy).
  void SetRowStatus(int variable, QComboBox* combo) {
    rowStatusVar_ = variable;
    rowStatusCombo_ = combo;
  }

  // ---- State.
  // No row selected: Add and the index edits enabled, Delete disabled.
  virtual void ResetButtons();
  // Empties the field edits, unchecks the use boxes and the port boxes
  // (combo selections stay).
  virtual void ClearFields();
  // After the binding has loaded a selected row, or when no row is selected.
  virtual void RowSelected(bool selected);
  // After every Refresh (good or failed), once the buttons are reset.
  virtual void AfterRefresh() {}
  void ShowRowCount();
  const std::vector<QCheckBox*>& UseBoxes() { return layout().fields().useBoxes(); }

  // ---- Flows.
  // Whether a list row shows `keys` in its first columns.
  bool HasRow(const QStringList& keys) const;
  // Apply with the current exclusions; a failure is shown in status panel
  // 0. Answers whether the write went through.
  bool Write();
  // The end of an Add or Delete: restore the flags, then on success Refresh;
  // on failure reset the buttons and clear the fields (and Refresh when
  // `refreshOnFailure`).
  void Finish(KyColumnExclusion& exclusion, bool ok, bool refreshOnFailure);
  // The checks before a mask is added: no row has the ID in `id` yet
  // (`duplicate` otherwise) and `rowStatus` is on createAndGo (`notCreate`
  // otherwise). The first that fails shows its message and answers false.
  bool CheckNewMask(QLineEdit* id, const QString& duplicate, QComboBox* rowStatus, const QString& notCreate);
  // The address masks of a mask state: the state and both masks are left out
  // with no state or "other", the source mask with `destinationOnly`, the
  // destination mask with `sourceOnly`.
  struct MaskColumns {
    int state, source, destination;
  };
  void ExcludeByMaskState(KyColumnExclusion& exclusion, QComboBox* state, const char* destinationOnly,
                          const char* sourceOnly, MaskColumns columns);
  // Leaves out every column except the index columns and `keep`.
  void ExcludeAllButKeys(KyColumnExclusion& exclusion, std::initializer_list<int> keep);
  // Selects the combo item with this label (no change when there is none).
  static void SelectLabel(QComboBox* combo, const QString& label);
  static bool Is(const QComboBox* combo, const char* label);
  static bool Checked(const QCheckBox* box);

  std::vector<QLineEdit*> fieldEdits_;
  bool refreshOnDeleteFailure_ = false;

 private:
  QWidget* AddField(QWidget* field, const char* name, const QString& caption, QCheckBox** useBox,
                    const char* useBoxName);
  void ListSelectionChanged();

  std::vector<QLineEdit*> indexEdits_;
  QComboBox* rowStatusCombo_ = nullptr;
  int rowStatusVar_ = -1;
  QWidget* portPanel_ = nullptr;
  QLabel* rowCountCaption_ = nullptr;
};
