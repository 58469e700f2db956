#include "dialogs/basic/Dot3ControlDialog.h"

#include <QCheckBox>
#include <QHBoxLayout>

#include "dialogs/common/DialogLayout.h"
#include "editors/ControlBinding.h"
#include "tables/DefTables.h"

Dot3ControlDialog::Dot3ControlDialog(const DialogContext& context)
    : Dot3PortsDialog(context, "dot3ControlForm", QStringLiteral("Dot3 Control Table: "), tbl::Dot3ControlPorts,
                tbl::Dot3ControlCounters, {QStringLiteral("Recived Unknown Opcodes")}, 150) {
  for (int i = 1; i <= 8; ++i) {
    const QByteArray name = "CheckBox" + QByteArray::number(i);
    QCheckBox* box = MakeCheckBox(this, QStringLiteral("pause"), name.constData());
    box->setVisible(i == 1);
    functionBoxes.push_back(box);
  }
  PortEditor()->AssociateBits(1, "0,1,2,3,4,5,6,7", functionBoxes);
  PlaceControls(CaptionedRow(this, QStringLiteral("Function Support"), {functionBoxes.begin(), functionBoxes.end()}));
}

void Dot3ControlDialog::Clear() {
  Dot3PortsDialog::Clear();
  for (QCheckBox* box : functionBoxes)
    if (!box->isHidden()) box->setChecked(false);
}

void Dot3ControlDialog::OnReady() {
  for (QCheckBox* box : functionBoxes)
    if (!box->isHidden()) box->setEnabled(true);
}
