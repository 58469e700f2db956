// The generic dialog that hosts one generated editor, and the entry point
// through which the menu commands open a generated dialog.
#pragma once

#include <QDialog>
#include <QString>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "snmp/VarList.h"

class BindingGroup;
class KySNMPRequest2Edits;
class TSNMPEditorPanel;
class TSNMPListViewPanel;

class GeneratedDialog : public QDialog {
  Q_OBJECT
 public:
  explicit GeneratedDialog(QWidget* owner = nullptr);
  ~GeneratedDialog() override;

  // Form type 1: a scalar editor for the editor object (the form takes it over).
  TSNMPEditorPanel* SetEditor(std::unique_ptr<KySNMPRequest2Edits> editor);
  // Form type 2: a table editor; an index of -1 or an empty text leaves the
  // add or delete status unset.
  TSNMPListViewPanel* SetListView(std::unique_ptr<KySNMPRequest2Edits> editor, int addIndex,
                                  const std::string& addStatus, int deleteIndex, const std::string& deleteStatus);
  // Refreshes the first editor (done once after the dialog is first shown).
  void RefreshForm();
  // Stops the editors' requests and lets the event loop run until their
  // running exchanges end (the dialog's close), at most kCloseWaitMs. The
  // editors are freed with the dialog, after its panels.
  static constexpr int kCloseWaitMs = 30000;
  void FormClose();

  int FormType() const { return formType_; }
  KySNMPRequest2Edits* Editor(int i = 0) const;
  int EditorCount() const { return static_cast<int>(editors_.size()); }
  // The panel made by SetEditor or SetListView.
  TSNMPEditorPanel* Panel() const { return panel_; }
  // Whether the deferred first refresh has run.
  bool FirstRefreshDone() const { return refreshed_; }

  void done(int result) override;

 protected:
  // A deferred delete that arrives while a handler of the dialog waits for
  // a synchronous exchange is carried out once that handler has returned.
  bool event(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  // Enter in an edit or a combo box clicks no button (a focused button
  // still answers it itself).
  void keyPressEvent(QKeyEvent* event) override;

 private:
  int formType_ = 0;
  std::shared_ptr<BindingGroup> group_;
  std::vector<std::unique_ptr<KySNMPRequest2Edits>> editors_;
  KySNMPRequest2Edits* current_ = nullptr;
  TSNMPEditorPanel* panel_ = nullptr;
  bool refreshPosted_ = false;
  bool refreshed_ = false;
  bool deleteAfterWait_ = false;
};

// What a menu command gives to open a generated dialog.
struct GeneratedCommand {
  const KyVarDefTable* table = nullptr;
  uint8_t kind = 0;          // of the variable list (0, 1 scalar; 2, 3 table)
  int32_t keyCount = 0;
  QString caption;           // the dialog caption, already built (the catalogue's EntryCaption)
  bool tableEditor = false;  // SetListView instead of SetEditor
  int rowStatusIndex = -1;   // table: rows are added with "createAndGo" and deleted with "destroy" through it
  std::vector<std::pair<int, std::string>> constraints;  // SetVarFormat pairs, in order
  bool noEditWindow = false;
  int portGridVariable = -1;  // AssignOctetItem (i, 12, 52)
  bool tpidNote = false;      // "Warning:The TPID is a global setting!"
  int editWidth = 0;          // SetEditWidth when > 0
  bool height450 = false;
};

// Builds the dialog of a generated command (steps 2 to 5 and the caption);
// the caller shows it. Raises the layer's exception on a bad definition.
std::unique_ptr<GeneratedDialog> BuildGeneratedDialog(const GeneratedCommand& command, QWidget* owner = nullptr);
// Builds it, shows it modally and frees it. Errors while building are shown
// in a message box. Returns the dialog's result.
int OpenGeneratedDialog(const GeneratedCommand& command, QWidget* owner = nullptr);
