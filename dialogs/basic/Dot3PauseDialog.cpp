#include "dialogs/basic/Dot3PauseDialog.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "dialogs/common/DialogLayout.h"
#include "editors/ControlBinding.h"
#include "editors/Errors.h"
#include "tables/DefTables.h"

Dot3PauseDialog::Dot3PauseDialog(const DialogContext& context)
    : Dot3PortsDialog(context, "dot3PauseForm", QStringLiteral("Dot3 Pause Table: "), tbl::Dot3PausePorts,
                tbl::Dot3PauseCounters, {QStringLiteral("In Pause Frame"), QStringLiteral("Out Pause Frame")}, 130) {
  indexEdit = MakeEdit(this, "edtIndex");
  indexEdit->hide();
  adminModeCombo = MakeCombo(this, "cbxAdminMode");
  PortEditor()->AssociateEdits(0, "%i", indexEdit);
  PortEditor()->AssociateControl(1, adminModeCombo);
  PlaceControls(CaptionedRow(this, QStringLiteral("Admin Mode"), {adminModeCombo}));
  setButton = AddButton(QStringLiteral("Set"), "btnSet", [this] { setClicked(); });
  setButton->setEnabled(false);
}

void Dot3PauseDialog::Clear() {
  Dot3PortsDialog::Clear();
  adminModeCombo->setCurrentIndex(-1);
  setButton->setEnabled(false);
}

void Dot3PauseDialog::PortClicked() { setButton->setEnabled(true); }

void Dot3PauseDialog::setClicked() {
  if (portList->selectedItems().isEmpty() || !Ready() || PortEditor()->busy) return;
  SetReady(false);
  try {
    // The write reads the port table again when it is done (ready again then).
    PortEditor()->Apply(true, true);
    Clear();
  } catch (const std::exception& e) {
    SetReady(true);
    Clear();
    AppendError(ErrorText(e));
  }
}
