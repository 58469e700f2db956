// What the access-rule dialogs add to the shared row editing: two index
// edits (profile ID, access ID) that move together, a use check box per
// field (an unchecked field is not part of the write), "Check All" and
// "Clear Checks", the standard port grid bound to the rule's port list, the
// row count, and the Add flow: validation, the duplicate check on the pair of
// IDs, the row-status check, the use-box exclusions and the kind's own.
#pragma once

#include <utility>
#include <vector>

#include "dialogs/acl/AclTableDialog.h"

class AclRuleDialog : public AclTableDialog {
  Q_OBJECT

 public:
  QPushButton* checkAllButton = nullptr;    // "Check All"
  QPushButton* clearChecksButton = nullptr;  // "Clear Checks"

  void addClicked() override;
  // Checks or unchecks every use box (never the port boxes).
  void checkAll(bool checked);

 protected:
  struct Field {
    QCheckBox* box = nullptr;
    QWidget* control = nullptr;
    int variable = -1;
  };

  // `fieldColumns` caption and field groups a line (three unless the
  // fields are too wide for that).
  AclRuleDialog(const DialogContext& context, const KyVarDefTable& table, const QString& duplicateMessage,
                int fieldColumns = 3);

  // The two index edits, bound.
  void BindIds(QLineEdit* first, const std::string& firstFormat, QLineEdit* access, const std::string& accessFormat);
  // A field with its use box, laid out, bound and recorded in field order.
  QLineEdit* UseEdit(const char* name, const QString& caption, const char* boxName, QCheckBox** box, int variable,
                     const std::string& format);
  QComboBox* UseCombo(const char* name, const QString& caption, const char* boxName, QCheckBox** box, int variable,
                      const QString& initial = QString());
  // The port grid, the row status; call once the fields are made.
  void FinishLayout(int portVariable, int rowStatusVariable);

  // Step 1 of Add; false stops it (the message was shown).
  virtual bool Validate() = 0;
  // Step 3: the row status. Default: its combo on createAndGo and its box checked.
  virtual bool CheckRowStatus();
  // Step 5: the kind's own exclusions and data checks; false stops the add.
  virtual bool KindExclusions(KyColumnExclusion&) { return true; }

  // Shared checks. The first empty index edit gives its message.
  bool IdsSet(const QString& firstMessage, const QString& accessMessage);
  // The first checked field whose control is empty gives `message`.
  bool CheckedFieldsFilled(const QString& message);
  bool IsFieldChecked(QWidget* control) const;
  static bool IsEmpty(const QWidget* control);
  static bool IsIntIn(const QString& text, int low, int high);

  QLineEdit* firstIdEdit_ = nullptr;
  QLineEdit* accessIdEdit_ = nullptr;
  QComboBox* rowCombo_ = nullptr;
  QCheckBox* rowBox_ = nullptr;
  std::vector<Field> fields_;
  QString duplicateMessage_;
};
