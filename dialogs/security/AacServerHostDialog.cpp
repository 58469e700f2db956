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

AacServerHostDialog::AacServerHostDialog(QWidget* owner) : RowEditDialog(owner, tbl::AacServerHost) {
  auto edit = [this](const char* name) {
    auto* e = new QLineEdit(this);
    e->setObjectName(QString::fromLatin1(name));
    return e;
  };
  IPEdit = edit("IPEdit");
  ProtocolComboBox = new QComboBox(this);
  ProtocolComboBox->setObjectName(QStringLiteral("ProtocolComboBox"));
  PortEdit = edit("PortEdit");
  KeyEdit = edit("KeyEdit");
  TimeoutEdit = edit("TimeoutEdit");
  RetryCEdit = edit("RetryCEdit");
  RowComboBox = new QComboBox(this);
  RowComboBox->setObjectName(QStringLiteral("RowComboBox"));
  rowStatusCombo_ = RowComboBox;
  AddField(QStringLiteral("Server IP"), IPEdit);
  AddField(QStringLiteral("Protocol"), ProtocolComboBox);
  AddField(QStringLiteral("Port"), PortEdit);
  AddField(QStringLiteral("Key"), KeyEdit);
  AddField(QStringLiteral("Timeout"), TimeoutEdit);
  AddField(QStringLiteral("Retry Count"), RetryCEdit);
  AddField(QStringLiteral("Row Status"), RowComboBox);
  indexControls_ = {IPEdit, ProtocolComboBox};
  binding->AssociateEdits(kIp, "%s{l16}", IPEdit);
  binding->AssociateControl(kProtocol, ProtocolComboBox);
  binding->AssociateEdits(kPort, "%i{n1x65535l5}", PortEdit);
  binding->AssociateEdits(kKey, "%s{l254}", KeyEdit);
  binding->AssociateEdits(kTimeout, "%i{n1x255}", TimeoutEdit);
  binding->AssociateEdits(kRetry, "%i{n1x255}", RetryCEdit);
  binding->AssociateControl(kRowStatus, RowComboBox);
  // Every choice of a protocol applies its rule, with or without a row.
  connect(ProtocolComboBox, &QComboBox::currentIndexChanged, this, [this] { ProtocolComboBoxChange(); });
  connect(AddButton, &QPushButton::clicked, this, [this] { AddClick(); });
  connect(EditButton, &QPushButton::clicked, this, [this] { EditClick(); });
  connect(DeleteButton, &QPushButton::clicked, this, [this] { DeleteClick(); });
  FinishLayout(QStringLiteral("Static"));
}

void AacServerHostDialog::ProtocolComboBoxChange() {
  const QString protocol = ProtocolComboBox->currentText();
  if (protocol.isEmpty()) {
    KeyEdit->setEnabled(true);
    RetryCEdit->setEnabled(true);
    return;
  }
  SetUsable(KeyEdit, protocol == QLatin1String("tacacs-plus") || protocol == QLatin1String("radius"));
  SetUsable(RetryCEdit, protocol != QLatin1String("tacacs-plus"));
}

void AacServerHostDialog::StateChanged(bool selected) {
  if (selected) {
    ProtocolComboBoxChange();
  } else {
    KeyEdit->setEnabled(true);
    RetryCEdit->setEnabled(true);
  }
}

void AacServerHostDialog::ExcludeEmptyEdits(KyColumnExclusion& guard) {
  const std::pair<QLineEdit*, int> optional[] = {{PortEdit, kPort}, {KeyEdit, kKey}, {TimeoutEdit, kTimeout},
                                                 {RetryCEdit, kRetry}};
  for (const auto& [edit, var] : optional)
    if (edit->text().isEmpty()) guard.Exclude(var);
}

void AacServerHostDialog::AddClick() {
  if (!CheckIpv4Text(this, IPEdit->text())) {
    IPEdit->setFocus();
    return;
  }
  if (ProtocolComboBox->currentText().isEmpty()) {
    Message(this, "Protocol must be set.");
    return;
  }
  for (int i = 0; i < ListView1->topLevelItemCount(); ++i) {
    const QTreeWidgetItem* line = ListView1->topLevelItem(i);
    if (line->text(0) == IPEdit->text() && line->text(1) == ProtocolComboBox->currentText()) {
      Message(this, "Has already a record with the same Server IP and Protocol. Please change Server IP or Protocol.");
      IPEdit->setFocus();
      return;
    }
  }
  if (RowComboBox->currentText() != QLatin1String("createAndGo")) {
    Message(this, "Row State must be createAndGo.");
    return;
  }
  WriteRow([&](KyColumnExclusion& guard) { ExcludeEmptyEdits(guard); });
}

void AacServerHostDialog::EditClick() {
  if (IPEdit->text().isEmpty()) {
    Message(this, "Server IP must be set.");
    return;
  }
  if (ProtocolComboBox->currentText().isEmpty()) {
    Message(this, "Protocol must be set.");
    return;
  }
  if (RowComboBox->currentText() == QLatin1String("destroy")) {
    WriteRow([&](KyColumnExclusion& guard) { guard.ExcludeAllBut({kIp, kProtocol, kRowStatus}); });
    return;
  }
  WriteRow([&](KyColumnExclusion& guard) {
    ExcludeEmptyEdits(guard);
    guard.Exclude(kRowStatus);
  });
}

void AacServerHostDialog::DeleteClick() {
  if (!RowSelected()) return;
  WriteRow([&](KyColumnExclusion& guard) {
    guard.ExcludeAllBut({kIp, kProtocol, kRowStatus});
    SetComboText(RowComboBox, QStringLiteral("destroy"));
  });
}
