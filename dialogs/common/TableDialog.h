// A dialog over one table of the switch: the rows in a list, the fields of
// the selected row under it (port grids included), a button row and a status
// bar or memo (DialogLayout). It has the two states of such a dialog: with no
// row selected the fields are empty and editable, index fields included, the
// buttons that need a row are disabled and those that need none (Add, where
// it only makes a new row) enabled; with a row selected its values fill the
// fields, the index fields are disabled and the buttons the other way round.
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
  enum class Enable { Always, WithSelection, WithoutSelection };
  enum class Place { AboveButtons, BelowButtons };

  TableDialog(const DialogContext& context, const KyVarDefTable& table, const TableDialogSpec& spec);

  KySNMPRequest2Edits* binding() const { return Binding(0); }
  QTreeWidget* list() const { return layout_.list(); }

 protected:
  // A captioned field bound to column `variable` of the table.
  QLineEdit* edit(int variable, const QString& caption, Name name, const std::string& format, Role role = Role::Field);
  QComboBox* combo(int variable, const QString& caption, Name name);
  // A sunken label showing column `variable` of the selected row.
  QLabel* display(int variable, const QString& caption, Name name);
  // The hidden row status combo box, set by the dialog before a write.
  QComboBox* rowStatus(int variable, Name name);
  // Column `variable` (a port list) shown on `grid`, cleared with the fields.
  PortGrid* ports(int variable, PortGrid* grid);
  // Tab pages of port grids between the fields and the buttons; a page bound
  // to column `variable`.
  QTabWidget* portPages(const char* name);
  PortGrid* portPage(QTabWidget* pages, const QString& title, int variable);
  QPushButton* button(const QString& text, Name name, std::function<void()> clicked, Enable enable = Enable::Always);
  QPushButton* addCloseButton(Name name);
  QLabel* samplesCounter();
  // The status bar under everything; its panel 0 shows the binding's status.
  QLabel* statusBar(QStatusBar** bar = nullptr);
  // The message memo `Memo1`, which shows the binding's status.
  QPlainTextEdit* addMessages(Place place);
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
  // While a read or write of the dialog runs: its busy text in a message
  // box, and true.
  bool refusedWhileBusy();
  // The state with no row selected: fields cleared and editable, the
  // buttons that need a row disabled.
  void clearFields();

  void FirstRefresh() override;

  DialogLayout& arrangement() { return layout_; }

 private:
  void selectionChanged();

  DialogLayout layout_;
  std::vector<QLineEdit*> edits_;
  std::vector<QLineEdit*> indexEdits_;
  std::vector<QComboBox*> combos_;
  std::vector<QLabel*> displays_;
  std::vector<PortGrid*> grids_;
  std::vector<QPushButton*> withSelection_;
  std::vector<QPushButton*> withoutSelection_;
  std::vector<QPushButton*> always_;
};
