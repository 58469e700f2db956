#include "dialogs/lldp/LldpViewForms.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "dialogs/lldp/LldpRequest2Edits.h"
#include "editors/Errors.h"
#include "editors/UiSupport.h"
#include "tables/DefTables.h"

TLldpNamesViewForm::TLldpNamesViewForm(QWidget* owner) : TSnmpDialog(owner) {
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

void TLldpNamesViewForm::Build(KyLldpNamesRequest2Edits* namesBinding) {
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

void TLldpNamesViewForm::RefreshClick() {
  if (RefuseWhileBusy(binding, QString::fromLatin1(kGetDataNotComplete))) return;
  try {
    binding->Refresh();
  } catch (const std::exception& e) {
    binding->ShowStatus(ErrorText(e));
  }
}

TLLDPRemoteForm::TLLDPRemoteForm(QWidget* owner) : TLldpNamesViewForm(owner) {
  Build(AddBindingOf<NewRequest2Edits3>(tbl::LldpRemote, /*asynchronous=*/true, StatusPanel0));
}

TLLDPDot3LinkAggForm::TLLDPDot3LinkAggForm(QWidget* owner) : TLldpNamesViewForm(owner) {
  Build(AddBindingOf<NewRequest2Edits1>(tbl::LldpDot3LinkAgg, /*asynchronous=*/true, StatusPanel0));
}

TLLDPDot3RemoteLinkAggForm::TLLDPDot3RemoteLinkAggForm(QWidget* owner) : TLldpNamesViewForm(owner) {
  Build(AddBindingOf<NewRequest2Edits2>(tbl::LldpDot3RemoteLinkAgg, /*asynchronous=*/true, StatusPanel0));
}
