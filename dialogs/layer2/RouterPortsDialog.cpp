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
  vlanList = new QTreeWidget(this);
  vlanList->setObjectName(QStringLiteral("ListView1"));
  auto* fields = new QFormLayout;
  for (QLabel* text : texts) {
    text->setParent(this);
    fields->addRow(QString::fromStdString(table.rows[static_cast<size_t>(texts.indexOf(text))].label), text);
  }
  auto* pages = new QTabWidget(this);
  staticPorts = AddPortGridPage(pages, QStringLiteral("Static Ports"));
  dynamicPorts = AddPortGridPage(pages, QStringLiteral("Dynamic Ports"));
  forbiddenPorts = AddPortGridPage(pages, QStringLiteral("Forbidden Ports"));
  messages = new QPlainTextEdit(this);
  messages->setObjectName(QStringLiteral("Memo1"));
  messages->setReadOnly(true);
  messages->setMaximumHeight(Px(this, 60));
  refreshButton = MakeDialogButton(this, "BT_Get", QStringLiteral("Refresh"));
  setButton = MakeDialogButton(this, "BT_Set", QStringLiteral("Set"));
  closeButton = MakeDialogButton(this, "BT_Close", QStringLiteral("Close"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(vlanList, 1);
  layout->addLayout(fields);
  layout->addWidget(pages);
  auto* buttons = new QHBoxLayout;
  buttons->setObjectName(QStringLiteral("Buttons"));
  buttons->addStretch(1);
  for (QPushButton* b : {refreshButton, setButton, closeButton}) buttons->addWidget(b);
  layout->addLayout(buttons);
  layout->addWidget(messages);

  ports_ = AddBinding(table, true, messages);
  SetBusyText(QString::fromLatin1(kGetDataNotComplete));
  ports_->AttachListView(vlanList, true);
  for (int i = 0; i < texts.size(); ++i) ports_->AssociateControl(i, texts[i]);
  BindPortList(*ports_, firstList, *staticPorts);
  BindPortList(*ports_, firstList + 1, *dynamicPorts);
  BindPortList(*ports_, firstList + 2, *forbiddenPorts);
  TrackReady(ports_, [this] {
    for (PortGrid* grid : {staticPorts, dynamicPorts, forbiddenPorts})
      for (QCheckBox* box : grid->CheckBoxes()) box->setEnabled(true);
  });
  connect(vlanList, &QTreeWidget::itemSelectionChanged, this, &RouterPortsDialog::rowSelected);
  connect(refreshButton, &QPushButton::clicked, this, &RouterPortsDialog::refreshClicked);
  connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
  setButton->setEnabled(false);
}

void RouterPortsDialog::clearFields() {
  staticPorts->ClearAll();
  dynamicPorts->ClearAll();
  forbiddenPorts->ClearAll();
  for (QLabel* text : texts_) text->clear();
}

void RouterPortsDialog::refreshClicked() {
  if (FirstRefreshDone() && !Ready()) return;
  SetReady(false);
  ports_->request.enabled = true;
  try {
    ports_->Refresh();
  } catch (const std::exception& e) {
    SetReady(true);
    ports_->ShowStatus(ErrorText(e));
  }
  clearFields();
  setButton->setEnabled(false);
}

void RouterPortsDialog::rowSelected() {
  if (vlanList->selectedItems().isEmpty()) {
    clearFields();
    setButton->setEnabled(false);
    return;
  }
  setButton->setEnabled(true);
}
