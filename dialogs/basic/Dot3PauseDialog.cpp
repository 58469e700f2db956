#include "dialogs/basic/Dot3PauseDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "dialogs/common/DialogParts.h"
#include "editors/ControlBinding.h"
#include "editors/Errors.h"
#include "editors/UiSupport.h"
#include "tables/DefTables.h"

// ---------------------------------------------------------------------------
Dot3PauseDialog::Dot3PauseDialog(const DialogContext& context)
    : Dot3PortsDialog(context, "dot3PauseForm", QStringLiteral("Dot3 Pause Table: "), tbl::Dot3PausePorts,
                tbl::Dot3PauseCounters, {QStringLiteral("In Pause Frame"), QStringLiteral("Out Pause Frame")}, 130) {
  edtIndex = MakeEdit(this, "edtIndex");
  edtIndex->hide();
  cbxAdminMode = MakeCombo(this, "cbxAdminMode");
  btnSet = MakeButton(this, QStringLiteral("Set"), "btnSet");
  auto* mode = new QHBoxLayout;
  mode->addWidget(MakeLabel(this, QStringLiteral("Admin Mode")));
  mode->addWidget(cbxAdminMode);
  mode->addStretch(1);
  PortEditor()->AssociateEdits(0, "%i", edtIndex);
  PortEditor()->AssociateControl(1, cbxAdminMode);
  connect(btnSet, &QPushButton::clicked, this, &Dot3PauseDialog::btnSetClick);
  FinishLayout(mode, {btnSet});
  btnSet->setEnabled(false);
}

void Dot3PauseDialog::Clear() {
  Dot3PortsDialog::Clear();
  cbxAdminMode->setCurrentIndex(-1);
  btnSet->setEnabled(false);
}

void Dot3PauseDialog::PortClicked() { btnSet->setEnabled(true); }

void Dot3PauseDialog::btnSetClick() {
  if (ListView1->selectedItems().isEmpty() || !Ready() || PortEditor()->busy) return;
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
