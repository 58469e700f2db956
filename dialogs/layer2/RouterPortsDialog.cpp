#include "dialogs/layer2/RouterPortsDialog.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <vector>

#include "dialogs/common/DialogLayout.h"
#include "editors/ControlBinding.h"
#include "editors/Errors.h"
#include "editors/PortGrid.h"
#include "editors/UiSupport.h"
#include "tables/DefTables.h"

namespace {

// What tells the two variants apart.
struct Variant {
  const KyVarDefTable& table;
  const char* objectName;
  const char* caption;
  std::vector<const char*> texts;  // object names of the values above the grids
  int firstList;                   // the static port list; the dynamic and forbidden lists follow it
};

Variant VariantOf(RouterPortsDialog::Protocol protocol) {
  if (protocol == RouterPortsDialog::Protocol::Igmp)
    return {tbl::IgmpRouterPortVlan, "IGMPRouterPortsForm", "IGMP Router Ports", {"ST_VlanID", "ST_VlanName"}, 2};
  return {tbl::MldRouterPortVlan, "MLD_SnoopingRouterPortsForm", "MLD Snooping Router Ports Form", {"stVlanID"}, 1};
}

}  // namespace

RouterPortsDialog::RouterPortsDialog(const DialogContext& context, Protocol protocol)
    : SnmpDialog(context.owner), protocol_(protocol) {
  const Variant variant = VariantOf(protocol);
  setObjectName(QString::fromLatin1(variant.objectName));
  setWindowTitle(QString::fromLatin1(variant.caption));
  resize(Px(this, 620), Px(this, 520));
  DialogLayout layout(this, {Name{"ListView1"}, {0, 0}}, FieldGrid::kForm);
  vlanList = layout.list();
  for (size_t i = 0; i < variant.texts.size(); ++i)
    texts_ << layout.fields().display(QString::fromStdString(variant.table.rows[i].label), Name{variant.texts[i]});
  vlanIdLabel = texts_.value(0);
  QTabWidget* pages = MakePortPages(this, nullptr);
  staticPorts = AddPortGridPage(pages, QStringLiteral("Static Ports"));
  dynamicPorts = AddPortGridPage(pages, QStringLiteral("Dynamic Ports"));
  forbiddenPorts = AddPortGridPage(pages, QStringLiteral("Forbidden Ports"));
  layout.addBelowFields(pages);
  QPlainTextEdit* messages = MakeStatusMemo(this);
  ButtonBar& buttons = layout.buttons();
  buttons.layout()->setObjectName(QStringLiteral("Buttons"));
  buttons.add(QStringLiteral("Refresh"), Name{"BT_Get"}, [this] { refreshClicked(); });
  setButton = buttons.add(QStringLiteral("Set"), Name{"BT_Set"}, [this] { setClicked(); });
  if (protocol == Protocol::Mld) buttons.add(QStringLiteral("Stop"), Name{"BT_Stop"}, [this] { stopClicked(); });
  // Close goes the way of Escape, which MLD may refuse.
  buttons.add(QStringLiteral("Close"), Name{"BT_Close"}, [this] { reject(); });
  layout.addBelowButtons(messages);

  ports_ = AddBinding(variant.table, true, messages);
  SetBusyText(QString::fromLatin1(kGetDataNotComplete));
  ports_->AttachListView(vlanList, true);
  for (int i = 0; i < texts_.size(); ++i) ports_->AssociateControl(i, texts_[i]);
  BindPortList(*ports_, variant.firstList, *staticPorts);
  BindPortList(*ports_, variant.firstList + 1, *dynamicPorts);
  BindPortList(*ports_, variant.firstList + 2, *forbiddenPorts);
  TrackReady(ports_, [this] {
    for (PortGrid* grid : {staticPorts, dynamicPorts, forbiddenPorts})
      for (QCheckBox* box : grid->CheckBoxes()) box->setEnabled(true);
  });
  if (protocol == Protocol::Mld) {
    // A write ends with a fresh read, started from its completion as the
    // binding itself does for a table written with refresh after set.
    ports_->setDone = [this](void*, KySNMPRequest2Controls*, const KySNMPError&) { refreshClicked(); };
  }
  connect(vlanList, &QTreeWidget::itemSelectionChanged, this, &RouterPortsDialog::rowSelected);
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

void RouterPortsDialog::setClicked() {
  if (protocol_ == Protocol::Igmp) {
    if (!Ready()) return;
    try {
      SetReady(false);  // the read after the write sets it again
      ports_->Apply(true, true);
    } catch (const std::exception& e) {
      SetReady(true);
      ports_->ShowStatus(ErrorText(e));
    }
  } else {
    if (!Ready()) {
      ShowMessageBox(this, QString::fromLatin1(kGetDataNotComplete), ProgramCaption());
      return;
    }
    ports_->request.enabled = true;  // after "Stop"
    try {
      ports_->Apply(false, true);  // the completion reads the table again
    } catch (const std::exception& e) {
      ports_->ShowStatus(ErrorText(e));
    }
  }
  clearFields();
  setButton->setEnabled(false);
}

void RouterPortsDialog::stopClicked() {
  // The walk ends after the reply in flight; what was read stays listed.
  ports_->request.enabled = false;
  SetReady(true);
}

void RouterPortsDialog::reject() {
  if (protocol_ == Protocol::Mld && ports_->busy && ports_->request.enabled) {
    ShowMessageBox(this, QString::fromLatin1(kGetDataNotComplete), ProgramCaption());
    return;
  }
  SnmpDialog::reject();
}
