// A dialog over one table of the switch: the rows in a list, the fields of
// the selected row under it, a button row and a status bar (DialogLayout).
// It has the two states of such a dialog: with no row selected the fields
// are empty and editable, index fields included, and the buttons that need a
// row are disabled; with a row selected its values fill the fields, the
// index fields are disabled and those buttons enabled.
#pragma once

#include <QString>

#include "dialogs/common/DialogBase.h"
#include "dialogs/common/DialogLayout.h"

class KyVarDefTable;
class KySNMPRequest2Edits;

struct TableDialogSpec {
  const char* objectName;
  QString caption;  // the agent's name follows it
  DialogLayout::List list;
  int fieldColumns = 2;
  bool asynchronous = true;
  // The fields beside the button column, over the list (DialogLayout::FieldsBesideButtons).
  bool fieldsBesideButtons = false;
};

class TableDialog : public SnmpDialog {
  Q_OBJECT

 public:
  enum class Role { Field, Index };
  enum class Enable { Always, WithSelection };

  TableDialog(const DialogContext& context, const KyVarDefTable& table, const TableDialogSpec& spec);

  KySNMPRequest2Edits* binding() const { return Binding(0); }
  QTreeWidget* list() const { return layout_.list(); }

 protected:
  // A captioned field bound to column `variable` of the table.
  QLineEdit* edit(int variable, const QString& caption, Name name, const std::string& format, Role role = Role::Field);
  QComboBox* combo(int variable, const QString& caption, Name name);
  // The hidden row status combo box, set by the dialog before a write.
  QComboBox* rowStatus(int variable, Name name);
  QPushButton* button(const QString& text, Name name, std::function<void()> clicked, Enable enable = Enable::Always);
  QPushButton* addCloseButton(Name name);
  QLabel* samplesCounter();
  // The status bar under everything; its panel 0 shows the binding's status.
  QLabel* statusBar(QStatusBar** bar = nullptr);
  // A widget of the dialog's own (a port grid) between the fields and the buttons.
  void addBelowFields(QWidget* widget) { layout_.addBelowFields(widget); }
  // The arrangement, for what a dialog places itself.
  DialogLayout& layout() { return layout_; }

  // Reads the table again unless a read or write is running; an error goes
  // to the status line.
  void refresh();
  // Writes the fields (the columns left out by a KyColumnExclusion of the
  // caller excepted) and reads the table again; an error goes to the status
  // line. False when it failed.
  bool write();
  // Whether a row's first column reads `key`.
  bool hasRow(const QString& key) const;
  // A message box with `text`, then the focus to `focus`.
  void refuse(const QString& text, QWidget* focus);
  // The state with no row selected: fields cleared and editable, the
  // buttons that need a row disabled.
  void clearFields();

  void FirstRefresh() override;

 private:
  void selectionChanged();

  DialogLayout layout_;
  std::vector<QLineEdit*> edits_;
  std::vector<QLineEdit*> indexEdits_;
  std::vector<QComboBox*> combos_;
  std::vector<QPushButton*> withSelection_;
  std::vector<QPushButton*> always_;
};
