// A table dialog whose rows are edited in place through a synchronous
// binding: the buttons "Refresh", "Add", "Edit", "Delete" and "Close"; with
// no row selected the index controls and "Add" are enabled, "Edit" and
// "Delete" disabled and the fields empty (the row status on createAndGo);
// with a row selected its values are in the controls and the index controls
// and "Add" are disabled. Every write is followed by a read of the table.
#pragma once

#include <QString>
#include <functional>
#include <vector>

#include "dialogs/common/DialogBase.h"
#include "dialogs/common/TableDialog.h"
#include "editors/DialogHelpers.h"

class RowEditDialog : public TableDialog {
  Q_OBJECT

 public:
  RowEditDialog(const DialogContext& context, const KyVarDefTable& table);

  virtual void addClicked() = 0;
  virtual void editClicked() = 0;
  virtual void deleteClicked() = 0;

  QPushButton* refreshButton = nullptr;
  QPushButton* addButton = nullptr;
  QPushButton* editButton = nullptr;
  QPushButton* deleteButton = nullptr;
  QPushButton* closeButton = nullptr;

 protected:
  bool rowSelected() const;
  // Puts `combo` on the item with this text (no such item: no selection).
  static void SelectText(QComboBox* combo, const QString& text);
  // Reads the table again (errors to the status line) and returns to the
  // no-selection state.
  void refreshTable();
  // One write under a column exclusion: `prepare` leaves columns out (and
  // may put controls on the values to send); the flags come back afterwards
  // whatever happens. On success the table is read again; on failure the
  // dialog returns to the no-selection state with the error on the status
  // line. With `refreshOnFailure` a failed write reads the table again
  // before the error is shown.
  bool writeRow(const std::function<void(KyColumnExclusion&)>& prepare, bool refreshOnFailure = false);

  // A field of the grid, at least 140 px wide; an index field is enabled
  // only with no row selected.
  QLineEdit* field(int variable, const QString& caption, Name name, const std::string& format,
                   Role role = Role::Field);
  QComboBox* choice(int variable, const QString& caption, Name name, Role role = Role::Field);
  // The visible row-status combo box, put on createAndGo with no row selected.
  QComboBox* rowStatusChoice(int variable, const QString& caption, Name name);
  // The hidden row-status combo box.
  QComboBox* hiddenRowStatus(int variable, Name name);
  // The buttons, the row count (object name `samplesName`) and the status
  // bar; called once the fields are made.
  void finishLayout(Name samplesName);

  // Empties the edits and combos; the row-status combo goes to createAndGo.
  virtual void clearRow();
  // After the state has changed (selection made or cleared).
  virtual void stateChanged(bool /*selected*/) {}
  void noSelectionState();
  void FirstRefresh() override { refreshTable(); }

 private:
  void selectionChanged();

  std::vector<QWidget*> indexControls_;
  std::vector<QLineEdit*> edits_;
  std::vector<QComboBox*> combos_;
  QComboBox* rowStatusCombo_ = nullptr;
};
