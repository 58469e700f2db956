#include "dialogs/lldp/LldpTlvPortDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "dialogs/common/DialogLayout.h"
#include "dialogs/lldp/LldpNamesBinding.h"
#include "dialogs/lldp/LldpTlvPickerDialog.h"
#include "editors/Errors.h"
#include "editors/UiSupport.h"
#include "tables/DefTables.h"

LldpTlvPortDialog::LldpTlvPortDialog(const DialogContext& context) : SnmpDialog(context.owner) {
  device_ = context.agent;
  ListView1 = new QTreeWidget(this);
  ListView1->setObjectName(QStringLiteral("ListView1"));
  ListView1->setMinimumSize(Px(this, 560), Px(this, 220));
  PortText = new QLabel(this);
  PortText->setObjectName(QStringLiteral("PortText"));
  PortText->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  PortText->setMinimumWidth(Px(this, 60));
  TLVsEdit = new QLineEdit(this);
  TLVsEdit->setObjectName(QStringLiteral("TLVsEdit"));
  TLVsEdit->setMaxLength(256);
  TLVsEdit->setMinimumWidth(Px(this, 320));
  TLVsEdit->installEventFilter(this);
  RefreshButton = new QPushButton(QStringLiteral("Refresh"), this);
  RefreshButton->setObjectName(QStringLiteral("RefreshButton"));
  EditButton = new QPushButton(QStringLiteral("Edit"), this);
  EditButton->setObjectName(QStringLiteral("EditButton"));
  for (QPushButton* b : {RefreshButton, EditButton}) b->setAutoDefault(false);
  StatusBar1 = new QStatusBar(this);
  StatusBar1->setSizeGripEnabled(false);
  StatusPanel0 = new QLabel(StatusBar1);
  StatusPanel0->setObjectName(QStringLiteral("StatusPanel0"));
  StatusBar1->addWidget(StatusPanel0, 1);
  connect(RefreshButton, &QPushButton::clicked, this, [this] { RefreshClick(); });
  connect(EditButton, &QPushButton::clicked, this, [this] { EditClick(); });
}

void LldpTlvPortDialog::Build(LldpNamesBinding* namesBinding, LldpTlvPickerDialog* setting, int tlvVariable,
                             const std::vector<std::pair<QComboBox*, int>>& combos) {
  binding = namesBinding;
  SettingForm = setting;
  tlvVariable_ = tlvVariable;
  binding->AssociateControl(0, PortText);
  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("Port Number"), PortText);
  for (const auto& [combo, var] : combos) {
    binding->AssociateControl(var, combo);
    form->addRow(QString::fromStdString(binding->request.varList.Item(var).label), combo);
  }
  form->addRow(QStringLiteral("TLVs TX Enable"), TLVsEdit);
  binding->SetTlvEdit(TLVsEdit);
  binding->AttachListView(ListView1, true);
  connect(ListView1, &QTreeWidget::itemSelectionChanged, this, [this] { SelectionChanged(); });

  auto* top = new QVBoxLayout(this);
  top->addWidget(ListView1, 1);
  auto* counter = new QHBoxLayout;
  QLabel* count = AddSamplesCounter(this, ListView1);
  count->setObjectName(QStringLiteral("StaticText1"));
  counter->addStretch(1);
  counter->addWidget(count);
  top->addLayout(counter);
  top->addLayout(form);
  ButtonBar buttons(this);
  buttons.place(RefreshButton);
  buttons.place(EditButton);
  CloseButton = buttons.close(Name{"CloseButton"});
  top->addLayout(buttons.layout());
  top->addWidget(StatusBar1);
  EditButton->setEnabled(false);
}

bool LldpTlvPortDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == TLVsEdit && event->type() == QEvent::MouseButtonPress)
    QTimer::singleShot(0, this, [this] { TLVsEditClick(); });
  return SnmpDialog::eventFilter(watched, event);
}

void LldpTlvPortDialog::SelectionChanged() {
  const QList<QTreeWidgetItem*> selected = ListView1->selectedItems();
  EditButton->setEnabled(!selected.isEmpty());
  if (selected.isEmpty()) return;
  for (int c = 0; c < ListView1->columnCount(); ++c)
    if (binding->ColumnVariable(c) == tlvVariable_) TLVsEdit->setText(selected.first()->text(c));
}

void LldpTlvPortDialog::TLVsEditClick() {
  EditButton->setEnabled(true);
  SettingForm->Prepare(TLVsEdit, device_);
  SettingForm->exec();
}

void LldpTlvPortDialog::RefreshClick() {
  PortText->clear();
  EditButton->setEnabled(false);
  try {
    binding->Refresh();
  } catch (const std::exception& e) {
    binding->ShowStatus(ErrorText(e));
  }
}

void LldpTlvPortDialog::EditClick() {
  // A port is needed: without a selected line there is nothing to address.
  if (ListView1->selectedItems().isEmpty()) return;
  try {
    binding->Apply(/*refreshAfter=*/false, /*convert=*/true);
  } catch (const std::exception& e) {
    binding->ShowStatus(ErrorText(e));
    return;
  }
  RefreshClick();
}
