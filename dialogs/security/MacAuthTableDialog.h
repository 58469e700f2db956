// A read-only 802.1X view of MAC-based authentication: one table in a list,
// read synchronously, a memo for the outcome of each read, "Refresh" and
// "Close". The EAPOL statistics and the diagnostics views are made of it.
#pragma once

#include "dialogs/common/DialogBase.h"

class MacAuthTableDialog : public SnmpDialog {
  Q_OBJECT

 public:
  QTreeWidget* entryList;
  QPlainTextEdit* messages;
  QPushButton* refreshButton;

 protected:
  MacAuthTableDialog(const DialogContext& context, const KyVarDefTable& table, const char* name,
                     const QString& title);
  // The first read happens with the window: an error of it is shown in the
  // memo, the window stays open.
  void FirstRefresh() override;

 private:
  void refreshClicked();
  void Read();
  KySNMPRequest2Edits* Editor() const { return Binding(0); }
};
