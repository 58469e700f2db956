#include "dialogs/lldp/LldpNamesViewDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "dialogs/lldp/LldpNamesBinding.h"
#include "editors/Errors.h"
#include "editors/UiSupport.h"
#include "tables/DefTables.h"

LldpNamesViewDialog::LldpNamesViewDialog(QWidget* owner) : SnmpDialog(owner) {
  ListView1 = new QTreeWidget(this);
  ListView1->setObjectName(QStringLiteral("ListView1"));
  ListView1->setMinimumSize(Px(this, 640), Px(this, 240));
  StatusBar1 = new QStatusBar(this);
  StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
  StatusBar1->setSizeGripEnabled(false);
  StatusPanel0 = new QLabel(StatusBar1);
  StatusPanel0->setObjectName(QStringLiteral("StatusPanel0"));
  StatusBar1->addWidget(StatusPanel0, 1);
  RefreshButton = new QPushButton(QStringLiteral("Refresh"), this);
  RefreshButton->setObjectName(QStringLiteral("RefreshButton"));
  CloseButton = new QPushButton(QStringLiteral("Close"), this);
  CloseButton->setObjectName(QStringLiteral("CloseButton"));
  for (QPushButton* b : {RefreshButton, CloseButton}) b->setAutoDefault(false);
  connect(RefreshButton, &QPushButton::clicked, this, [this] { RefreshClick(); });
  connect(CloseButton, &QPushButton::clicked, this, &QDialog::reject);
}

void LldpNamesViewDialog::Build(LldpNamesBinding* namesBinding) {
  binding = namesBinding;
  binding->AttachListView(ListView1, false);
  auto* top = new QVBoxLayout(this);
  top->addWidget(ListView1, 1);
  auto* row = new QHBoxLayout;
  QLabel* count = AddSamplesCounter(this, ListView1);
  count->setObjectName(QStringLiteral("StaticText1"));
  row->addWidget(count);
  row->addStretch(1);
  row->addWidget(RefreshButton);
  row->addWidget(CloseButton);
  top->addLayout(row);
  top->addWidget(StatusBar1);
}

void LldpNamesViewDialog::RefreshClick() {
  if (RefuseWhileBusy(binding, QString::fromLatin1(kGetDataNotComplete))) return;
  try {
    binding->Refresh();
  } catch (const std::exception& e) {
    binding->ShowStatus(ErrorText(e));
  }
}
