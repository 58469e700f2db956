#include "dialogs/layer2/RouterPortsUnit.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/PortPanel.h"
#include "dialogs/common/PortListLayout.h"
#include "editors/ControlBinding.h"
#include "editors/Errors.h"
#include "editors/UiSupport.h"
#include "tables/DefTables.h"

namespace {
QLabel* StaticText(QWidget* parent, const char* name) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  return label;
}
}  // namespace

TRouterPortsBase::TRouterPortsBase(const DialogContext& context, const KyVarDefTable& table,
                                   const QList<QLabel*>& texts, int firstList, const char* objectName)
    : TSnmpDialog(context.owner), texts_(texts) {
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
    for (TPortUitForm* grid : {StaticPorts, DynamicPorts, ForbiddenPorts})
      for (QCheckBox* box : grid->CheckBoxes()) box->setEnabled(true);
  });
  connect(ListView1, &QTreeWidget::itemSelectionChanged, this, &TRouterPortsBase::ListViewClick);
  connect(BT_Get, &QPushButton::clicked, this, &TRouterPortsBase::BT_GetClick);
  connect(BT_Close, &QPushButton::clicked, this, &QDialog::reject);
  BT_Set->setEnabled(false);
}

void TRouterPortsBase::ClearFields() {
  StaticPorts->ClearAll();
  DynamicPorts->ClearAll();
  ForbiddenPorts->ClearAll();
  for (QLabel* text : texts_) text->clear();
}

void TRouterPortsBase::BT_GetClick() {
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

void TRouterPortsBase::ListViewClick() {
  if (ListView1->selectedItems().isEmpty()) {
    ClearFields();
    BT_Set->setEnabled(false);
    return;
  }
  BT_Set->setEnabled(true);
}

// ---------------------------------------------------------------------------
TIGMPRouterPortsForm::TIGMPRouterPortsForm(const DialogContext& context)
    : TRouterPortsBase(context, tbl::IgmpRouterPortVlan,
                       {StaticText(nullptr, "ST_VlanID"), StaticText(nullptr, "ST_VlanName")}, 2,
                       "IGMPRouterPortsForm") {
  setWindowTitle(QStringLiteral("IGMP Router Ports"));
  ST_VlanID = texts_[0];
  ST_VlanName = texts_[1];
  connect(BT_Set, &QPushButton::clicked, this, &TIGMPRouterPortsForm::BT_SetClick);
}

void TIGMPRouterPortsForm::BT_SetClick() {
  if (!Ready()) return;
  try {
    SetReady(false);  // the read after the write sets it again
    ports_->Apply(true, true);
  } catch (const std::exception& e) {
    SetReady(true);
    ports_->ShowStatus(ErrorText(e));
  }
  ClearFields();
  BT_Set->setEnabled(false);
}

// ---------------------------------------------------------------------------
TMLD_SnoopingRouterPortsForm::TMLD_SnoopingRouterPortsForm(const DialogContext& context)
    : TRouterPortsBase(context, tbl::MldRouterPortVlan, {StaticText(nullptr, "stVlanID")}, 1,
                       "MLD_SnoopingRouterPortsForm") {
  setWindowTitle(QStringLiteral("MLD Snooping Router Ports Form"));
  stVlanID = texts_[0];
  BT_Stop = MakeDialogButton(this, "BT_Stop", QStringLiteral("Stop"));
  if (auto* buttons = findChild<QHBoxLayout*>(QStringLiteral("Buttons"))) buttons->insertWidget(3, BT_Stop);
  connect(BT_Set, &QPushButton::clicked, this, &TMLD_SnoopingRouterPortsForm::BT_SetClick);
  connect(BT_Stop, &QPushButton::clicked, this, &TMLD_SnoopingRouterPortsForm::BT_StopClick);
  // A write ends with a fresh read, started from its completion as the
  // binding itself does for a table written with refresh after set.
  ports_->setDone = [this](void*, KySNMPRequest2Controls*, const KySNMPError&) { BT_GetClick(); };
}

void TMLD_SnoopingRouterPortsForm::BT_SetClick() {
  if (!Ready()) {
    ShowMessageBox(this, QString::fromLatin1(kGetDataNotComplete), ProgramCaption());
    return;
  }
  ports_->request.enabled = true;  // after "Stop"
  try {
    ports_->Apply(false, true);
  } catch (const std::exception& e) {
    ports_->ShowStatus(ErrorText(e));
  }
  ClearFields();
  BT_Set->setEnabled(false);
}

void TMLD_SnoopingRouterPortsForm::BT_StopClick() {
  // The walk ends after the reply in flight; what was read stays listed.
  ports_->request.enabled = false;
  SetReady(true);
}

void TMLD_SnoopingRouterPortsForm::reject() {
  if (ports_->busy && ports_->request.enabled) {
    ShowMessageBox(this, QString::fromLatin1(kGetDataNotComplete), ProgramCaption());
    return;
  }
  TRouterPortsBase::reject();
}
