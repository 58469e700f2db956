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

#include "dialogs/common/DialogLayout.h"
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

  fileList = new QTreeWidget(this);
  fileList->setObjectName(QStringLiteral("ListView1"));
  fileList->setMinimumSize(Px(this, 560), Px(this, 160));
  FieldGrid fields(this, 2);
  indexEdit = fields.edit(QStringLiteral("File Index"), Name{"ED_Index"});
  descriptionEdit = fields.edit(QStringLiteral("File Description"), Name{"ED_Description"});
  addressEdit = fields.edit(QStringLiteral("File Address"), Name{"ED_IPAddress"});
  transferTypeCombo = fields.combo(QStringLiteral("File Transfer Type"), Name{"CBox_TransferType"});
  nameEdit = fields.edit(QStringLiteral("File Name"), Name{"ED_Name"});
  locateIdEdit = fields.edit(QStringLiteral("File Locate ID"), Name{"ED_LocateID"});
  loadTypeCombo = fields.combo(QStringLiteral("File Load Type"), Name{"CBox_LoadType"});
  controlCombo = fields.combo(QStringLiteral("File Control"), Name{"CBox_Control"});
  incrementCombo = fields.combo(QStringLiteral("File BIncrement"), Name{"CBox_FileBIncrement"});
  multipleImageControlIdEdit = fields.edit(QStringLiteral("Multiple Image Control ID"), Name{"ED_MultipleImageControlID"});
  ButtonBar buttons(this);
  refreshButton = buttons.add(QStringLiteral("Refresh"), Name{"GetButton"}, [this] { refreshClicked(); });
  setButton = buttons.add(QStringLiteral("Set"), Name{"EditButton"}, [this] { setClicked(); });
  closeButton = buttons.close(Name{"Button1"});
  samplesLabel = buttons.samplesCounter(this, fileList);
  samplesLabel->setObjectName(QStringLiteral("Static"));
  statusBar = MakeStatusBar(this, &statusPanel);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(fileList, 1);
  layout->addLayout(fields.layout());
  layout->addLayout(buttons.layout());
  layout->addWidget(statusBar);

  KySNMPRequest2Edits* b = AddBinding(tbl::UpdateFiles, true, statusPanel);
  b->AttachListView(fileList, true);
  b->AssociateEdits(0, "%s", indexEdit);
  b->AssociateEdits(1, "%s{l64}", descriptionEdit);
  b->AssociateEdits(2, "%s{l16}", addressEdit);
  b->AssociateControl(3, transferTypeCombo);
  b->AssociateEdits(4, "%s{l128}", nameEdit);
  b->AssociateEdits(5, "%i{n1x16}", locateIdEdit);
  b->AssociateControl(6, loadTypeCombo);
  b->AssociateControl(7, controlCombo);
  b->AssociateControl(8, incrementCombo);
  b->AssociateEdits(9, "%s", multipleImageControlIdEdit);

  connect(fileList, &QTreeWidget::itemSelectionChanged, this, &UpdateFilesDialog::fileSelected);
  setButton->setEnabled(false);
}

void UpdateFilesDialog::FirstRefresh() {
  try {
    Editor()->Refresh();
  } catch (const std::exception& e) {
    statusPanel->setText(QString::fromStdString(ErrorText(e)));
  }
  setButton->setEnabled(false);
}

void UpdateFilesDialog::ClearControls() {
  for (QLineEdit* e : {indexEdit, descriptionEdit, addressEdit, nameEdit, locateIdEdit, multipleImageControlIdEdit})
    e->clear();
  for (QComboBox* c : {transferTypeCombo, loadTypeCombo, controlCombo, incrementCombo}) c->setCurrentIndex(-1);
}

void UpdateFilesDialog::fileSelected() {
  if (!fileList->selectedItems().isEmpty()) {
    setButton->setEnabled(true);
    indexEdit->setEnabled(false);
    return;
  }
  setButton->setEnabled(false);
  indexEdit->setEnabled(true);
  ClearControls();
}

void UpdateFilesDialog::setClicked() {
  if (Editor()->busy || fileList->selectedItems().isEmpty()) return;
  if (!CheckIpv4Text(this, addressEdit->text())) {
    if (addressEdit->isEnabled()) addressEdit->setFocus();
    return;
  }
  try {
    // The write reads the table again when it is done.
    Editor()->Apply(true, true);
  } catch (const std::exception& e) {
    setButton->setEnabled(false);
    statusPanel->setText(QString::fromStdString(ErrorText(e)));
  }
  ClearControls();
}

void UpdateFilesDialog::refreshClicked() {
  try {
    if (!Editor()->busy) Editor()->Refresh();
  } catch (const std::exception& e) {
    Editor()->ShowStatus(ErrorText(e));
  }
  ClearControls();
}
