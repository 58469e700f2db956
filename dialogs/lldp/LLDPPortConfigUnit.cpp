#include "dialogs/lldp/LLDPPortConfigUnit.h"

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

#include "dialogs/lldp/LldpRequest2Edits.h"
#include "editors/Errors.h"
#include "editors/UiSupport.h"
#include "tables/DefTables.h"

// ---------------------------------------------------------------------------
// Setting windows.

TLldpTlvSettingForm::TLldpTlvSettingForm(QWidget* owner, std::span<const LldpBitName> names,
                                         const QString& captionPrefix, const std::vector<const char*>& boxNames)
    : QDialog(owner), names_(names), captionPrefix_(captionPrefix) {
  auto* top = new QVBoxLayout(this);
  for (size_t i = 0; i < names.size(); ++i) {
    auto* box = new QCheckBox(QString::fromLatin1(names[i].name), this);
    box->setObjectName(QString::fromLatin1(boxNames[i]));
    boxes.push_back(box);
    top->addWidget(box);
  }
  SetCheckedButton = new QPushButton(QStringLiteral("Set Checked"), this);
  SetCheckedButton->setObjectName(QStringLiteral("SetCheckedButton"));
  CloseButton = new QPushButton(QStringLiteral("Close"), this);
  CloseButton->setObjectName(QStringLiteral("CloseButton"));
  for (QPushButton* b : {SetCheckedButton, CloseButton}) b->setAutoDefault(false);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(SetCheckedButton);
  buttons->addWidget(CloseButton);
  top->addLayout(buttons);
  setMinimumWidth(Px(this, 320));
  connect(SetCheckedButton, &QPushButton::clicked, this, [this] { SetCheckedClick(); });
  connect(CloseButton, &QPushButton::clicked, this, [this] { CloseClick(); });
}

void TLldpTlvSettingForm::Prepare(QLineEdit* target, const QString& device) {
  target_ = target;
  setWindowTitle(captionPrefix_ + device);
  const std::string text = target ? target->text().toStdString() : std::string();
  for (size_t i = 0; i < names_.size(); ++i) boxes[i]->setChecked(text.find(names_[i].name) != std::string::npos);
}

void TLldpTlvSettingForm::UntickAll() {
  for (QCheckBox* b : boxes) b->setChecked(false);
}

void TLldpTlvSettingForm::SetCheckedClick() {
  std::string names = " ";
  for (size_t i = 0; i < names_.size(); ++i) {
    if (!boxes[i]->isChecked()) continue;
    if (names != " ") names += ',';
    names += names_[i].name;
  }
  if (target_) target_->setText(QString::fromStdString(names));
  UntickAll();
  accept();
}

void TLldpTlvSettingForm::CloseClick() {
  UntickAll();
  reject();
}

TLLDPPortConfigurationForm::TLLDPPortConfigurationForm(QWidget* owner)
    : TLldpTlvSettingForm(owner, lldp::kBasicTlvs, QStringLiteral("Port Configuration Table Setting: "),
                          {"portDescCBX", "sysNameCBX", "sysDescCBX", "sysCapCBX"}) {}

TLLDPDot3PortConfigurationForm::TLLDPDot3PortConfigurationForm(QWidget* owner)
    : TLldpTlvSettingForm(owner, lldp::kDot3Tlvs, QStringLiteral("LLDP Dot3 Port Configuration Table Setting:"),
                          {"macPhyCBX", "powerViaMDICBX", "linkAggCBX", "maxFrameSizeCBX"}) {}

// ---------------------------------------------------------------------------
// List windows.

TLldpTlvPortForm::TLldpTlvPortForm(const DialogContext& context) : TSnmpDialog(context.owner) {
  device_ = context.Agent();
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

void TLldpTlvPortForm::Build(KyLldpNamesRequest2Edits* namesBinding, TLldpTlvSettingForm* setting, int tlvVariable,
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
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(RefreshButton);
  buttons->addWidget(EditButton);
  top->addLayout(buttons);
  top->addWidget(StatusBar1);
  EditButton->setEnabled(false);
}

bool TLldpTlvPortForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == TLVsEdit && event->type() == QEvent::MouseButtonPress)
    QTimer::singleShot(0, this, [this] { TLVsEditClick(); });
  return TSnmpDialog::eventFilter(watched, event);
}

void TLldpTlvPortForm::SelectionChanged() {
  const QList<QTreeWidgetItem*> selected = ListView1->selectedItems();
  EditButton->setEnabled(!selected.isEmpty());
  if (selected.isEmpty()) return;
  for (int c = 0; c < ListView1->columnCount(); ++c)
    if (binding->ColumnVariable(c) == tlvVariable_) TLVsEdit->setText(selected.first()->text(c));
}

void TLldpTlvPortForm::TLVsEditClick() {
  EditButton->setEnabled(true);
  SettingForm->Prepare(TLVsEdit, device_);
  SettingForm->exec();
}

void TLldpTlvPortForm::RefreshClick() {
  PortText->clear();
  EditButton->setEnabled(false);
  try {
    binding->Refresh();
  } catch (const std::exception& e) {
    binding->ShowStatus(ErrorText(e));
  }
}

void TLldpTlvPortForm::EditClick() {
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

TLLDPPortConfigForm::TLLDPPortConfigForm(const DialogContext& context) : TLldpTlvPortForm(context) {
  AdminStateComboBox = new QComboBox(this);
  AdminStateComboBox->setObjectName(QStringLiteral("AdminStateComboBox"));
  NotificationComboBox = new QComboBox(this);
  NotificationComboBox->setObjectName(QStringLiteral("NotificationComboBox"));
  Build(AddBindingOf<NewRequest2Edits>(tbl::LldpPortConfig, /*asynchronous=*/false, StatusPanel0),
        new TLLDPPortConfigurationForm(this), 3, {{AdminStateComboBox, 1}, {NotificationComboBox, 2}});
}

TLLDPDot3PortConfigForm::TLLDPDot3PortConfigForm(const DialogContext& context) : TLldpTlvPortForm(context) {
  Build(AddBindingOf<LLDPDot3PortConfigNewRequest2Edits>(tbl::LldpDot3PortConfig, /*asynchronous=*/false,
                                                         StatusPanel0),
        new TLLDPDot3PortConfigurationForm(this), 1, {});
}
