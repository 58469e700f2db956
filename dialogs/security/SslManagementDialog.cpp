#include "dialogs/security/SslManagementDialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>

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

SslManagementDialog::SslManagementDialog(const DialogContext& context) : SnmpDialog(context.owner) {
  FieldForm form(this);
  versionCombo = form.combo(QStringLiteral("SSL Status"), Name{"cbxSSLVersion"});
  // The octet as read and written: hidden, shown as the four combos.
  cipherSuitesEdit = new QLineEdit(this);
  cipherSuitesEdit->setObjectName(QStringLiteral("edtciphersuites"));
  cipherSuitesEdit->hide();
  for (int k = 0; k < 4; ++k) {
    const QByteArray name = "cbxciphersuites" + QByteArray::number(k + 1);
    cipherCombos[k] = form.combo(QString::fromLatin1(kCipherNames[k]), Name{name.constData()});
    cipherCombos[k]->addItems({QStringLiteral("disabled"), QStringLiteral("enabled")});
    cipherCombos[k]->setCurrentIndex(-1);
    cipherCombos[k]->setMinimumWidth(Px(this, 160));
  }
  cacheTimeoutEdit = form.edit(QStringLiteral("Cache Timeout"), Name{"edtCacheTimeOut"});
  SettingsLayout layout(this, form.layout());
  layout.addBelowFields(cipherSuitesEdit);
  layout.buttons().add(QStringLiteral("Refresh"), Name{"btnGet"}, [this] { refreshClicked(); });
  setButton = layout.buttons().add(QStringLiteral("Set"), Name{"btnSet"}, [this] { setClicked(); });
  layout.buttons().close(Name{"CloseButton"});
  statusLabel = layout.addStatusBar();

  binding_ = AddBinding(tbl::SslManagement, /*asynchronous=*/false, statusLabel);
  binding_->AssociateControl(0, versionCombo);
  binding_->AssociateEdits(1, "%s{l2}", cipherSuitesEdit);
  binding_->AssociateEdits(2, "%i{n60x86400l5}", cacheTimeoutEdit);
}

void SslManagementDialog::refreshClicked() {
  try {
    binding_->Refresh();
  } catch (const std::exception& e) {
    binding_->ShowStatus(ErrorText(e));
    return;  // the combos follow only a read that succeeded
  }
  CiphersFromText();
}

void SslManagementDialog::CiphersFromText() {
  const QString text = cipherSuitesEdit->text();
  if (text.size() != 2) return;
  bool ok = false;
  const int digit = QString(text[0]).toInt(&ok, 16);
  if (!ok) return;
  for (int k = 0; k < 4; ++k) cipherCombos[k]->setCurrentIndex((digit & kBits[k]) != 0 ? 1 : 0);
}

QString SslManagementDialog::CiphersText() const {
  int digit = 0;
  for (int k = 0; k < 4; ++k)
    if (cipherCombos[k]->currentIndex() == 1) digit |= kBits[k];
  return QString::number(digit, 16).toUpper() + QLatin1Char('0');
}

void SslManagementDialog::setClicked() {
  bool empty = versionCombo->currentText().isEmpty() || cacheTimeoutEdit->text().isEmpty();
  for (QComboBox* c : cipherCombos) empty = empty || c->currentText().isEmpty();
  if (empty) {
    ShowMessageBox(this, QString::fromLatin1(kSomeItemsEmpty), ProgramCaption(), QMessageBox::Ok,
                   QMessageBox::Warning);
    setButton->setFocus();
    return;
  }
  cipherSuitesEdit->setText(CiphersText());
  try {
    binding_->Apply(/*refreshAfter=*/true, /*convert=*/true);
  } catch (const std::exception& e) {
    binding_->ShowStatus(ErrorText(e));
    return;
  }
  refreshClicked();
}
