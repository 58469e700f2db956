#include "dialogs/security/SslManagementDialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

#include "dialogs/common/DialogLayout.h"
#include "editors/ControlBinding.h"
#include "editors/Errors.h"
#include "editors/UiSupport.h"
#include "tables/DefTables.h"

namespace {
constexpr int kBits[4] = {8, 4, 2, 1};
constexpr const char* kCipherNames[4] = {"RSA-with-RC4-128-MD5", "RSA-with-3DES-EDE-CBC-SHA",
                                         "DHE-DSS-with-3DES-EDE-CBC-SHA", "RSA-EXPORT-with-RC4-40-MD5"};
}  // namespace

SslManagementDialog::SslManagementDialog(QWidget* owner) : SnmpDialog(owner) {
  cbxSSLVersion = new QComboBox(this);
  cbxSSLVersion->setObjectName(QStringLiteral("cbxSSLVersion"));
  edtciphersuites = new QLineEdit(this);
  edtciphersuites->setObjectName(QStringLiteral("edtciphersuites"));
  edtciphersuites->hide();
  edtCacheTimeOut = new QLineEdit(this);
  edtCacheTimeOut->setObjectName(QStringLiteral("edtCacheTimeOut"));
  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("SSL Status"), cbxSSLVersion);
  for (int k = 0; k < 4; ++k) {
    cbxciphersuites[k] = new QComboBox(this);
    cbxciphersuites[k]->setObjectName(QStringLiteral("cbxciphersuites%1").arg(k + 1));
    cbxciphersuites[k]->addItems({QStringLiteral("disabled"), QStringLiteral("enabled")});
    cbxciphersuites[k]->setCurrentIndex(-1);
    cbxciphersuites[k]->setMinimumWidth(Px(this, 160));
    form->addRow(QString::fromLatin1(kCipherNames[k]), cbxciphersuites[k]);
  }
  form->addRow(QStringLiteral("Cache Timeout"), edtCacheTimeOut);
  btnGet = new QPushButton(QStringLiteral("Refresh"), this);
  btnGet->setObjectName(QStringLiteral("btnGet"));
  btnSet = new QPushButton(QStringLiteral("Set"), this);
  btnSet->setObjectName(QStringLiteral("btnSet"));
  for (QPushButton* b : {btnGet, btnSet}) b->setAutoDefault(false);
  StatusBar1 = new QStatusBar(this);
  StatusBar1->setSizeGripEnabled(false);
  StatusPanel0 = new QLabel(StatusBar1);
  StatusPanel0->setObjectName(QStringLiteral("StatusPanel0"));
  StatusBar1->addWidget(StatusPanel0, 1);
  ButtonBar buttonBar(this);
  buttonBar.place(btnGet);
  buttonBar.place(btnSet);
  closeButton = buttonBar.close(Name{"CloseButton"});
  QBoxLayout* buttons = buttonBar.layout();
  auto* top = new QVBoxLayout(this);
  top->addLayout(form);
  top->addWidget(edtciphersuites);
  top->addLayout(buttons);
  top->addWidget(StatusBar1);

  binding_ = AddBinding(tbl::SslManagement, /*asynchronous=*/false, StatusPanel0);
  binding_->AssociateControl(0, cbxSSLVersion);
  binding_->AssociateEdits(1, "%s{l2}", edtciphersuites);
  binding_->AssociateEdits(2, "%i{n60x86400l5}", edtCacheTimeOut);
  connect(btnGet, &QPushButton::clicked, this, [this] { btnGetClick(); });
  connect(btnSet, &QPushButton::clicked, this, [this] { btnSetClick(); });
}

void SslManagementDialog::btnGetClick() {
  try {
    binding_->Refresh();
  } catch (const std::exception& e) {
    binding_->ShowStatus(ErrorText(e));
    return;  // the combos follow only a read that succeeded
  }
  CiphersFromText();
}

void SslManagementDialog::CiphersFromText() {
  const QString text = edtciphersuites->text();
  if (text.size() != 2) return;
  bool ok = false;
  const int digit = QString(text[0]).toInt(&ok, 16);
  if (!ok) return;
  for (int k = 0; k < 4; ++k) cbxciphersuites[k]->setCurrentIndex((digit & kBits[k]) != 0 ? 1 : 0);
}

QString SslManagementDialog::CiphersText() const {
  int digit = 0;
  for (int k = 0; k < 4; ++k)
    if (cbxciphersuites[k]->currentIndex() == 1) digit |= kBits[k];
  return QString::number(digit, 16).toUpper() + QLatin1Char('0');
}

void SslManagementDialog::btnSetClick() {
  bool empty = cbxSSLVersion->currentText().isEmpty() || edtCacheTimeOut->text().isEmpty();
  for (QComboBox* c : cbxciphersuites) empty = empty || c->currentText().isEmpty();
  if (empty) {
    ShowMessageBox(this, QString::fromLatin1(kSomeItemsEmpty), ProgramCaption(), QMessageBox::Ok,
                   QMessageBox::Warning);
    btnSet->setFocus();
    return;
  }
  edtciphersuites->setText(CiphersText());
  try {
    binding_->Apply(/*refreshAfter=*/true, /*convert=*/true);
  } catch (const std::exception& e) {
    binding_->ShowStatus(ErrorText(e));
    return;
  }
  btnGetClick();
}
