#include "dialogs/security/SslCertificateFileDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "dialogs/common/DialogLayout.h"
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
  FieldGrid grid(this, 1, FieldGrid::UseBoxes::Yes);
  ipBox = grid.useBox(Name{"CheckBox_IPAddress"});
  ipEdit = grid.edit(QStringLiteral("Certificate File IP Address"), Name{"ED_IPAddress"}, ipBox);
  filePathBox = grid.useBox(Name{"CheckBox_FilePath"});
  filePathEdit = grid.edit(QStringLiteral("Certificate File Path"), Name{"ED_FilePath"}, filePathBox);
  keyFilePathBox = grid.useBox(Name{"CheckBox_KeyFilePath"});
  keyFilePathEdit = grid.edit(QStringLiteral("Certificate Key File Path"), Name{"ED_KeyFilePath"}, keyFilePathBox);
  fileControlBox = grid.useBox(Name{"CheckBox_FileControl"});
  fileControlCombo = grid.combo(QStringLiteral("Certificate File Control"), Name{"Combox_FileControl"}, fileControlBox);
  QLineEdit* statusEdit = grid.edit(QStringLiteral("Certificate File Show Status"), Name{"ED_Status"});
  statusEdit->setReadOnly(true);
  for (QLineEdit* e : {ipEdit, filePathEdit, keyFilePathEdit, statusEdit}) e->setMinimumWidth(Px(this, 220));
  SettingsLayout layout(this, grid.layout());
  ButtonBar& buttons = layout.buttons();
  buttons.add(QStringLiteral("Refresh"), Name{"RefreshButton"}, [this] { refreshClicked(); });
  setCheckedButton =
      buttons.add(QStringLiteral("Set Checked "), Name{"SetCheckedButton"}, [this] { setCheckedClicked(); });
  checkAllButton = buttons.add(QStringLiteral("Check All"), Name{"CheckAllButton"}, [this] { checkAll(true); });
  clearAllButton = buttons.add(QStringLiteral("Clear All"), Name{"ClearAllButton"}, [this] { checkAll(false); });
  buttons.close(Name{"CloseButton"});
  messages = layout.addMemo(Name{"Memo1"}, 80);

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
