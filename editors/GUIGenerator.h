// Generated panels: the row editor of a variable list (TEditsPanel), the list
// view panel of a table (TListViewPanel), and the frames around them: the
// button bar, the message panel and the editor panels of the generic dialog.
#pragma once

#include <QColor>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "editors/UiSupport.h"

class KySNMPRequest2Edits;
class QCheckBox;
class QComboBox;
class QDialog;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class QSplitter;
class QTreeWidget;

// UiScale and Px, the pixel scaling: editors/UiSupport.h.

// ---------------------------------------------------------------------------
// Port grid of an edit that stands for a port list.
struct OctetItem {
  int columns = 0;  // check boxes per line
  int count = 0;    // ports
};

// One row of the row editor.
struct UISnmpVar {
  int kind = 0;              // 1 read-only edit, 2 writable edit, 3 writable combo box, 4 read-only edit with label
  std::string format;        // constraint of the edit
  QWidget* editor = nullptr; // QLineEdit or QComboBox
  QCheckBox* check = nullptr;
  QLabel* label = nullptr;
  std::unique_ptr<OctetItem> octetItem;
};

class TCtrlBtnPanel;

// ---------------------------------------------------------------------------
class TEditsPanel : public QWidget {
  Q_OBJECT
 public:
  TEditsPanel(QWidget* owner, KySNMPRequest2Edits* editor);
  ~TEditsPanel() override;

  void ArrangeCtrlBtn(TCtrlBtnPanel* bar);
  void SetEditWidth(int width);
  int EditWidth() const { return editWidth_; }
  void SetRowReadOnly(int index);
  void SetRowEditable(int index);
  void ApplyAccess(bool defaultCheck);
  void SetReadOnlyColors(const QColor& font, const QColor& background);
  void HideRow(int index);
  void ShowRow(int index);
  void ClearRow(int index);
  void ClearRows();
  QString RowText(int index) const;
  void AssignOctetItem(int index, int columns, int count);
  void ShowNote(const QString& text, const QColor& color, int size);
  // Lays the rows out; with sizing the panel takes the size of its rows + 40.
  void Arrange(bool sizing = true);
  // Opens the port grid of a row (what a click in its edit does).
  void OpenPortGrid(int index);

  // A row is read-only when its variable is not writable, or is a key of a table.
  bool IsVariableReadOnly(int index) const;
  int RowCount() const { return static_cast<int>(rows_.size()); }
  UISnmpVar& Row(int index) { return rows_[static_cast<size_t>(index)]; }
  const UISnmpVar& Row(int index) const { return rows_[static_cast<size_t>(index)]; }
  KySNMPRequest2Edits* Editor() const { return editor_; }
  QLabel* Note() const { return note_; }
  // Rows with a shown, enabled check box / those of them checked.
  int EditableRowCount() const;
  int CheckedRowCount() const;
  bool DefaultCheck() const { return defaultCheck_; }

 signals:
  void rowCheckChanged();

 private:
  void RowCheckClicked();
  void SetEditorColors(QWidget* editor, const QColor& font, const QColor& background);

  KySNMPRequest2Edits* editor_;
  QScrollArea* scroll_;
  QWidget* inner_;
  QLabel* note_;
  std::vector<UISnmpVar> rows_;
  int editWidth_ = 121;
  QColor readOnlyFont_;
  QColor readOnlyBackground_;
  bool defaultCheck_ = false;
  QPointer<TCtrlBtnPanel> bar_;
};

// ---------------------------------------------------------------------------
class TListViewPanel : public QWidget {
  Q_OBJECT
 public:
  TListViewPanel(QWidget* owner, KySNMPRequest2Edits* editor);
  ~TListViewPanel() override;
  void ArrangeCtrlBtn(TCtrlBtnPanel* bar);
  QTreeWidget* ListView() const { return listView_; }
  int addIndex = -1;
  int deleteIndex = -1;

 private:
  KySNMPRequest2Edits* editor_;
  QTreeWidget* listView_;
};

// ---------------------------------------------------------------------------
class TCtrlBtnPanel : public QWidget {
  Q_OBJECT
 public:
  explicit TCtrlBtnPanel(QWidget* owner);
  void Arrange();
  // Every control in layout order.
  std::vector<QWidget*> Controls() const;

  QLabel* counter;
  QLabel* samplesLabel;
  QPushButton* btnRefresh;
  QPushButton* btnEdit;
  QPushButton* btnSetChecked;
  QPushButton* btnAdd;
  QPushButton* btnDelete;
  QPushButton* btnCheckAll;
  QPushButton* btnClearChecks;
  QPushButton* btnClose;
};

// ---------------------------------------------------------------------------
class TMsgPanel : public QWidget {
  Q_OBJECT
 public:
  explicit TMsgPanel(QWidget* owner);
  QPlainTextEdit* Memo() const { return memo_; }

 private:
  QPlainTextEdit* memo_;
};

// ---------------------------------------------------------------------------
class TSNMPPanel : public QWidget {
  Q_OBJECT
 public:
  TSNMPPanel(QWidget* owner, TMsgPanel* sharedMessages, KySNMPRequest2Edits* editor);

  void SetContent(QWidget* content);
  void FitForm(QWidget* form);
  // Runs the Refresh of the editor object; an error goes to the status line.
  void RefreshEditor();

  KySNMPRequest2Edits* Editor() const { return editor_; }
  TCtrlBtnPanel* ButtonBar() const { return bar_; }
  TMsgPanel* Messages() const { return messages_; }
  QWidget* Content() const { return content_; }
  QWidget* Form() const { return form_; }

  // Set flow of a row editor: checked rows are written; `closeAfter` closes
  // the window holding the panel when something was written.
  static void SetFlow(TEditsPanel* rows, TSNMPPanel* panel, bool closeAfter);
  // "Check All" / "Clear Checks" of a row editor.
  static void CheckRows(TEditsPanel* rows, TCtrlBtnPanel* bar, bool checked);

 protected:
  KySNMPRequest2Edits* editor_;
  TCtrlBtnPanel* bar_;
  QSplitter* rightSplitter_;
  QSplitter* client_;
  TMsgPanel* messages_;
  bool ownMessages_;
  QWidget* content_ = nullptr;
  QPointer<QWidget> form_;
};

class TSNMPEditorPanel : public TSNMPPanel {
  Q_OBJECT
 public:
  TSNMPEditorPanel(QWidget* owner, KySNMPRequest2Edits* editor);

  void SetVarFormat(int index, const std::string& constraint);
  void SetEditWidth(int width);
  TEditsPanel* EditsPanel() const { return edits_; }

 protected:
  TEditsPanel* edits_;
};

class TSNMPListViewPanel : public TSNMPEditorPanel {
  Q_OBJECT
 public:
  TSNMPListViewPanel(QWidget* owner, KySNMPRequest2Edits* editor);
  ~TSNMPListViewPanel() override;

  void SetAddStatus(int index, const std::string& text);
  void SetDeleteStatus(int index, const std::string& text);
  // The windows and flows behind the buttons.
  void RefreshClick();
  void AddClick();
  void EditClick();
  void DeleteClick();
  // Removes the edit window (rows can be added and deleted, not edited).
  void DisableEditWindow();

  TListViewPanel* ListPanel() const { return list_; }
  int AddIndex() const { return addIndex_; }
  int DeleteIndex() const { return deleteIndex_; }
  bool readOnly = false;
  std::function<void()> beforeAdd, afterAdd, beforeEdit, afterEdit;

  // The add or edit window while it is open (tests drive it).
  QDialog* OpenWindow() const { return window_; }
  TSNMPPanel* OpenWindowPanel() const { return windowPanel_; }

 private:
  void SelectionClicked();
  void UpdateHint(const QPoint& pos);
  // Builds the add (true) or edit window around the row editor.
  void RunRowWindow(bool add);

  TListViewPanel* list_;
  int addIndex_ = -1;
  std::string addStatus_;
  int deleteIndex_ = -1;
  std::string deleteStatus_;
  bool editWindow_ = true;
  QPointer<QDialog> window_;
  QPointer<TSNMPPanel> windowPanel_;
};
