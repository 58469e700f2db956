#include "dialogs/basic/Dot3ControlDialog.h"

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
Dot3ControlDialog::Dot3ControlDialog(const DialogContext& context)
    : Dot3PortsDialog(context, "dot3ControlForm", QStringLiteral("Dot3 Control Table: "), tbl::Dot3ControlPorts,
                tbl::Dot3ControlCounters, {QStringLiteral("Recived Unknown Opcodes")}, 150) {
  auto* functions = new QHBoxLayout;
  functions->addWidget(MakeLabel(this, QStringLiteral("Function Support")));
  for (int i = 1; i <= 8; ++i) {
    const QByteArray name = "CheckBox" + QByteArray::number(i);
    QCheckBox* box = MakeCheckBox(this, QStringLiteral("pause"), name.constData());
    box->setVisible(i == 1);
    functions->addWidget(box);
    functionBoxes.push_back(box);
  }
  functions->addStretch(1);
  PortEditor()->AssociateBits(1, "0,1,2,3,4,5,6,7", functionBoxes);
  FinishLayout(functions, {});
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
