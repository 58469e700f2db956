#include "dialogs/basic/UpdateFilesDialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "editors/ControlBinding.h"
#include "editors/DialogHelpers.h"
#include "editors/Errors.h"
#include "tables/DefTables.h"

UpdateFilesDialog::UpdateFilesDialog(const DialogContext& context)
    : TableDialog(context, tbl::UpdateFiles,
                  {.objectName = "frmAgentSupportedUpdateFiles",
                   .caption = QStringLiteral("Agent Supported Update Files: "),
                   .list = {Name{"ListView1"}, {560, 160}},
                   .fieldColumns = 2,
                   .asynchronous = true}) {
  fileList = list();
  indexEdit = edit(0, QStringLiteral("File Index"), Name{"ED_Index"}, "%s", Role::Index);
  edit(1, QStringLiteral("File Description"), Name{"ED_Description"}, "%s{l64}");
  addressEdit = edit(2, QStringLiteral("File Address"), Name{"ED_IPAddress"}, "%s{l16}");
  combo(3, QStringLiteral("File Transfer Type"), Name{"CBox_TransferType"});
  edit(4, QStringLiteral("File Name"), Name{"ED_Name"}, "%s{l128}");
  edit(5, QStringLiteral("File Locate ID"), Name{"ED_LocateID"}, "%i{n1x16}");
  combo(6, QStringLiteral("File Load Type"), Name{"CBox_LoadType"});
  combo(7, QStringLiteral("File Control"), Name{"CBox_Control"});
  combo(8, QStringLiteral("File BIncrement"), Name{"CBox_FileBIncrement"});
  edit(9, QStringLiteral("Multiple Image Control ID"), Name{"ED_MultipleImageControlID"}, "%s");
  button(QStringLiteral("Refresh"), Name{"GetButton"}, [this] { refreshClicked(); });
  setButton = button(QStringLiteral("Set"), Name{"EditButton"}, [this] { setClicked(); }, Enable::WithSelection);
  addCloseButton(Name{"Button1"});
  samplesCounter()->setObjectName(QStringLiteral("Static"));
  statusPanel_ = statusBar();
}

void UpdateFilesDialog::FirstRefresh() {
  try {
    binding()->Refresh();
  } catch (const std::exception& e) {
    statusPanel_->setText(QString::fromStdString(ErrorText(e)));
  }
  setButton->setEnabled(false);
}

void UpdateFilesDialog::setClicked() {
  if (binding()->busy || fileList->selectedItems().isEmpty()) return;
  if (!CheckIpv4Text(this, addressEdit->text())) {
    if (addressEdit->isEnabled()) addressEdit->setFocus();
    return;
  }
  try {
    // The write reads the table again when it is done.
    binding()->Apply(true, true);
  } catch (const std::exception& e) {
    setButton->setEnabled(false);
    statusPanel_->setText(QString::fromStdString(ErrorText(e)));
  }
  clearFields();
}

void UpdateFilesDialog::refreshClicked() {
  refresh();
  clearFields();
}
