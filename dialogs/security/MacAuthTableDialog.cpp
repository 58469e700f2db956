#include "dialogs/security/MacAuthTableDialog.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "dialogs/common/DialogLayout.h"
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
  entryList = new QTreeWidget(this);
  entryList->setObjectName(QStringLiteral("ListView1"));
  entryList->setMinimumSize(Px(this, 520), Px(this, 200));
  messages = new QPlainTextEdit(this);
  messages->setObjectName(QStringLiteral("Memo1"));
  messages->setReadOnly(true);
  messages->setMaximumHeight(Px(this, 60));
  ButtonBar buttons(this);
  refreshButton = buttons.add(QStringLiteral("Refresh"), Name{"Button1"}, [this] { refreshClicked(); });
  buttons.close(Name{"CloseButton"});
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(entryList, 1);
  layout->addWidget(messages);
  layout->addLayout(buttons.layout());

  KySNMPRequest2Edits* b = AddBinding(table, /*asynchronous=*/false, messages);
  b->AttachListView(entryList, true);
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
