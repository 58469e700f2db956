#include "dialogs/security/SslCertificateFileDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "editors/ControlBinding.h"
#include "editors/DialogHelpers.h"
#include "editors/Errors.h"
#include "editors/UiSupport.h"
#include "tables/DefTables.h"

namespace {
// Variables: 0 address, 1 file path, 2 key file path, 3 control, 4 show status.
constexpr int kIp = 0, kPath = 1, kKeyPath = 2, kControl = 3, kShowStatus = 4;
}  // namespace

SslCertificateFileDialog::SslCertificateFileDialog(QWidget* owner) : SnmpDialog(owner) {
  auto edit = [this](const char* name) {
    auto* e = new QLineEdit(this);
    e->setObjectName(QString::fromLatin1(name));
    e->setMinimumWidth(Px(this, 220));
    return e;
  };
  auto box = [this](const char* name) {
    auto* b = new QCheckBox(this);
    b->setObjectName(QString::fromLatin1(name));
    return b;
  };
  ED_IPAddress = edit("ED_IPAddress");
  ED_FilePath = edit("ED_FilePath");
  ED_KeyFilePath = edit("ED_KeyFilePath");
  Combox_FileControl = new QComboBox(this);
  Combox_FileControl->setObjectName(QStringLiteral("Combox_FileControl"));
  ED_Status = edit("ED_Status");
  ED_Status->setReadOnly(true);
  CheckBox_IPAddress = box("CheckBox_IPAddress");
  CheckBox_FilePath = box("CheckBox_FilePath");
  CheckBox_KeyFilePath = box("CheckBox_KeyFilePath");
  CheckBox_FileControl = box("CheckBox_FileControl");
  Memo1 = new QPlainTextEdit(this);
  Memo1->setObjectName(QStringLiteral("Memo1"));
  Memo1->setReadOnly(true);
  Memo1->setMaximumHeight(Px(this, 80));

  auto* grid = new QGridLayout;
  const std::pair<const char*, std::pair<QCheckBox*, QWidget*>> rows[] = {
      {"Certificate File IP Address", {CheckBox_IPAddress, ED_IPAddress}},
      {"Certificate File Path", {CheckBox_FilePath, ED_FilePath}},
      {"Certificate Key File Path", {CheckBox_KeyFilePath, ED_KeyFilePath}},
      {"Certificate File Control", {CheckBox_FileControl, Combox_FileControl}},
      {"Certificate File Show Status", {nullptr, ED_Status}},
  };
  int r = 0;
  for (const auto& [caption, controls] : rows) {
    if (controls.first) grid->addWidget(controls.first, r, 0);
    grid->addWidget(new QLabel(QString::fromLatin1(caption), this), r, 1);
    grid->addWidget(controls.second, r, 2);
    ++r;
  }
  auto button = [this](const char* text, const char* name) {
    auto* b = new QPushButton(QString::fromLatin1(text), this);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
  };
  RefreshButton = button("Refresh", "RefreshButton");
  SetCheckedButton = button("Set Checked ", "SetCheckedButton");
  CheckAllButton = button("Check All", "CheckAllButton");
  ClearAllButton = button("Clear All", "ClearAllButton");
  CloseButton = button("Close", "CloseButton");
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  for (QPushButton* b : {RefreshButton, SetCheckedButton, CheckAllButton, ClearAllButton, CloseButton})
    buttons->addWidget(b);
  auto* top = new QVBoxLayout(this);
  top->addLayout(grid);
  top->addLayout(buttons);
  top->addWidget(Memo1);

  binding_ = AddBinding(tbl::SslCertificateFile, /*asynchronous=*/false, Memo1);
  binding_->AssociateEdits(kIp, "%s{l16}", ED_IPAddress);
  binding_->AssociateEdits(kPath, "%s{l64}", ED_FilePath);
  binding_->AssociateEdits(kKeyPath, "%s{l64}", ED_KeyFilePath);
  binding_->AssociateControl(kControl, Combox_FileControl);
  binding_->AssociateEdits(kShowStatus, "%s", ED_Status);
  connect(RefreshButton, &QPushButton::clicked, this, [this] { RefreshClick(); });
  connect(SetCheckedButton, &QPushButton::clicked, this, [this] { SetCheckedClick(); });
  connect(CheckAllButton, &QPushButton::clicked, this, [this] { CheckAll(true); });
  connect(ClearAllButton, &QPushButton::clicked, this, [this] { CheckAll(false); });
  connect(CloseButton, &QPushButton::clicked, this, &QDialog::reject);
}

void SslCertificateFileDialog::CheckAll(bool checked) {
  for (QCheckBox* b : {CheckBox_IPAddress, CheckBox_FilePath, CheckBox_KeyFilePath, CheckBox_FileControl})
    b->setChecked(checked);
}

void SslCertificateFileDialog::RefreshClick() {
  try {
    binding_->Refresh();
  } catch (const std::exception& e) {
    binding_->ShowStatus(ErrorText(e));
  }
  CheckAll(false);
}

void SslCertificateFileDialog::SetCheckedClick() {
  const std::pair<QCheckBox*, int> uses[] = {
      {CheckBox_IPAddress, kIp}, {CheckBox_FilePath, kPath}, {CheckBox_KeyFilePath, kKeyPath},
      {CheckBox_FileControl, kControl}};
  bool any = false;
  for (const auto& [box, var] : uses) any = any || box->isChecked();
  if (!any) return;  // nothing to write
  if (CheckBox_IPAddress->isChecked() && !CheckIpv4Text(this, ED_IPAddress->text())) {
    ED_IPAddress->setFocus();
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
  RefreshClick();
}
