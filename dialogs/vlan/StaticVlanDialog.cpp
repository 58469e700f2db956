#include "dialogs/vlan/StaticVlanDialog.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "editors/ControlBinding.h"
#include "editors/Errors.h"
#include "editors/UiSupport.h"
#include "tables/DefTables.h"

namespace {
enum { kIndex = 0, kName = 1, kEgress = 2, kForbidden = 3, kUntagged = 4, kRowStatus = 5 };
enum { kCreateAndGo = 1, kDestroy = 2 };  // items of the status combo box
constexpr int kFirstVlanId = 1;
constexpr int kLastVlanId = 4094;
}  // namespace

StaticVlanDialog::StaticVlanDialog(const DialogContext& context)
    : TableDialog(context, tbl::Dot1qVlanStatic,
                  {.objectName = "VlanStaticForm",
                   .caption = QStringLiteral("VLAN Static Form"),
                   .list = {Name{"LV_dot1qVlanStaticEntry"}, {0, 120}},
                   .fieldColumns = FieldGrid::kForm,
                   .asynchronous = true}) {
  setWindowTitle(QStringLiteral("VLAN Static Form"));
  resize(Px(this, 640), Px(this, 600));
  vlanList = list();
  vlanIdEdit = edit(kIndex, QStringLiteral("VLAN ID"), Name{"ED_VLANID"}, "%i{n1x4094l4}");
  vlanNameEdit = edit(kName, QStringLiteral("VLAN Name"), Name{"ED_VLANName"}, "%s");
  statusCombo = combo(kRowStatus, QStringLiteral("Status"), Name{"Status"});
  nextFreeIndexLabel = arrangement().fields().display(QStringLiteral("Next Free Local VLAN Index"),
                                                      Name{"NextFreeLocalVlanIndex"});
  QTabWidget* pages = portPages("PageControl1");
  egressPorts = portPage(pages, QStringLiteral("Egress Ports"), kEgress);
  forbiddenPorts = portPage(pages, QStringLiteral("Forbidden Egress Ports"), kForbidden);
  untaggedPorts = portPage(pages, QStringLiteral("Untagged Ports"), kUntagged);
  samplesCounter();
  button(QStringLiteral("Refresh"), Name{"BT_Get"}, [this] { refreshClicked(); });
  setButton = button(QStringLiteral("Set"), Name{"BT_Set"}, [this] { setClicked(); }, Enable::WithSelection);
  addButton = button(QStringLiteral("Add"), Name{"BT_Add"}, [this] { addClicked(); }, Enable::WithoutSelection);
  deleteButton = button(QStringLiteral("Delete"), Name{"BT_Delete"}, [this] { deleteClicked(); }, Enable::WithSelection);
  addCloseButton(Name{"BT_Close"});
  messages = addMessages(Place::BelowButtons);
  nextFree_ = AddBinding(tbl::Dot1qNextFreeLocalVlanIndex, true, messages);
  nextFree_->AssociateControl(0, nextFreeIndexLabel);
}

void StaticVlanDialog::FirstRefresh() { refreshClicked(); }

void StaticVlanDialog::refreshClicked() {
  try {
    binding()->Refresh();
    nextFree_->Refresh();
  } catch (const std::exception& e) {
    binding()->ShowStatus(ErrorText(e));
  }
  clearFields();
}

bool StaticVlanDialog::CheckVlanId() {
  const QString text = vlanIdEdit->text().trimmed();
  if (text.isEmpty()) {
    refuse(QStringLiteral("VLAN ID must be set."), vlanIdEdit);
    return false;
  }
  bool number = false;
  const int id = text.toInt(&number);
  if (!number || id < kFirstVlanId || id > kLastVlanId) {
    refuse(QStringLiteral("VLAN ID should between 1-4094"), vlanIdEdit);
    return false;
  }
  return true;
}

void StaticVlanDialog::Write(int status) {
  if (status >= 0) statusCombo->setCurrentIndex(status);
  try {
    binding()->Apply(true, true);
  } catch (const std::exception& e) {
    binding()->ShowStatus(ErrorText(e));
  }
  clearFields();
}

void StaticVlanDialog::setClicked() {
  if (refusedWhileBusy() || !CheckVlanId()) return;
  Write(-1);
}

void StaticVlanDialog::addClicked() {
  // A second click while the first Add is written (or the list read after
  // it) is refused before its fields, cleared by the first, are looked at.
  if (refusedWhileBusy() || !CheckVlanId()) return;
  Write(kCreateAndGo);
}

void StaticVlanDialog::deleteClicked() {
  if (refusedWhileBusy() || !CheckVlanId()) return;
  Write(kDestroy);
}
