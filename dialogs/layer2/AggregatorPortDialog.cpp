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

#include "dialogs/common/DialogLayout.h"
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

  portList = new QTreeWidget(this);
  portList->setObjectName(QStringLiteral("ListView1"));
  actorKeyEdit = new QLineEdit(this);
  actorKeyEdit->setObjectName(QStringLiteral("edtActorKey"));
  partnerIdEdit = new QLineEdit(this);
  partnerIdEdit->setObjectName(QStringLiteral("edtPartnerID"));
  partnerKeyEdit = new QLineEdit(this);
  partnerKeyEdit->setObjectName(QStringLiteral("edtPartnerKey"));
  auto* fields = new QFormLayout;
  fields->addRow(QStringLiteral("Actor Admin Key"), actorKeyEdit);
  fields->addRow(QStringLiteral("Partner Admin System ID"), partnerIdEdit);
  fields->addRow(QStringLiteral("Partner Admin Key"), partnerKeyEdit);
  auto* pages = new QTabWidget(this);
  actorStateBoxes = AddStatePage(pages, QStringLiteral("Actor Admin State"));
  partnerStateBoxes = AddStatePage(pages, QStringLiteral("Partner Admin State"));

  messages = new QPlainTextEdit(this);
  messages->setObjectName(QStringLiteral("Memo1"));
  messages->setReadOnly(true);
  messages->setMaximumHeight(Px(this, 60));
  ButtonBar buttons(this);
  buttons.add(QStringLiteral("Refresh"), Name{"BT_Get"}, [this] { refreshClicked(); });
  editButton = buttons.add(QStringLiteral("Edit"), Name{"BT_Edit"}, [this] { editClicked(); });
  buttons.close(Name{"BT_Close"});
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(portList, 1);
  layout->addLayout(fields);
  layout->addWidget(pages);
  layout->addLayout(buttons.layout());
  layout->addWidget(messages);

  ports_ = AddBinding(tbl::LacpAggregationPort, true, messages);
  ports_->AttachListView(portList, true);
  ports_->AssociateEdits(kActorKey, "%i{n0x65535l5}", actorKeyEdit);
  ports_->AssociateEdits(kPartnerId, "%s{l12}", partnerIdEdit);
  ports_->AssociateEdits(kPartnerKey, "%i{n0x65535l5}", partnerKeyEdit);
  ports_->AssociateBits(kActorState, "0,1,2,3,4,5,6,7", Vector(actorStateBoxes));
  ports_->AssociateBits(kPartnerState, "0,1,2,3,4,5,6,7", Vector(partnerStateBoxes));
  TrackReady(ports_, [this] { enableFields(true); });
  // The table is read again once the write has ended, however it ended.
  ports_->setDone = [this](void*, KySNMPRequest2Controls*, const KySNMPError&) { refreshClicked(); };

  connect(portList, &QTreeWidget::itemSelectionChanged, this, &AggregatorPortDialog::rowSelected);
  editButton->setEnabled(false);
}

void AggregatorPortDialog::enableFields(bool on) {
  for (QCheckBox* box : actorStateBoxes + partnerStateBoxes) box->setEnabled(on);
  for (QLineEdit* edit : {actorKeyEdit, partnerIdEdit, partnerKeyEdit}) edit->setEnabled(on);
}

void AggregatorPortDialog::refreshClicked() {
  if (FirstRefreshDone() && !Ready()) return;
  editButton->setEnabled(false);
  SetReady(false);
  try {
    ports_->Refresh();
  } catch (const std::exception& e) {
    SetReady(true);
    ports_->ShowStatus(ErrorText(e));
  }
  for (QCheckBox* box : actorStateBoxes + partnerStateBoxes) box->setChecked(false);
  for (QLineEdit* edit : {actorKeyEdit, partnerIdEdit, partnerKeyEdit}) edit->clear();
}

void AggregatorPortDialog::rowSelected() {
  editButton->setEnabled(Ready() && !portList->selectedItems().isEmpty());
}

void AggregatorPortDialog::editClicked() {
  if (!Ready()) return;
  if (!CheckHexField(this, partnerIdEdit->text(), 12, QStringLiteral("Invalid MAC address"))) return;
  try {
    ports_->Apply(false, true);
  } catch (const std::exception& e) {
    ports_->ShowStatus(ErrorText(e));
  }
}
