#include "dialogs/layer2/AggregatorPortDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>

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

  DialogLayout layout(this, {Name{"ListView1"}, {0, 0}}, FieldGrid::kForm);
  portList = layout.list();
  FieldGrid& fields = layout.fields();
  actorKeyEdit = fields.edit(QStringLiteral("Actor Admin Key"), Name{"edtActorKey"});
  partnerIdEdit = fields.edit(QStringLiteral("Partner Admin System ID"), Name{"edtPartnerID"});
  partnerKeyEdit = fields.edit(QStringLiteral("Partner Admin Key"), Name{"edtPartnerKey"});
  QTabWidget* pages = MakePortPages(this, nullptr);
  actorStateBoxes = AddStatePage(pages, QStringLiteral("Actor Admin State"));
  partnerStateBoxes = AddStatePage(pages, QStringLiteral("Partner Admin State"));
  layout.addBelowFields(pages);

  messages = MakeStatusMemo(this);
  ButtonBar& buttons = layout.buttons();
  buttons.add(QStringLiteral("Refresh"), Name{"BT_Get"}, [this] { refreshClicked(); });
  editButton = buttons.add(QStringLiteral("Edit"), Name{"BT_Edit"}, [this] { editClicked(); });
  buttons.close(Name{"BT_Close"});
  layout.addBelowButtons(messages);

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
