#include "dialogs/layer2/TrafficSegmentationDialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "dialogs/common/DialogParts.h"
#include "dialogs/common/PortListLayout.h"
#include "editors/ControlBinding.h"
#include "editors/DialogHelpers.h"
#include "editors/Errors.h"
#include "editors/PortGrid.h"
#include "editors/UiSupport.h"
#include "tables/DefTables.h"

// ---------------------------------------------------------------------------
TrafficSegmentationDialog::TrafficSegmentationDialog(const DialogContext& context) : SnmpDialog(context.owner) {
  setObjectName(QStringLiteral("TrafficSegmentationForm"));
  setWindowTitle(QStringLiteral("Traffic Segmentation Table:") + context.agent);
  resize(Px(this, 600), Px(this, 520));
  ListView1 = new QTreeWidget(this);
  ListView1->setObjectName(QStringLiteral("ListView1"));
  ST_Port = new QLabel(this);
  ST_Port->setObjectName(QStringLiteral("ST_Port"));
  ST_Port->hide();
  Combo_Unit = new QComboBox(this);
  Combo_Unit->setObjectName(QStringLiteral("Combo_Unit"));
  Combo_Unit->addItem(QStringLiteral("1"));
  Combo_Port = new QComboBox(this);
  Combo_Port->setObjectName(QStringLiteral("Combo_Port"));
  for (int p = 1; p <= ModelPortCount(kGridModel); ++p) Combo_Port->addItem(QString::number(p));
  Combo_Unit->setEnabled(false);
  Combo_Port->setEnabled(false);
  auto* fields = new QHBoxLayout;
  fields->addWidget(new QLabel(QStringLiteral("Unit"), this));
  fields->addWidget(Combo_Unit);
  fields->addWidget(new QLabel(QStringLiteral("Port"), this));
  fields->addWidget(Combo_Port);
  fields->addStretch(1);
  BT_Get = MakeDialogButton(this, "BT_Get", QStringLiteral("Refresh"));
  BT_Set = MakeDialogButton(this, "BT_Set", QStringLiteral("Set"));
  BT_Close = MakeDialogButton(this, "BT_Close", QStringLiteral("Close"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(ListView1, 1);
  layout->addLayout(fields);
  ForwardPorts = AddPortGridGroup(this, layout, QStringLiteral("Forward Ports"));
  layout->addLayout(RightAlignedButtonRow({BT_Get, BT_Set, BT_Close}));
  StatusPanel = AddStatusPanel(this);
  layout->addWidget(StatusPanel->parentWidget());

  segments_ = AddBinding(tbl::TrafficSegmentation, true, StatusPanel);
  segments_->AttachListView(ListView1, true);
  segments_->AssociateControl(0, ST_Port);
  BindPortList(*segments_, 1, *ForwardPorts);
  connect(ListView1, &QTreeWidget::itemSelectionChanged, this, &TrafficSegmentationDialog::ListView1Click);
  connect(BT_Get, &QPushButton::clicked, this, &TrafficSegmentationDialog::BT_GetClick);
  connect(BT_Set, &QPushButton::clicked, this, &TrafficSegmentationDialog::BT_SetClick);
  connect(BT_Close, &QPushButton::clicked, this, &QDialog::reject);
  BT_Set->setEnabled(false);
}

void TrafficSegmentationDialog::ClearFields() {
  ForwardPorts->ClearAll();
  Combo_Unit->setCurrentIndex(-1);
  Combo_Port->setCurrentIndex(-1);
}

void TrafficSegmentationDialog::BT_GetClick() {
  if (RefuseWhileBusy(segments_, QString::fromLatin1(kRefreshNotCompleteLower))) return;
  try {
    segments_->Refresh();
  } catch (const std::exception& e) {
    segments_->ShowStatus(ErrorText(e));
  }
  ClearFields();
  BT_Set->setEnabled(false);
}

void TrafficSegmentationDialog::ListView1Click() {
  if (ListView1->selectedItems().isEmpty()) {
    BT_Set->setEnabled(false);
    return;
  }
  const UnitPortText up = SplitGlobalPortText(ST_Port->text().toInt());
  Combo_Unit->setCurrentIndex(Combo_Unit->findText(up.unit));
  Combo_Port->setCurrentIndex(Combo_Port->findText(up.port));
  BT_Set->setEnabled(true);
}

void TrafficSegmentationDialog::BT_SetClick() {
  if (RefuseWhileBusy(segments_, QString::fromLatin1(kRefreshNotCompleteLower))) return;
  try {
    segments_->Apply(true, true);
  } catch (const std::exception& e) {
    segments_->ShowStatus(ErrorText(e));
    return;  // a request error leaves the fields as they are
  }
  ClearFields();
  BT_Set->setEnabled(false);
}
