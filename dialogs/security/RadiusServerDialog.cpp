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
#include "dialogs/common/DialogParts.h"
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
  ListView1 = new QTreeWidget(this);
  ListView1->setObjectName(QStringLiteral("ListView1"));
  ListView1->setMinimumSize(Px(this, 560), Px(this, 140));
  Memo1 = new QPlainTextEdit(this);
  Memo1->setObjectName(QStringLiteral("Memo1"));
  Memo1->setReadOnly(true);
  Memo1->setMaximumHeight(Px(this, 80));
  RefreshButton = MakeButton(this, "Refresh", "RefreshButton");
  AddButton = MakeButton(this, "Add", "AddButton");
  DeleteButton = MakeButton(this, "Delete", "DeleteButton");
  EditButton = MakeButton(this, "Edit", "EditButton");
  binding = AddBinding(tbl::RadiusServer, /*asynchronous=*/false, Memo1);
  SetBusyText(QString::fromLatin1(kGetDataNotComplete));
  EditForm = new RadiusServerEditDialog(this);
  binding->AssociateControl(kIndex, EditForm->IndexComboBox);
  binding->AssociateEdits(kIp, "%s{l16}", EditForm->IpEdit);
  binding->AssociateEdits(kKey, "%s{l32}", EditForm->KeyEdit);
  binding->AssociateEdits(kAuthPort, "%i{n1x65535l5}", EditForm->PortIndexEdit);
  binding->AssociateEdits(kAcctPort, "%i{n1x65535l5}", EditForm->AccountPortEdit);
  binding->AssociateControl(kStatus, EditForm->StatusComboBox);
  binding->AttachListView(ListView1, false);

  auto* top = new QVBoxLayout(this);
  top->addWidget(ListView1, 1);
  ButtonBar row(this);
  for (QPushButton* b : {RefreshButton, AddButton, DeleteButton, EditButton}) row.place(b);
  CloseButton = row.close(Name{"CloseButton"});
  QLabel* caption = nullptr;
  QLabel* count = AddSamplesCounter(this, ListView1, &caption);
  count->setObjectName(QStringLiteral("StaticText1"));
  row.placeCounter(caption, count);
  top->addLayout(row.layout());
  top->addWidget(Memo1);

  connect(ListView1, &QTreeWidget::itemSelectionChanged, this, [this] {
    const bool selected = !ListView1->selectedItems().isEmpty();
    EditButton->setEnabled(selected);
    DeleteButton->setEnabled(selected);
  });
  connect(ListView1, &QTreeWidget::itemDoubleClicked, this, [this] { EditClick(); });
  connect(RefreshButton, &QPushButton::clicked, this, [this] { RefreshClick(); });
  connect(AddButton, &QPushButton::clicked, this, [this] { AddClick(); });
  connect(EditButton, &QPushButton::clicked, this, [this] { EditClick(); });
  connect(DeleteButton, &QPushButton::clicked, this, [this] { DeleteClick(); });
  EditButton->setEnabled(false);
  DeleteButton->setEnabled(false);
}

void RadiusServerDialog::RefreshClick() {
  if (binding->busy) return;
  try {
    binding->Refresh();
  } catch (const std::exception& e) {
    binding->ShowStatus(ErrorText(e));
  }
  EditButton->setEnabled(false);
  DeleteButton->setEnabled(false);
}

void RadiusServerDialog::AddClick() {
  EditForm->Prepare(true);
  EditForm->exec();
}

void RadiusServerDialog::EditClick() {
  if (ListView1->selectedItems().isEmpty()) return;
  EditForm->Prepare(false);
  EditForm->exec();
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
  const QString ip = EditForm->IpEdit->text();
  if (ip.isEmpty()) return true;
  if (ip.startsWith(QLatin1Char('.'))) {
    Message(EditForm, QString::fromLatin1(kInvalidIpMessage));
    return false;
  }
  if (!CheckIpv4Text(EditForm, ip, QStringLiteral("Please input a valid ip!"))) return false;
  const QString rule = AddressRuleMessage(ip);
  if (!rule.isEmpty()) {
    Message(EditForm, rule);
    return false;
  }
  return true;
}

bool RadiusServerDialog::IsDuplicate() const {
  auto column = [this](int var) {
    for (int c = 0; c < ListView1->columnCount(); ++c)
      if (binding->ColumnVariable(c) == var) return c;
    return -1;
  };
  const QString ip = OrDefault(EditForm->IpEdit->text(), "0.0.0.0");
  const QString key = OrDefault(EditForm->KeyEdit->text(), "0");
  const QString auth = OrDefault(EditForm->PortIndexEdit->text(), "1812");
  const QString acct = OrDefault(EditForm->AccountPortEdit->text(), "1813");
  const int ipC = column(kIp), keyC = column(kKey), authC = column(kAuthPort), acctC = column(kAcctPort);
  for (int i = 0; i < ListView1->topLevelItemCount(); ++i) {
    const QTreeWidgetItem* line = ListView1->topLevelItem(i);
    if (OrDefault(line->text(ipC), "0.0.0.0") == ip && OrDefault(line->text(keyC), "0") == key &&
        OrDefault(line->text(authC), "1812") == auth && OrDefault(line->text(acctC), "1813") == acct)
      return true;
  }
  return false;
}

bool RadiusServerDialog::SetFromEditForm() {
  RadiusServerEditDialog& f = *EditForm;
  // A second Set while the first is written (a double click) sends nothing.
  if (Bindings().refuses()) {
    Message(&f, Bindings().busyText);
    return false;
  }
  const bool add = f.AddMode();
  if (add) {
    const QString index = f.IndexComboBox->currentText();
    if (index.isEmpty()) {
      Message(&f, QStringLiteral("Index is needed!"));
      return false;
    }
    if (!ListView1->findItems(index, Qt::MatchExactly, 0).isEmpty()) {
      Message(&f, QStringLiteral("Index is already exist!"));
      f.IndexComboBox->setFocus();
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
    if (f.PortIndexEdit->text().isEmpty()) f.PortIndexEdit->setText(QStringLiteral("1812"));
    if (f.AccountPortEdit->text().isEmpty()) f.AccountPortEdit->setText(QStringLiteral("1813"));
    f.StatusComboBox->setCurrentIndex(kCreateAndGoItem);
    // An empty address is not sent (it has no value to send).
    if (f.IpEdit->text().isEmpty()) guard.Exclude(kIp);
  } else {
    const QList<QTreeWidgetItem*> selected = ListView1->selectedItems();
    if (selected.isEmpty()) return false;
    const QTreeWidgetItem* line = selected.first();
    const std::pair<QLineEdit*, int> fields[] = {
        {f.IpEdit, kIp}, {f.KeyEdit, kKey}, {f.PortIndexEdit, kAuthPort}, {f.AccountPortEdit, kAcctPort}};
    for (const auto& [edit, var] : fields) {
      int c = -1;
      for (int k = 0; k < ListView1->columnCount(); ++k)
        if (binding->ColumnVariable(k) == var) c = k;
      if (edit->text().isEmpty() || (c >= 0 && line->text(c) == edit->text())) guard.Exclude(var);
    }
    if (f.IpEdit->text() == QLatin1String("0.0.0.0")) guard.Exclude(kIp);
  }
  try {
    binding->Apply(/*refreshAfter=*/false, /*convert=*/true);
  } catch (const std::exception& e) {
    guard.Restore();
    binding->ShowStatus(ErrorText(e));
    // The operator looks at the edit window, which stays open: the error
    // shows there too. What the switch holds now is read again.
    Message(&f, QString::fromStdString(StatusLine(kSetStatus, binding->request.varList.name, ErrorText(e))));
    const QString index = f.IndexComboBox->currentText();
    RefreshClick();
    if (!add) SelectKeepingFields(index);
    return false;
  }
  guard.Restore();
  RefreshClick();
  return true;
}

void RadiusServerDialog::SelectKeepingFields(const QString& index) {
  const QList<QTreeWidgetItem*> lines = ListView1->findItems(index, Qt::MatchExactly, 0);
  if (lines.isEmpty()) return;
  {
    // Without the selection's handlers, which would put the line's values
    // over what the operator typed.
    const QSignalBlocker quiet(ListView1);
    ListView1->clearSelection();
    lines.first()->setSelected(true);
  }
  EditButton->setEnabled(true);
  DeleteButton->setEnabled(true);
}

void RadiusServerDialog::DeleteClick() {
  if (ListView1->selectedItems().isEmpty()) {
    Message(this, QStringLiteral("Choose the item first."));
    return;
  }
  if (RefuseWhileBusy(binding, QString::fromLatin1(kGetDataNotComplete))) return;
  {
    KyColumnExclusion guard(binding->request.varList);
    guard.Exclude({kIp, kKey, kAuthPort, kAcctPort});
    EditForm->StatusComboBox->setCurrentIndex(kDestroyItem);
    try {
      binding->Apply(/*refreshAfter=*/false, /*convert=*/true);
    } catch (const std::exception& e) {
      binding->ShowStatus(ErrorText(e));
    }
  }
  // Read again whatever the outcome: the list shows what the switch holds.
  RefreshClick();
  UpdateSamples();
}
