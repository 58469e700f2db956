#include "dialogs/vlan/VlanBasicConfigDialog.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "dialogs/common/DialogLayout.h"
#include "editors/ControlBinding.h"
#include "editors/Errors.h"
#include "editors/UiSupport.h"
#include "tables/DefTables.h"

VlanBasicConfigDialog::VlanBasicConfigDialog(const DialogContext& context) : SnmpDialog(context.owner) {
  setObjectName(QStringLiteral("VLanGeneralInfoForm"));
  setWindowTitle(QStringLiteral("802.1Q Basic Configure"));
  resize(Px(this, 380), Px(this, 300));
  FieldGrid fields(this, FieldGrid::kForm);
  QLabel* values[] = {fields.display(QStringLiteral("VLAN Version Number"), Name{"VlanVersionNumber"}),
                      fields.display(QStringLiteral("Max VLAN ID"), Name{"MaxVlanId"}),
                      fields.display(QStringLiteral("Max Supported VLANs"), Name{"MaxSupportedVlans"}),
                      fields.display(QStringLiteral("Num VLANs"), Name{"NumVlans"})};
  maxVlanIdLabel = values[1];
  gvrpCombo = fields.combo(QStringLiteral("GVRP Status"), Name{"GvrpStatus"});
  QPlainTextEdit* messages = MakeStatusMemo(this);
  ButtonBar buttons(this);
  buttons.add(QStringLiteral("Refresh"), Name{"BT_Get"}, [this] { refreshClicked(); });
  buttons.add(QStringLiteral("Set"), Name{"BT_Set"}, [this] { setClicked(); });
  buttons.close(Name{"BT_Close"});
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields.arrangement());
  layout->addStretch(1);
  layout->addLayout(buttons.layout());
  layout->addWidget(messages);

  general_ = AddBinding(tbl::Dot1qVlanGeneral, true, messages);
  for (int i = 0; i < 4; ++i) general_->AssociateControl(i, values[i]);
  general_->AssociateControl(4, gvrpCombo);
}

void VlanBasicConfigDialog::refreshClicked() {
  if (general_->busy) return;
  try {
    general_->Refresh();
  } catch (const std::exception& e) {
    general_->ShowStatus(ErrorText(e));
  }
}

void VlanBasicConfigDialog::setClicked() {
  if (general_->busy) return;
  try {
    general_->ControlsToValues();
    general_->Apply(true, false);
  } catch (const std::exception& e) {
    general_->ShowStatus(ErrorText(e));
  }
}
