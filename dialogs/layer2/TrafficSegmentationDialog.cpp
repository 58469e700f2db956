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

#include "dialogs/common/DialogLayout.h"
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
  segmentList = new QTreeWidget(this);
  segmentList->setObjectName(QStringLiteral("ListView1"));
  globalPortLabel = new QLabel(this);
  globalPortLabel->setObjectName(QStringLiteral("ST_Port"));
  globalPortLabel->hide();
  unitCombo = MakeCombo(this, "Combo_Unit");
  unitCombo->addItem(QStringLiteral("1"));
  portCombo = MakeCombo(this, "Combo_Port");
  for (int p = 1; p <= ModelPortCount(kGridModel); ++p) portCombo->addItem(QString::number(p));
  unitCombo->setEnabled(false);
  portCombo->setEnabled(false);
  auto* fields = new QHBoxLayout;
  fields->addWidget(new QLabel(QStringLiteral("Unit"), this));
  fields->addWidget(unitCombo);
  fields->addWidget(new QLabel(QStringLiteral("Port"), this));
  fields->addWidget(portCombo);
  fields->addStretch(1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(segmentList, 1);
  layout->addLayout(fields);
  forwardPorts = AddPortGridGroup(this, layout, QStringLiteral("Forward Ports"));
  ButtonBar buttons(this);
  buttons.add(QStringLiteral("Refresh"), Name{"BT_Get"}, [this] { refreshClicked(); });
  setButton = buttons.add(QStringLiteral("Set"), Name{"BT_Set"}, [this] { setClicked(); });
  buttons.close(Name{"BT_Close"});
  layout->addLayout(buttons.layout());
  QLabel* statusLabel = AddStatusBar(this, layout);

  segments_ = AddBinding(tbl::TrafficSegmentation, true, statusLabel);
  SetBusyText(QString::fromLatin1(kRefreshNotCompleteLower));
  segments_->AttachListView(segmentList, true);
  segments_->AssociateControl(0, globalPortLabel);
  BindPortList(*segments_, 1, *forwardPorts);
  connect(segmentList, &QTreeWidget::itemSelectionChanged, this, &TrafficSegmentationDialog::rowSelected);
  setButton->setEnabled(false);
}

void TrafficSegmentationDialog::clearFields() {
  forwardPorts->ClearAll();
  unitCombo->setCurrentIndex(-1);
  portCombo->setCurrentIndex(-1);
}

void TrafficSegmentationDialog::refreshClicked() {
  if (RefuseWhileBusy(segments_, QString::fromLatin1(kRefreshNotCompleteLower))) return;
  try {
    segments_->Refresh();
  } catch (const std::exception& e) {
    segments_->ShowStatus(ErrorText(e));
  }
  clearFields();
  setButton->setEnabled(false);
}

void TrafficSegmentationDialog::rowSelected() {
  if (segmentList->selectedItems().isEmpty()) {
    setButton->setEnabled(false);
    return;
  }
  const UnitPort up = SplitGlobalPort(globalPortLabel->text().toInt());
  unitCombo->setCurrentIndex(unitCombo->findText(QString::number(up.unit)));
  portCombo->setCurrentIndex(portCombo->findText(QString::number(up.port)));
  setButton->setEnabled(true);
}

void TrafficSegmentationDialog::setClicked() {
  if (RefuseWhileBusy(segments_, QString::fromLatin1(kRefreshNotCompleteLower))) return;
  try {
    segments_->Apply(true, true);
  } catch (const std::exception& e) {
    segments_->ShowStatus(ErrorText(e));
    return;  // a request error leaves the fields as they are
  }
  clearFields();
  setButton->setEnabled(false);
}
