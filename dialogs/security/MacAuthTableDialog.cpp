#include "dialogs/security/MacAuthTableDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "dialogs/common/DialogParts.h"
#include "editors/ControlBinding.h"
#include "editors/Errors.h"
#include "editors/UiSupport.h"
#include "tables/DefTables.h"

// ---------------------------------------------------------------------------
MacAuthTableDialog::MacAuthTableDialog(const DialogContext& context, const KyVarDefTable& table, const char* name,
                                       const QString& title)
    : SnmpDialog(context.owner) {
  setObjectName(QString::fromLatin1(name));
  setWindowTitle(title + context.agent);
  entryList = MakeListView(this, "ListView1", 520, 200);
  messages = MakeStatusMemo(this);
  refreshButton = MakeButton(this, QStringLiteral("Refresh"), "Button1");
  closeButton = MakeButton(this, QStringLiteral("Close"), "CloseButton");

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(refreshButton);
  buttons->addStretch(1);
  buttons->addWidget(closeButton);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(entryList, 1);
  layout->addWidget(messages);
  layout->addLayout(buttons);

  KySNMPRequest2Edits* b = AddBinding(table, /*asynchronous=*/false, messages);
  b->AttachListView(entryList, true);
  connect(refreshButton, &QPushButton::clicked, this, &MacAuthTableDialog::refreshClicked);
  connect(closeButton, &QPushButton::clicked, this, &QDialog::close);
}

void MacAuthTableDialog::Read() {
  try {
    Editor()->Refresh();
  } catch (const std::exception& e) {
    Editor()->ShowStatus(ErrorText(e));
  }
}

void MacAuthTableDialog::FirstRefresh() { Read(); }

void MacAuthTableDialog::refreshClicked() {
  if (!Editor()->busy) Read();
}
