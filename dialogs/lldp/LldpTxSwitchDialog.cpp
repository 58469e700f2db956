#include "dialogs/lldp/LldpTxSwitchDialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "editors/ControlBinding.h"
#include "editors/Errors.h"
#include "editors/UiSupport.h"
#include "snmp/Messages.h"
#include "tables/DefTables.h"

LldpTxSwitchDialog::LldpTxSwitchDialog(QWidget* owner, const KyVarDefTable& table) : SnmpDialog(owner) {
  ListView1 = new QTreeWidget(this);
  ListView1->setObjectName(QStringLiteral("ListView1"));
  ListView1->setMinimumSize(Px(this, 420), Px(this, 220));
  auto keyText = [this](const char* name) {
    auto* l = new QLabel(this);
    l->setObjectName(QString::fromLatin1(name));
    l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    l->setMinimumWidth(Px(this, 80));
    return l;
  };
  KeyText1 = keyText("KeyText1");
  KeyText2 = keyText("KeyText2");
  TXComboBox = new QComboBox(this);
  TXComboBox->setObjectName(QStringLiteral("TXComboBox"));
  TXComboBox->setMinimumWidth(Px(this, 100));
  auto button = [this](const char* text, const char* name) {
    auto* b = new QPushButton(QString::fromLatin1(text), this);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
  };
  RefreshButton = button("Refresh", "RefreshButton");
  SetButton = button("Set", "SetButton");
  StopButton = button("Stop", "StopButton");
  CloseButton = button("Close", "CloseButton");
  StatusBar1 = new QStatusBar(this);
  StatusBar1->setSizeGripEnabled(false);
  StatusPanel0 = new QLabel(StatusBar1);
  StatusPanel0->setObjectName(QStringLiteral("StatusPanel0"));
  StatusBar1->addWidget(StatusPanel0, 1);

  binding = AddBinding(table, /*asynchronous=*/true, StatusPanel0);
  SetBusyText(QString::fromLatin1(kGetDataNotComplete));
  const auto& list = binding->request.varList;
  auto* form = new QFormLayout;
  form->addRow(QString::fromStdString(list.Item(0).label), KeyText1);
  form->addRow(QString::fromStdString(list.Item(1).label), KeyText2);
  form->addRow(QString::fromStdString(list.Item(2).label), TXComboBox);
  binding->AssociateControl(0, KeyText1);
  binding->AssociateControl(1, KeyText2);
  binding->AssociateControl(2, TXComboBox);
  binding->AttachListView(ListView1, false);
  TrackReady(binding);
  binding->setDone = [this](void*, KySNMPRequest2Controls*, const KySNMPError& result) {
    writeDone_ = true;
    writeFailed_ = result.code != 0;
    SetReady(true);
  };
  connect(ListView1, &QTreeWidget::itemSelectionChanged, this,
          [this] { SetButton->setEnabled(!ListView1->selectedItems().isEmpty()); });

  auto* top = new QVBoxLayout(this);
  top->addWidget(ListView1, 1);
  auto* counter = new QHBoxLayout;
  QLabel* count = AddSamplesCounter(this, ListView1);
  count->setObjectName(QStringLiteral("StaticText1"));
  counter->addStretch(1);
  counter->addWidget(count);
  top->addLayout(counter);
  top->addLayout(form);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  for (QPushButton* b : {RefreshButton, SetButton, StopButton, CloseButton}) buttons->addWidget(b);
  top->addLayout(buttons);
  top->addWidget(StatusBar1);
  SetButton->setEnabled(false);
  connect(RefreshButton, &QPushButton::clicked, this, [this] { RefreshClick(); });
  connect(SetButton, &QPushButton::clicked, this, [this] { SetClick(); });
  connect(StopButton, &QPushButton::clicked, this, [this] { StopClick(); });
  connect(CloseButton, &QPushButton::clicked, this, &QDialog::reject);
}

void LldpTxSwitchDialog::ClearFields() {
  KeyText1->clear();
  KeyText2->clear();
  TXComboBox->setCurrentIndex(-1);
}

void LldpTxSwitchDialog::FirstRefresh() {
  SetReady(true);
  RefreshClick();
}

void LldpTxSwitchDialog::StopClick() {
  binding->request.enabled = false;
  SetReady(true);
}

void LldpTxSwitchDialog::StartRead() {
  SetReady(false);
  binding->request.enabled = true;
  try {
    binding->Refresh();
  } catch (const std::exception& e) {
    binding->ShowStatus(ErrorText(e));
    SetReady(true);
  }
  UpdateSamples();
}

void LldpTxSwitchDialog::RefreshClick() {
  if (!Ready()) {
    ShowMessageBox(this, QString::fromLatin1(kNotReadyRefresh), ProgramCaption());
    return;
  }
  StopClick();
  ClearFields();
  SetButton->setEnabled(false);
  StartRead();
}

void LldpTxSwitchDialog::SetClick() {
  if (ListView1->selectedItems().isEmpty()) return;
  if (!Ready() || binding->busy) {
    ShowMessageBox(this, QString::fromLatin1(kGetDataNotComplete), ProgramCaption());
    return;
  }
  SetReady(false);
  writeDone_ = false;
  writeFailed_ = false;
  binding->request.enabled = true;
  try {
    binding->Apply(/*refreshAfter=*/false, /*convert=*/true);
  } catch (const std::exception& e) {
    // Nothing went out: nothing to wait for.
    binding->ShowStatus(ErrorText(e));
    SetReady(true);
    return;
  }
  ClearFields();
  // Until the write is answered; a request that did not go out, a failed
  // write and the time limit end the wait as well.
  Bindings().waitUntil([&] { return writeDone_ || !binding->busy || Closed(); }, kWriteWaitMs);
  if (Closed()) return;
  if (!writeDone_ || writeFailed_) {
    // The error stays on the status line (a failed write has shown its own).
    if (!writeDone_ && binding->busy) binding->ShowStatus(MessageText(KyErr::ClassTimeout));
    SetReady(true);
    return;
  }
  StartRead();
  ClearFields();
}
