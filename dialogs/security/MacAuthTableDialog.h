// The 802.1X views of MAC-based authentication: per-MAC EAPOL statistics
// and authenticator diagnostics, read synchronously.
#pragma once

#include "editors/DialogContext.h"
#include "editors/SnmpDialog.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;

// The frame of the two 802.1X views: one list, a memo for errors, "Refresh".
class MacAuthTableDialog : public SnmpDialog {
  Q_OBJECT

 public:
  void Button1Click();  // "Refresh"

  KySNMPRequest2Edits* Editor() const { return Binding(0); }

  QTreeWidget* ListView1;
  QPlainTextEdit* Memo1;
  QPushButton* Button1;
  QPushButton* CloseButton;

 protected:
  MacAuthTableDialog(const DialogContext& context, const KyVarDefTable& table, const char* name,
                    const QString& title);
  // The first read happens with the window: an error of it is shown in the
  // memo, the window stays open.
  void FirstRefresh() override;

 private:
  void Read();
};
