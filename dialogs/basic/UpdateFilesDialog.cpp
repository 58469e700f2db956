#include "dialogs/basic/UpdateFilesDialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "dialogs/common/DialogParts.h"
#include "editors/ControlBinding.h"
#include "editors/DialogHelpers.h"
#include "editors/Errors.h"
#include "editors/UiSupport.h"
#include "tables/DefTables.h"

UpdateFilesDialog::UpdateFilesDialog(const DialogContext& context)
    : SnmpDialog(context.owner) {
  setObjectName(QStringLiteral("frmAgentSupportedUpdateFiles"));
  setWindowTitle(QStringLiteral("Agent Supported Update Files: ") + context.agent);

  ListView1 = new QTreeWidget(this);
  ListView1->setObjectName(QStringLiteral("ListView1"));
  ListView1->setMinimumSize(Px(this, 560), Px(this, 160));
  ED_Index = MakeEdit(this, "ED_Index");
  ED_Description = MakeEdit(this, "ED_Description");
  ED_IPAddress = MakeEdit(this, "ED_IPAddress");
  CBox_TransferType = MakeCombo(this, "CBox_TransferType");
  ED_Name = MakeEdit(this, "ED_Name");
  ED_LocateID = MakeEdit(this, "ED_LocateID");
  CBox_LoadType = MakeCombo(this, "CBox_LoadType");
  CBox_Control = MakeCombo(this, "CBox_Control");
  CBox_FileBIncrement = MakeCombo(this, "CBox_FileBIncrement");
  ED_MultipleImageControlID = MakeEdit(this, "ED_MultipleImageControlID");
  GetButton = MakeButton(this, QStringLiteral("Refresh"), "GetButton");
  EditButton = MakeButton(this, QStringLiteral("Set"), "EditButton");
  Button1 = MakeButton(this, QStringLiteral("Close"), "Button1");
  StatusBar1 = MakeStatusBar(this, &StatusPanel0);

  auto* fields = new QGridLayout;
  const std::pair<const char*, QWidget*> rows[] = {
      {"File Index", ED_Index},
      {"File Description", ED_Description},
      {"File Address", ED_IPAddress},
      {"File Transfer Type", CBox_TransferType},
      {"File Name", ED_Name},
      {"File Locate ID", ED_LocateID},
      {"File Load Type", CBox_LoadType},
      {"File Control", CBox_Control},
      {"File BIncrement", CBox_FileBIncrement},
      {"Multiple Image Control ID", ED_MultipleImageControlID},
  };
  int r = 0;
  for (const auto& [label, field] : rows) {
    fields->addWidget(MakeLabel(this, QString::fromLatin1(label)), r / 2, (r % 2) * 2);
    fields->addWidget(field, r / 2, (r % 2) * 2 + 1);
    ++r;
  }
  auto* buttons = new QHBoxLayout;
  for (QPushButton* b : {GetButton, EditButton, Button1}) buttons->addWidget(b);
  buttons->addStretch(1);
  QLabel* samples = nullptr;
  Static = AddSamplesCounter(this, ListView1, &samples);
  Static->setObjectName(QStringLiteral("Static"));
  buttons->addWidget(samples);
  buttons->addWidget(Static);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(ListView1, 1);
  layout->addLayout(fields);
  layout->addLayout(buttons);
  layout->addWidget(StatusBar1);

  KySNMPRequest2Edits* b = AddBinding(tbl::UpdateFiles, true, StatusPanel0);
  b->AttachListView(ListView1, true);
  b->AssociateEdits(0, "%s", ED_Index);
  b->AssociateEdits(1, "%s{l64}", ED_Description);
  b->AssociateEdits(2, "%s{l16}", ED_IPAddress);
  b->AssociateControl(3, CBox_TransferType);
  b->AssociateEdits(4, "%s{l128}", ED_Name);
  b->AssociateEdits(5, "%i{n1x16}", ED_LocateID);
  b->AssociateControl(6, CBox_LoadType);
  b->AssociateControl(7, CBox_Control);
  b->AssociateControl(8, CBox_FileBIncrement);
  b->AssociateEdits(9, "%s", ED_MultipleImageControlID);

  connect(ListView1, &QTreeWidget::itemSelectionChanged, this, &UpdateFilesDialog::ListView1Click);
  connect(GetButton, &QPushButton::clicked, this, &UpdateFilesDialog::GetButtonClick);
  connect(EditButton, &QPushButton::clicked, this, &UpdateFilesDialog::EditButtonClick);
  connect(Button1, &QPushButton::clicked, this, &QDialog::close);
  EditButton->setEnabled(false);
}

void UpdateFilesDialog::FirstRefresh() {
  try {
    Editor()->Refresh();
  } catch (const std::exception& e) {
    StatusPanel0->setText(QString::fromStdString(ErrorText(e)));
  }
  EditButton->setEnabled(false);
}

void UpdateFilesDialog::ClearControls() {
  for (QLineEdit* e : {ED_Index, ED_Description, ED_IPAddress, ED_Name, ED_LocateID, ED_MultipleImageControlID})
    e->clear();
  for (QComboBox* c : {CBox_TransferType, CBox_LoadType, CBox_Control, CBox_FileBIncrement}) c->setCurrentIndex(-1);
}

void UpdateFilesDialog::ListView1Click() {
  if (!ListView1->selectedItems().isEmpty()) {
    EditButton->setEnabled(true);
    ED_Index->setEnabled(false);
    return;
  }
  EditButton->setEnabled(false);
  ED_Index->setEnabled(true);
  ClearControls();
}

void UpdateFilesDialog::EditButtonClick() {
  if (Editor()->busy || ListView1->selectedItems().isEmpty()) return;
  if (!CheckIpv4Text(this, ED_IPAddress->text())) {
    if (ED_IPAddress->isEnabled()) ED_IPAddress->setFocus();
    return;
  }
  try {
    // The write reads the table again when it is done.
    Editor()->Apply(true, true);
  } catch (const std::exception& e) {
    EditButton->setEnabled(false);
    StatusPanel0->setText(QString::fromStdString(ErrorText(e)));
  }
  ClearControls();
}

void UpdateFilesDialog::GetButtonClick() {
  try {
    if (!Editor()->busy) Editor()->Refresh();
  } catch (const std::exception&) {
    // Dropped: a failed read reports itself through the status panel.
  }
  ClearControls();
}
