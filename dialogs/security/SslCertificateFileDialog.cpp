#include "dialogs/security/SslCertificateFileDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/common/DialogLayout.h"
#include "dialogs/common/DialogParts.h"
#include "dialogs/security/CheckedFieldGrid.h"
#include "editors/ControlBinding.h"
#include "editors/DialogHelpers.h"
#include "editors/Errors.h"
#include "editors/UiSupport.h"
#include "tables/DefTables.h"

namespace {
// Variables: 0 address, 1 file path, 2 key file path, 3 control, 4 show status.
constexpr int kIp = 0, kPath = 1, kKeyPath = 2, kControl = 3, kShowStatus = 4;
}  // namespace

SslCertificateFileDialog::SslCertificateFileDialog(const DialogContext& context) : SnmpDialog(context.owner) {
  ipEdit = MakeEdit(this, "ED_IPAddress");
  filePathEdit = MakeEdit(this, "ED_FilePath");
  keyFilePathEdit = MakeEdit(this, "ED_KeyFilePath");
  fileControlCombo = MakeCombo(this, "Combox_FileControl");
  statusEdit = MakeEdit(this, "ED_Status");
  statusEdit->setReadOnly(true);
  for (QLineEdit* e : {ipEdit, filePathEdit, keyFilePathEdit, statusEdit}) e->setMinimumWidth(Px(this, 220));
  ipBox = MakeCheckBox(this, QString(), "CheckBox_IPAddress");
  filePathBox = MakeCheckBox(this, QString(), "CheckBox_FilePath");
  keyFilePathBox = MakeCheckBox(this, QString(), "CheckBox_KeyFilePath");
  fileControlBox = MakeCheckBox(this, QString(), "CheckBox_FileControl");
  messages = MakeMemo(this, "Memo1");
  messages->setMaximumHeight(Px(this, 80));
  QGridLayout* grid = CheckedFieldGrid(this, {{"Certificate File IP Address", ipBox, ipEdit},
                                              {"Certificate File Path", filePathBox, filePathEdit},
                                              {"Certificate Key File Path", keyFilePathBox, keyFilePathEdit},
                                              {"Certificate File Control", fileControlBox, fileControlCombo},
                                              {"Certificate File Show Status", nullptr, statusEdit}});
  ButtonBar buttons(this);
  refreshButton = buttons.add(QStringLiteral("Refresh"), Name{"RefreshButton"}, [this] { refreshClicked(); });
  setCheckedButton =
      buttons.add(QStringLiteral("Set Checked "), Name{"SetCheckedButton"}, [this] { setCheckedClicked(); });
  checkAllButton = buttons.add(QStringLiteral("Check All"), Name{"CheckAllButton"}, [this] { checkAll(true); });
  clearAllButton = buttons.add(QStringLiteral("Clear All"), Name{"ClearAllButton"}, [this] { checkAll(false); });
  closeButton = buttons.close(Name{"CloseButton"});
  auto* top = new QVBoxLayout(this);
  top->addLayout(grid);
  top->addLayout(buttons.layout());
  top->addWidget(messages);

  binding_ = AddBinding(tbl::SslCertificateFile, /*asynchronous=*/false, messages);
  binding_->AssociateEdits(kIp, "%s{l16}", ipEdit);
  binding_->AssociateEdits(kPath, "%s{l64}", filePathEdit);
  binding_->AssociateEdits(kKeyPath, "%s{l64}", keyFilePathEdit);
  binding_->AssociateControl(kControl, fileControlCombo);
  binding_->AssociateEdits(kShowStatus, "%s", statusEdit);
}

void SslCertificateFileDialog::checkAll(bool checked) {
  for (QCheckBox* b : {ipBox, filePathBox, keyFilePathBox, fileControlBox})
    b->setChecked(checked);
}

void SslCertificateFileDialog::refreshClicked() {
  try {
    binding_->Refresh();
  } catch (const std::exception& e) {
    binding_->ShowStatus(ErrorText(e));
  }
  checkAll(false);
}

void SslCertificateFileDialog::setCheckedClicked() {
  const std::pair<QCheckBox*, int> uses[] = {
      {ipBox, kIp}, {filePathBox, kPath}, {keyFilePathBox, kKeyPath},
      {fileControlBox, kControl}};
  bool any = false;
  for (const auto& [box, var] : uses) any = any || box->isChecked();
  if (!any) return;  // nothing to write
  if (ipBox->isChecked() && !CheckIpv4Text(this, ipEdit->text())) {
    ipEdit->setFocus();
    return;
  }
  {
    KyColumnExclusion guard(binding_->request.varList);
    for (const auto& [box, var] : uses)
      if (!box->isChecked()) guard.Exclude(var);
    try {
      binding_->Apply(/*refreshAfter=*/true, /*convert=*/true);
    } catch (const std::exception& e) {
      binding_->ShowStatus(ErrorText(e));
      return;
    }
  }
  refreshClicked();
}
