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
  ListView1 = MakeListView(this, "ListView1", 520, 200);
  Memo1 = MakeStatusMemo(this);
  Button1 = MakeButton(this, QStringLiteral("Refresh"), "Button1");
  CloseButton = MakeButton(this, QStringLiteral("Close"), "CloseButton");

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(Button1);
  buttons->addStretch(1);
  buttons->addWidget(CloseButton);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(ListView1, 1);
  layout->addWidget(Memo1);
  layout->addLayout(buttons);

  KySNMPRequest2Edits* b = AddBinding(table, /*asynchronous=*/false, Memo1);
  b->AttachListView(ListView1, true);
  connect(Button1, &QPushButton::clicked, this, &MacAuthTableDialog::Button1Click);
  connect(CloseButton, &QPushButton::clicked, this, &QDialog::close);
}

void MacAuthTableDialog::Read() {
  try {
    Editor()->Refresh();
  } catch (const std::exception& e) {
    Editor()->ShowStatus(ErrorText(e));
  }
}

void MacAuthTableDialog::FirstRefresh() { Read(); }

void MacAuthTableDialog::Button1Click() {
  if (!Editor()->busy) Read();
}
