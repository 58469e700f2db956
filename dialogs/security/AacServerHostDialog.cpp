#include "dialogs/security/AacServerHostDialog.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "editors/ControlBinding.h"
#include "editors/UiSupport.h"
#include "tables/DefTables.h"

namespace {
// Variables: 0 address, 1 protocol (the two indexes), 2 port, 3 key,
// 4 timeout, 5 retry count, 6 row status.
constexpr int kIp = 0, kProtocol = 1, kPort = 2, kKey = 3, kTimeout = 4, kRetry = 5, kRowStatus = 6;

void Message(QWidget* owner, const char* text) { ShowMessageBox(owner, QString::fromLatin1(text), ProgramCaption()); }

void SetUsable(QLineEdit* edit, bool usable) {
  if (!usable) edit->clear();
  edit->setEnabled(usable);
}
}  // namespace

AacServerHostDialog::AacServerHostDialog(const DialogContext& context)
    : RowEditDialog(context, tbl::AacServerHost) {
  ipEdit = field(kIp, QStringLiteral("Server IP"), Name{"IPEdit"}, "%s{l16}", Role::Index);
  protocolCombo = choice(kProtocol, QStringLiteral("Protocol"), Name{"ProtocolComboBox"}, Role::Index);
  portEdit = field(kPort, QStringLiteral("Port"), Name{"PortEdit"}, "%i{n1x65535l5}");
  keyEdit = field(kKey, QStringLiteral("Key"), Name{"KeyEdit"}, "%s{l254}");
  timeoutEdit = field(kTimeout, QStringLiteral("Timeout"), Name{"TimeoutEdit"}, "%i{n1x255}");
  retryEdit = field(kRetry, QStringLiteral("Retry Count"), Name{"RetryCEdit"}, "%i{n1x255}");
  rowStatusCombo = rowStatusChoice(kRowStatus, QStringLiteral("Row Status"), Name{"RowComboBox"});
  // Every choice of a protocol applies its rule, with or without a row.
  connect(protocolCombo, &QComboBox::currentIndexChanged, this, [this] { protocolChanged(); });
  finishLayout(Name{"Static"});
}

void AacServerHostDialog::protocolChanged() {
  const QString protocol = protocolCombo->currentText();
  if (protocol.isEmpty()) {
    keyEdit->setEnabled(true);
    retryEdit->setEnabled(true);
    return;
  }
  SetUsable(keyEdit, protocol == QLatin1String("tacacs-plus") || protocol == QLatin1String("radius"));
  SetUsable(retryEdit, protocol != QLatin1String("tacacs-plus"));
}

void AacServerHostDialog::stateChanged(bool selected) {
  if (selected) {
    protocolChanged();
  } else {
    keyEdit->setEnabled(true);
    retryEdit->setEnabled(true);
  }
}

void AacServerHostDialog::ExcludeEmptyEdits(KyColumnExclusion& guard) {
  const std::pair<QLineEdit*, int> optional[] = {{portEdit, kPort}, {keyEdit, kKey}, {timeoutEdit, kTimeout},
                                                 {retryEdit, kRetry}};
  for (const auto& [edit, var] : optional)
    if (edit->text().isEmpty()) guard.Exclude(var);
}

void AacServerHostDialog::addClicked() {
  if (!CheckIpv4Text(this, ipEdit->text())) {
    ipEdit->setFocus();
    return;
  }
  if (protocolCombo->currentText().isEmpty()) {
    Message(this, "Protocol must be set.");
    return;
  }
  for (int i = 0; i < list()->topLevelItemCount(); ++i) {
    const QTreeWidgetItem* line = list()->topLevelItem(i);
    if (line->text(0) == ipEdit->text() && line->text(1) == protocolCombo->currentText()) {
      Message(this, "Has already a record with the same Server IP and Protocol. Please change Server IP or Protocol.");
      ipEdit->setFocus();
      return;
    }
  }
  if (rowStatusCombo->currentText() != QLatin1String("createAndGo")) {
    Message(this, "Row State must be createAndGo.");
    return;
  }
  writeRow([&](KyColumnExclusion& guard) { ExcludeEmptyEdits(guard); });
}

void AacServerHostDialog::editClicked() {
  if (ipEdit->text().isEmpty()) {
    Message(this, "Server IP must be set.");
    return;
  }
  if (protocolCombo->currentText().isEmpty()) {
    Message(this, "Protocol must be set.");
    return;
  }
  if (rowStatusCombo->currentText() == QLatin1String("destroy")) {
    writeRow([&](KyColumnExclusion& guard) { guard.ExcludeAllBut({kIp, kProtocol, kRowStatus}); });
    return;
  }
  writeRow([&](KyColumnExclusion& guard) {
    ExcludeEmptyEdits(guard);
    guard.Exclude(kRowStatus);
  });
}

void AacServerHostDialog::deleteClicked() {
  if (!rowSelected()) return;
  writeRow([&](KyColumnExclusion& guard) {
    guard.ExcludeAllBut({kIp, kProtocol, kRowStatus});
    SelectText(rowStatusCombo, QStringLiteral("destroy"));
  });
}
