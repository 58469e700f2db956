#include "dialogs/layer2/AggregatorPortDialog.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "dialogs/common/PortListLayout.h"
#include "editors/ControlBinding.h"
#include "editors/DialogHelpers.h"
#include "editors/Errors.h"
#include "editors/UiSupport.h"
#include "tables/DefTables.h"

namespace {
enum { kActorKey = 3, kPartnerId = 7, kPartnerKey = 9, kActorState = 19, kPartnerState = 21 };

QList<QCheckBox*> AddStatePage(QTabWidget* pages, const QString& title) {
  auto* page = new QWidget(pages);
  auto* grid = new QGridLayout(page);
  QList<QCheckBox*> boxes;
  for (int i = 0; i < 8; ++i) {
    auto* box = new QCheckBox(QString::fromLatin1(AggregatorPortDialog::kStateBits[i]), page);
    box->setObjectName(QString::fromLatin1(AggregatorPortDialog::kStateBits[i]));
    grid->addWidget(box, i / 4, i % 4);
    boxes << box;
  }
  pages->addTab(page, title);
  return boxes;
}

std::vector<QCheckBox*> Vector(const QList<QCheckBox*>& boxes) { return {boxes.begin(), boxes.end()}; }
}  // namespace

const char* const AggregatorPortDialog::kStateBits[8] = {
    "lacpActivity", "lacpTimeout", "aggregation", "synchronisation", "collecting", "distributing", "defaulted", "expired"};

AggregatorPortDialog::AggregatorPortDialog(const DialogContext& context) : SnmpDialog(context.owner) {
  setObjectName(QStringLiteral("AggregatorPortTableForm"));
  setWindowTitle(QStringLiteral("Aggregator Port Table: ") + context.agent);
  resize(Px(this, 660), Px(this, 520));

  ListView1 = new QTreeWidget(this);
  ListView1->setObjectName(QStringLiteral("ListView1"));
  edtActorKey = new QLineEdit(this);
  edtActorKey->setObjectName(QStringLiteral("edtActorKey"));
  edtPartnerID = new QLineEdit(this);
  edtPartnerID->setObjectName(QStringLiteral("edtPartnerID"));
  edtPartnerKey = new QLineEdit(this);
  edtPartnerKey->setObjectName(QStringLiteral("edtPartnerKey"));
  auto* fields = new QFormLayout;
  fields->addRow(QStringLiteral("Actor Admin Key"), edtActorKey);
  fields->addRow(QStringLiteral("Partner Admin System ID"), edtPartnerID);
  fields->addRow(QStringLiteral("Partner Admin Key"), edtPartnerKey);
  auto* pages = new QTabWidget(this);
  ActorState = AddStatePage(pages, QStringLiteral("Actor Admin State"));
  PartnerState = AddStatePage(pages, QStringLiteral("Partner Admin State"));

  Memo1 = new QPlainTextEdit(this);
  Memo1->setObjectName(QStringLiteral("Memo1"));
  Memo1->setReadOnly(true);
  Memo1->setMaximumHeight(Px(this, 60));
  BT_Get = MakeDialogButton(this, "BT_Get", QStringLiteral("Refresh"));
  BT_Edit = MakeDialogButton(this, "BT_Edit", QStringLiteral("Edit"));
  BT_Close = MakeDialogButton(this, "BT_Close", QStringLiteral("Close"));
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  for (QPushButton* b : {BT_Get, BT_Edit, BT_Close}) buttons->addWidget(b);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(ListView1, 1);
  layout->addLayout(fields);
  layout->addWidget(pages);
  layout->addLayout(buttons);
  layout->addWidget(Memo1);

  ports_ = AddBinding(tbl::LacpAggregationPort, true, Memo1);
  ports_->AttachListView(ListView1, true);
  ports_->AssociateEdits(kActorKey, "%i{n0x65535l5}", edtActorKey);
  ports_->AssociateEdits(kPartnerId, "%s{l12}", edtPartnerID);
  ports_->AssociateEdits(kPartnerKey, "%i{n0x65535l5}", edtPartnerKey);
  ports_->AssociateBits(kActorState, "0,1,2,3,4,5,6,7", Vector(ActorState));
  ports_->AssociateBits(kPartnerState, "0,1,2,3,4,5,6,7", Vector(PartnerState));
  TrackReady(ports_, [this] { EnableFields(true); });
  // The table is read again once the write has ended, however it ended.
  ports_->setDone = [this](void*, KySNMPRequest2Controls*, const KySNMPError&) { BT_GetClick(); };

  connect(ListView1, &QTreeWidget::itemSelectionChanged, this, &AggregatorPortDialog::ListView1Click);
  connect(BT_Get, &QPushButton::clicked, this, &AggregatorPortDialog::BT_GetClick);
  connect(BT_Edit, &QPushButton::clicked, this, &AggregatorPortDialog::BT_EditClick);
  connect(BT_Close, &QPushButton::clicked, this, &QDialog::reject);
  BT_Edit->setEnabled(false);
}

void AggregatorPortDialog::EnableFields(bool on) {
  for (QCheckBox* box : ActorState + PartnerState) box->setEnabled(on);
  for (QLineEdit* edit : {edtActorKey, edtPartnerID, edtPartnerKey}) edit->setEnabled(on);
}

void AggregatorPortDialog::BT_GetClick() {
  if (FirstRefreshDone() && !Ready()) return;
  BT_Edit->setEnabled(false);
  SetReady(false);
  try {
    ports_->Refresh();
  } catch (const std::exception& e) {
    SetReady(true);
    ports_->ShowStatus(ErrorText(e));
  }
  for (QCheckBox* box : ActorState + PartnerState) box->setChecked(false);
  for (QLineEdit* edit : {edtActorKey, edtPartnerID, edtPartnerKey}) edit->clear();
}

void AggregatorPortDialog::ListView1Click() {
  BT_Edit->setEnabled(Ready() && !ListView1->selectedItems().isEmpty());
}

void AggregatorPortDialog::BT_EditClick() {
  if (!Ready()) return;
  if (!CheckHexField(this, edtPartnerID->text(), 12, QStringLiteral("Invalid MAC address"))) return;
  try {
    ports_->Apply(false, true);
  } catch (const std::exception& e) {
    ports_->ShowStatus(ErrorText(e));
  }
}
