// The frame shared by the security dialogs that edit table rows in place:
// a list view bound to the table, the row's controls under it, the buttons
// "Refresh", "Add", "Edit", "Delete" (and "Close"), and a status bar whose
// panel 0 shows the outcome of each exchange. The binding works
// synchronously. Two states: no row selected (index controls and "Add"
// enabled, "Edit" and "Delete" disabled, fields empty) and a row selected
// (its values in the controls, index controls and "Add" disabled).
#pragma once

#include <QString>
#include <functional>
#include <vector>

#include "editors/DialogHelpers.h"
#include "editors/SnmpDialog.h"

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;
class QTreeWidget;

class RowEditDialog : public SnmpDialog {
  Q_OBJECT

 public:
  RowEditDialog(QWidget* owner, const KyVarDefTable& table);

  KySNMPRequest2Edits* binding = nullptr;
  QTreeWidget* ListView1 = nullptr;
  QStatusBar* StatusBar1 = nullptr;
  QLabel* StatusPanel0 = nullptr;
  QPushButton* RefreshButton = nullptr;
  QPushButton* AddButton = nullptr;
  QPushButton* EditButton = nullptr;
  QPushButton* DeleteButton = nullptr;
  QPushButton* CloseButton = nullptr;

  bool RowSelected() const;
  // Re-reads the table (errors to panel 0) and returns to the no-selection state.
  void RefreshTable();
  // One write under a column exclusion: `prepare` leaves columns out (and
  // may put controls on the values to send); the flags come back afterwards
  // whatever happens. On success the table is read again; on failure the
  // dialog returns to the no-selection state with the error in panel 0.
  // With `refreshOnFailure` a failed write reads the table again before
  // the error is shown.
  bool WriteRow(const std::function<void(KyColumnExclusion&)>& prepare, bool refreshOnFailure = false);

  // Puts a combo on the item with this text (none when absent).
  static void SetComboText(QComboBox* combo, const QString& text);

 protected:
  // Adds a caption and a control to the field grid, at the next place.
  void AddField(const QString& caption, QWidget* control);
  // Lays out the list view, the fields, the buttons and the status bar.
  void FinishLayout(const QString& samplesObjectName);

  // The index controls (enabled only without a selected row).
  std::vector<QWidget*> indexControls_;
  // Empties the edits and combos; the row-status combo goes to createAndGo.
  virtual void ClearFields();
  // After the state has changed (selection made or cleared).
  virtual void StateChanged(bool /*selected*/) {}
  void NoSelectionState();
  void FirstRefresh() override { RefreshTable(); }

  std::vector<QLineEdit*> edits_;
  std::vector<QComboBox*> combos_;
  QComboBox* rowStatusCombo_ = nullptr;

 private:
  void SelectionChanged();
  QGridLayout* grid_ = nullptr;
  int fieldCount_ = 0;
};
