#include "dialogs/vlan/CurrentVlanDialog.h"

#include <QLabel>
#include <QPlainTextEdit>

#include "editors/ControlBinding.h"
#include "editors/Errors.h"
#include "editors/UiSupport.h"
#include "tables/DefTables.h"

namespace {
enum { kVlanIndex = 1, kEgress = 3, kUntagged = 4 };
}

CurrentVlanDialog::CurrentVlanDialog(const DialogContext& context)
    : TableDialog(context, tbl::Dot1qVlanCurrent,
                  {.objectName = "VLanCurrentTableForm",
                   .caption = QStringLiteral("VLAN Current Table"),
                   .list = {Name{"LV_dot1qVlanCurrentEntry"}, {0, 0}},
                   .fieldColumns = FieldGrid::kForm,
                   .asynchronous = true}) {
  setWindowTitle(QStringLiteral("VLAN Current Table"));
  resize(Px(this, 640), Px(this, 520));
  vlanList = list();
  deletedCountLabel =
      arrangement().fields().display(QStringLiteral("VLAN Number Deletes"), Name{"VlanNumDeletes"});
  vlanIdLabel = display(kVlanIndex, QStringLiteral("VLAN Index"), Name{"StaticText1"});
  QTabWidget* pages = portPages(nullptr);
  egressPorts = portPage(pages, QStringLiteral("Egress Port"), kEgress);
  portPage(pages, QStringLiteral("Untagged Port"), kUntagged);
  button(QStringLiteral("Refresh"), Name{"BT_Get"}, [this] { refreshClicked(); });
  addCloseButton(Name{"BT_Close"});
  messages = addMessages(Place::BelowButtons);
  scalars_ = AddBinding(tbl::Dot1qVlanNumDeletes, true, messages);
  scalars_->AssociateControl(0, deletedCountLabel);
}

void CurrentVlanDialog::refreshClicked() {
  try {
    scalars_->Refresh();
    binding()->Refresh();
  } catch (const std::exception& e) {
    binding()->ShowStatus(ErrorText(e));
  }
  clearFields();
}
