#include "dialogs/lldp/LldpPortConfigDialog.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <array>
#include <span>
#include <utility>

#include "dialogs/common/DialogParts.h"
#include "dialogs/lldp/LldpListLayout.h"
#include "dialogs/lldp/LldpNamesBinding.h"
#include "dialogs/lldp/LldpTlvPickerDialog.h"
#include "editors/Errors.h"
#include "editors/UiSupport.h"
#include "tables/DefTables.h"

namespace {

// What the two tables differ in.
struct TlvTable {
  const KyVarDefTable* table;
  int tlvVariable;
  std::span<const LldpBitName> names;
  const char* pickerCaption;  // the device name follows it
  std::vector<const char*> boxNames;
  std::vector<std::pair<const char*, int>> combos;  // object name, variable
};

TlvTable TableOf(LldpPortConfigDialog::Tlvs tlvs) {
  if (tlvs == LldpPortConfigDialog::Tlvs::Basic)
    return {&tbl::LldpPortConfig, 3, lldp::kBasicTlvs, "Port Configuration Table Setting: ",
            {"portDescCBX", "sysNameCBX", "sysDescCBX", "sysCapCBX"},
            {{"AdminStateComboBox", 1}, {"NotificationComboBox", 2}}};
  return {&tbl::LldpDot3PortConfig, 1, lldp::kDot3Tlvs, "LLDP Dot3 Port Configuration Table Setting:",
          {"macPhyCBX", "powerViaMDICBX", "linkAggCBX", "maxFrameSizeCBX"}, {}};
}

}  // namespace

LldpPortConfigDialog::LldpPortConfigDialog(const DialogContext& context, Tlvs tlvs)
    : SnmpDialog(context.owner), device_(context.agent) {
  const TlvTable t = TableOf(tlvs);
  tlvVariable_ = t.tlvVariable;
  LldpListLayout layout(this, {560, 220});
  portList = layout.list();
  portText = MakeStaticText(this, "PortText");
  portText->setMinimumWidth(Px(this, 60));
  tlvsEdit = MakeEdit(this, "TLVsEdit");
  tlvsEdit->setMaxLength(256);
  tlvsEdit->setMinimumWidth(Px(this, 320));
  tlvsEdit->installEventFilter(this);
  layout.buttons().add(QStringLiteral("Refresh"), Name{"RefreshButton"}, [this] { refreshClicked(); });
  editButton = layout.buttons().add(QStringLiteral("Edit"), Name{"EditButton"}, [this] { editClicked(); });
  std::vector<std::pair<QComboBox*, int>> combos;
  for (const auto& [name, variable] : t.combos) combos.emplace_back(MakeCombo(this, name), variable);
  layout.buttons().close(Name{"CloseButton"});
  statusLabel = layout.finish();

  binding = static_cast<LldpNamesBinding*>(
      AdoptBinding(std::make_unique<LldpNamesBinding>(this, std::vector<LldpNamesBinding::Named>{{t.tlvVariable, t.names}}),
                   KySNMPVarList(*t.table), /*asynchronous=*/false, statusLabel));
  tlvPicker = new LldpTlvPickerDialog(this, t.names, QString::fromLatin1(t.pickerCaption), t.boxNames);
  binding->AssociateControl(0, portText);
  layout.field(QStringLiteral("Port Number"), portText);
  for (const auto& [combo, variable] : combos) {
    binding->AssociateControl(variable, combo);
    layout.field(QString::fromStdString(binding->request.varList.Item(variable).label), combo);
  }
  layout.field(QStringLiteral("TLVs TX Enable"), tlvsEdit);
  binding->SetTlvEdit(tlvsEdit);
  binding->AttachListView(portList, true);
  connect(portList, &QTreeWidget::itemSelectionChanged, this, [this] { selectionChanged(); });
  editButton->setEnabled(false);
}

bool LldpPortConfigDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == tlvsEdit && event->type() == QEvent::MouseButtonPress)
    QTimer::singleShot(0, this, [this] { pickTlvs(); });
  return SnmpDialog::eventFilter(watched, event);
}

void LldpPortConfigDialog::selectionChanged() {
  const QList<QTreeWidgetItem*> selected = portList->selectedItems();
  editButton->setEnabled(!selected.isEmpty());
  if (selected.isEmpty()) return;
  for (int c = 0; c < portList->columnCount(); ++c)
    if (binding->ColumnVariable(c) == tlvVariable_) tlvsEdit->setText(selected.first()->text(c));
}

void LldpPortConfigDialog::pickTlvs() {
  editButton->setEnabled(true);
  tlvPicker->prepare(tlvsEdit, device_);
  tlvPicker->exec();
}

void LldpPortConfigDialog::refreshClicked() {
  portText->clear();
  editButton->setEnabled(false);
  try {
    binding->Refresh();
  } catch (const std::exception& e) {
    binding->ShowStatus(ErrorText(e));
  }
}

void LldpPortConfigDialog::editClicked() {
  // A port is needed: without a selected line there is nothing to address.
  if (portList->selectedItems().isEmpty()) return;
  try {
    binding->Apply(/*refreshAfter=*/false, /*convert=*/true);
  } catch (const std::exception& e) {
    binding->ShowStatus(ErrorText(e));
    return;
  }
  refreshClicked();
}
