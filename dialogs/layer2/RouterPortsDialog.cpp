#include "dialogs/layer2/RouterPortsDialog.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "dialogs/common/PortListLayout.h"
#include "editors/ControlBinding.h"
#include "editors/Errors.h"
#include "editors/PortGrid.h"
#include "editors/UiSupport.h"
#include "tables/DefTables.h"

RouterPortsDialog::RouterPortsDialog(const DialogContext& context, const KyVarDefTable& table,
                                   const QList<QLabel*>& texts, int firstList, const char* objectName)
    : SnmpDialog(context.owner), texts_(texts) {
  setObjectName(QString::fromLatin1(objectName));
  resize(Px(this, 620), Px(this, 520));
  ListView1 = new QTreeWidget(this);
  ListView1->setObjectName(QStringLiteral("ListView1"));
  auto* fields = new QFormLayout;
  for (QLabel* text : texts) {
    text->setParent(this);
    fields->addRow(QString::fromStdString(table.rows[static_cast<size_t>(texts.indexOf(text))].label), text);
  }
  auto* pages = new QTabWidget(this);
  StaticPorts = AddPortGridPage(pages, QStringLiteral("Static Ports"));
  DynamicPorts = AddPortGridPage(pages, QStringLiteral("Dynamic Ports"));
  ForbiddenPorts = AddPortGridPage(pages, QStringLiteral("Forbidden Ports"));
  Memo1 = new QPlainTextEdit(this);
  Memo1->setObjectName(QStringLiteral("Memo1"));
  Memo1->setReadOnly(true);
  Memo1->setMaximumHeight(Px(this, 60));
  BT_Get = MakeDialogButton(this, "BT_Get", QStringLiteral("Refresh"));
  BT_Set = MakeDialogButton(this, "BT_Set", QStringLiteral("Set"));
  BT_Close = MakeDialogButton(this, "BT_Close", QStringLiteral("Close"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(ListView1, 1);
  layout->addLayout(fields);
  layout->addWidget(pages);
  auto* buttons = new QHBoxLayout;
  buttons->setObjectName(QStringLiteral("Buttons"));
  buttons->addStretch(1);
  for (QPushButton* b : {BT_Get, BT_Set, BT_Close}) buttons->addWidget(b);
  layout->addLayout(buttons);
  layout->addWidget(Memo1);

  ports_ = AddBinding(table, true, Memo1);
  SetBusyText(QString::fromLatin1(kGetDataNotComplete));
  ports_->AttachListView(ListView1, true);
  for (int i = 0; i < texts.size(); ++i) ports_->AssociateControl(i, texts[i]);
  BindPortList(*ports_, firstList, *StaticPorts);
  BindPortList(*ports_, firstList + 1, *DynamicPorts);
  BindPortList(*ports_, firstList + 2, *ForbiddenPorts);
  TrackReady(ports_, [this] {
    for (PortGrid* grid : {StaticPorts, DynamicPorts, ForbiddenPorts})
      for (QCheckBox* box : grid->CheckBoxes()) box->setEnabled(true);
  });
  connect(ListView1, &QTreeWidget::itemSelectionChanged, this, &RouterPortsDialog::ListViewClick);
  connect(BT_Get, &QPushButton::clicked, this, &RouterPortsDialog::BT_GetClick);
  connect(BT_Close, &QPushButton::clicked, this, &QDialog::reject);
  BT_Set->setEnabled(false);
}

void RouterPortsDialog::ClearFields() {
  StaticPorts->ClearAll();
  DynamicPorts->ClearAll();
  ForbiddenPorts->ClearAll();
  for (QLabel* text : texts_) text->clear();
}

void RouterPortsDialog::BT_GetClick() {
  if (FirstRefreshDone() && !Ready()) return;
  SetReady(false);
  ports_->request.enabled = true;
  try {
    ports_->Refresh();
  } catch (const std::exception& e) {
    SetReady(true);
    ports_->ShowStatus(ErrorText(e));
  }
  ClearFields();
  BT_Set->setEnabled(false);
}

void RouterPortsDialog::ListViewClick() {
  if (ListView1->selectedItems().isEmpty()) {
    ClearFields();
    BT_Set->setEnabled(false);
    return;
  }
  BT_Set->setEnabled(true);
}
