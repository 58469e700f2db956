#include "dialogs/security/RadiusServerDialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "dialogs/common/DialogLayout.h"
#include "dialogs/security/RadiusServerEditDialog.h"
#include "editors/ControlBinding.h"
#include "editors/DialogHelpers.h"
#include "editors/Errors.h"
#include "editors/UiSupport.h"
#include "tables/DefTables.h"

namespace {

// Variables: 0 index, 1 address, 2 key, 3 authentication port, 4 accounting
// port, 5 status.
constexpr int kIndex = 0, kIp = 1, kKey = 2, kAuthPort = 3, kAcctPort = 4, kStatus = 5;

constexpr int kCreateAndGoItem = 3;

constexpr int kDestroyItem = 5;

void Message(QWidget* owner, const QString& text) { ShowMessageBox(owner, text, ProgramCaption()); }

// A field as the duplicate rule compares it: empty reads as its default.
QString OrDefault(const QString& text, const char* fallback) {
  return text.isEmpty() ? QString::fromLatin1(fallback) : text;
}

}  // namespace

RadiusServerDialog::RadiusServerDialog(QWidget* owner) : SnmpDialog(owner) {
  serverList = new QTreeWidget(this);
  serverList->setObjectName(QStringLiteral("ListView1"));
  serverList->setMinimumSize(Px(this, 560), Px(this, 140));
  messages = new QPlainTextEdit(this);
  messages->setObjectName(QStringLiteral("Memo1"));
  messages->setReadOnly(true);
  messages->setMaximumHeight(Px(this, 80));
  binding = AddBinding(tbl::RadiusServer, /*asynchronous=*/false, messages);
  SetBusyText(QString::fromLatin1(kGetDataNotComplete));
  editWindow = new RadiusServerEditDialog(this);
  binding->AssociateControl(kIndex, editWindow->indexCombo);
  binding->AssociateEdits(kIp, "%s{l16}", editWindow->ipEdit);
  binding->AssociateEdits(kKey, "%s{l32}", editWindow->keyEdit);
  binding->AssociateEdits(kAuthPort, "%i{n1x65535l5}", editWindow->authPortEdit);
  binding->AssociateEdits(kAcctPort, "%i{n1x65535l5}", editWindow->accountingPortEdit);
  binding->AssociateControl(kStatus, editWindow->statusCombo);
  binding->AttachListView(serverList, false);

  auto* top = new QVBoxLayout(this);
  top->addWidget(serverList, 1);
  ButtonBar row(this);
  refreshButton = row.add(QStringLiteral("Refresh"), Name{"RefreshButton"}, [this] { refreshClicked(); });
  addButton = row.add(QStringLiteral("Add"), Name{"AddButton"}, [this] { addClicked(); });
  deleteButton = row.add(QStringLiteral("Delete"), Name{"DeleteButton"}, [this] { deleteClicked(); });
  editButton = row.add(QStringLiteral("Edit"), Name{"EditButton"}, [this] { editClicked(); });
  closeButton = row.close(Name{"CloseButton"});
  QLabel* caption = nullptr;
  QLabel* count = AddSamplesCounter(this, serverList, &caption);
  count->setObjectName(QStringLiteral("StaticText1"));
  row.placeCounter(caption, count);
  top->addLayout(row.layout());
  top->addWidget(messages);

  connect(serverList, &QTreeWidget::itemSelectionChanged, this, [this] {
    const bool selected = !serverList->selectedItems().isEmpty();
    editButton->setEnabled(selected);
    deleteButton->setEnabled(selected);
  });
  connect(serverList, &QTreeWidget::itemDoubleClicked, this, [this] { editClicked(); });
  editButton->setEnabled(false);
  deleteButton->setEnabled(false);
}

void RadiusServerDialog::refreshClicked() {
  if (binding->busy) return;
  try {
    binding->Refresh();
  } catch (const std::exception& e) {
    binding->ShowStatus(ErrorText(e));
  }
  editButton->setEnabled(false);
  deleteButton->setEnabled(false);
}

void RadiusServerDialog::addClicked() {
  editWindow->Prepare(true);
  editWindow->exec();
}

void RadiusServerDialog::editClicked() {
  if (serverList->selectedItems().isEmpty()) return;
  editWindow->Prepare(false);
  editWindow->exec();
}

QString RadiusServerDialog::AddressRuleMessage(const QString& ip) {
  if (ip == QLatin1String("255.255.255.255")) return QStringLiteral("you can't input this ip address");
  const int first = ip.section(QLatin1Char('.'), 0, 0).toInt();
  if (first == 127) return QStringLiteral("you can't input ip address like 127.*.*.*");
  if (first >= 224 && first <= 239) return QStringLiteral("Ip address can not in class d");
  // 248 and above pass: the rule stops at 247 on purpose.
  if (first >= 240 && first <= 247) return QStringLiteral("Ip address can not in class e");
  return {};
}

bool RadiusServerDialog::CheckAddress() {
  const QString ip = editWindow->ipEdit->text();
  if (ip.isEmpty()) return true;
  if (ip.startsWith(QLatin1Char('.'))) {
    Message(editWindow, QString::fromLatin1(kInvalidIpMessage));
    return false;
  }
  if (!CheckIpv4Text(editWindow, ip, QStringLiteral("Please input a valid ip!"))) return false;
  const QString rule = AddressRuleMessage(ip);
  if (!rule.isEmpty()) {
    Message(editWindow, rule);
    return false;
  }
  return true;
}

bool RadiusServerDialog::IsDuplicate() const {
  auto column = [this](int var) {
    for (int c = 0; c < serverList->columnCount(); ++c)
      if (binding->ColumnVariable(c) == var) return c;
    return -1;
  };
  const QString ip = OrDefault(editWindow->ipEdit->text(), "0.0.0.0");
  const QString key = OrDefault(editWindow->keyEdit->text(), "0");
  const QString auth = OrDefault(editWindow->authPortEdit->text(), "1812");
  const QString acct = OrDefault(editWindow->accountingPortEdit->text(), "1813");
  const int ipC = column(kIp), keyC = column(kKey), authC = column(kAuthPort), acctC = column(kAcctPort);
  for (int i = 0; i < serverList->topLevelItemCount(); ++i) {
    const QTreeWidgetItem* line = serverList->topLevelItem(i);
    if (OrDefault(line->text(ipC), "0.0.0.0") == ip && OrDefault(line->text(keyC), "0") == key &&
        OrDefault(line->text(authC), "1812") == auth && OrDefault(line->text(acctC), "1813") == acct)
      return true;
  }
  return false;
}

bool RadiusServerDialog::setFromEditWindow() {
  RadiusServerEditDialog& f = *editWindow;
  // A second Set while the first is written (a double click) sends nothing.
  if (Bindings().refuses()) {
    Message(&f, Bindings().busyText);
    return false;
  }
  const bool add = f.AddMode();
  if (add) {
    const QString index = f.indexCombo->currentText();
    if (index.isEmpty()) {
      Message(&f, QStringLiteral("Index is needed!"));
      return false;
    }
    if (!serverList->findItems(index, Qt::MatchExactly, 0).isEmpty()) {
      Message(&f, QStringLiteral("Index is already exist!"));
      f.indexCombo->setFocus();
      return false;
    }
  }
  if (!CheckAddress()) return false;
  if (IsDuplicate()) {
    Message(&f, QStringLiteral("the variable is already exist"));
    return false;
  }
  KyColumnExclusion guard(binding->request.varList);
  if (add) {
    if (f.authPortEdit->text().isEmpty()) f.authPortEdit->setText(QStringLiteral("1812"));
    if (f.accountingPortEdit->text().isEmpty()) f.accountingPortEdit->setText(QStringLiteral("1813"));
    f.statusCombo->setCurrentIndex(kCreateAndGoItem);
    // An empty address is not sent (it has no value to send).
    if (f.ipEdit->text().isEmpty()) guard.Exclude(kIp);
  } else {
    const QList<QTreeWidgetItem*> selected = serverList->selectedItems();
    if (selected.isEmpty()) return false;
    const QTreeWidgetItem* line = selected.first();
    const std::pair<QLineEdit*, int> fields[] = {
        {f.ipEdit, kIp}, {f.keyEdit, kKey}, {f.authPortEdit, kAuthPort}, {f.accountingPortEdit, kAcctPort}};
    for (const auto& [edit, var] : fields) {
      int c = -1;
      for (int k = 0; k < serverList->columnCount(); ++k)
        if (binding->ColumnVariable(k) == var) c = k;
      if (edit->text().isEmpty() || (c >= 0 && line->text(c) == edit->text())) guard.Exclude(var);
    }
    if (f.ipEdit->text() == QLatin1String("0.0.0.0")) guard.Exclude(kIp);
  }
  try {
    binding->Apply(/*refreshAfter=*/false, /*convert=*/true);
  } catch (const std::exception& e) {
    guard.Restore();
    binding->ShowStatus(ErrorText(e));
    // The operator looks at the edit window, which stays open: the error
    // shows there too. What the switch holds now is read again.
    Message(&f, QString::fromStdString(StatusLine(kSetStatus, binding->request.varList.name, ErrorText(e))));
    const QString index = f.indexCombo->currentText();
    refreshClicked();
    if (!add) SelectKeepingFields(index);
    return false;
  }
  guard.Restore();
  refreshClicked();
  return true;
}

void RadiusServerDialog::SelectKeepingFields(const QString& index) {
  const QList<QTreeWidgetItem*> lines = serverList->findItems(index, Qt::MatchExactly, 0);
  if (lines.isEmpty()) return;
  {
    // Without the selection's handlers, which would put the line's values
    // over what the operator typed.
    const QSignalBlocker quiet(serverList);
    serverList->clearSelection();
    lines.first()->setSelected(true);
  }
  editButton->setEnabled(true);
  deleteButton->setEnabled(true);
}

void RadiusServerDialog::deleteClicked() {
  if (serverList->selectedItems().isEmpty()) {
    Message(this, QStringLiteral("Choose the item first."));
    return;
  }
  if (RefuseWhileBusy(binding, QString::fromLatin1(kGetDataNotComplete))) return;
  {
    KyColumnExclusion guard(binding->request.varList);
    guard.Exclude({kIp, kKey, kAuthPort, kAcctPort});
    editWindow->statusCombo->setCurrentIndex(kDestroyItem);
    try {
      binding->Apply(/*refreshAfter=*/false, /*convert=*/true);
    } catch (const std::exception& e) {
      binding->ShowStatus(ErrorText(e));
    }
  }
  // Read again whatever the outcome: the list shows what the switch holds.
  refreshClicked();
  UpdateSamples();
}
