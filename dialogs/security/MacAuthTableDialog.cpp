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

namespace {

QTreeWidget* MakeList(QWidget* parent, const char* name) {
  auto* view = new QTreeWidget(parent);
  view->setObjectName(QString::fromLatin1(name));
  view->setMinimumSize(Px(parent, 520), Px(parent, 200));
  return view;
}

QPlainTextEdit* MakeReadOnlyMemo(QWidget* parent) {
  QPlainTextEdit* memo = MakeMemo(parent, "Memo1");
  memo->setReadOnly(true);
  memo->setMaximumHeight(Px(parent, 60));
  return memo;
}

}  // namespace

// ---------------------------------------------------------------------------
MacAuthTableDialog::MacAuthTableDialog(const DialogContext& context, const KyVarDefTable& table, const char* name,
                                     const QString& title)
    : SnmpDialog(context.owner) {
  setObjectName(QString::fromLatin1(name));
  setWindowTitle(title + context.agent);
  ListView1 = MakeList(this, "ListView1");
  Memo1 = MakeReadOnlyMemo(this);
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
