#include "dialogs/vlan/StaticFilterDialog.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "editors/ControlBinding.h"
#include "editors/DialogHelpers.h"
#include "editors/Errors.h"
#include "editors/PortGrid.h"
#include "editors/UiSupport.h"

namespace {
const QString kLockedStyle = QStringLiteral("background-color: palette(button);");
}

StaticFilterDialog::StaticFilterDialog(const DialogContext& context, const Variant& variant)
    : TableDialog(context, variant.table,
                  {.objectName = variant.objectName,
                   .caption = variant.title,
                   .list = {Name{variant.listName}, {480, 150}},
                   .fieldColumns = 2,
                   .asynchronous = true}),
      lockByDisabling_(variant.lockByDisabling),
      errorsAsStatus_(variant.errorsAsStatus) {
  filterList = list();
  vlanIdEdit = edit(kVid, variant.vidCaption, Name{variant.vidName}, "%i{n1x4094}");
  macEdit = edit(kMac, variant.macCaption, Name{variant.macName}, "%h");
  statusCombo = combo(kStatus, QStringLiteral("Status"), Name{variant.statusName});
  button(QStringLiteral("Refresh"), Name{"RefreshBtn"}, [this] { refreshClicked(); });
  addButton = button(QStringLiteral("Add"), Name{variant.addName}, [this] { addClicked(); }, Enable::WithoutSelection);
  deleteButton = button(QStringLiteral("Delete"), Name{"DeleteBtn"}, [this] { deleteClicked(); }, Enable::WithSelection);
  addCloseButton(Name{"CloseBtn"});
  samplesCounter();
  messages = MakeStatusMemo(this);
  binding()->SetStatusTarget(messages);
  SetBusyText(QString::fromLatin1(kGetDataNotComplete));
  // The receive port index has no visible control: a hidden edit holds the
  // selected entry's own, and 0 (frames from any port) for a new entry.
  receivePort_ = new QLineEdit(this);
  receivePort_->setObjectName(QStringLiteral("ED_ReceivePort"));
  receivePort_->hide();
  binding()->AssociateEdits(kReceivePort, "%i", receivePort_);
  // After the base has set the fields and buttons for the new selection.
  connect(filterList, &QTreeWidget::itemSelectionChanged, this, [this] {
    if (filterList->selectedItems().isEmpty())
      NoSelection();
    else
      LockKeys(true);
  });
}

void StaticFilterDialog::PlacePorts(QWidget* host, PortGrid* ports) {
  arrangement().addBelowFields(host);
  arrangement().addBelowFields(messages);
  this->ports(kPorts, ports);
  NoSelection();
}

void StaticFilterDialog::FirstRefresh() { refreshClicked(); }

void StaticFilterDialog::LockKeys(bool locked) {
  for (QLineEdit* e : {vlanIdEdit, macEdit}) {
    if (lockByDisabling_)
      e->setEnabled(!locked);
    else
      e->setReadOnly(locked);
    e->setStyleSheet(locked ? kLockedStyle : QString());
  }
  if (lockByDisabling_) {
    statusCombo->setEnabled(!locked);
    statusCombo->setStyleSheet(locked ? kLockedStyle : QString());
  }
}

void StaticFilterDialog::NoSelection() {
  clearFields();
  LockKeys(false);
  receivePort_->setText(QStringLiteral("0"));
}

void StaticFilterDialog::ReportError(const std::exception& e) {
  if (errorsAsStatus_)
    binding()->ShowStatus(ErrorText(e));
  else
    messages->appendPlainText(QString::fromStdString(ErrorText(e)));
}

void StaticFilterDialog::refreshClicked() {
  if (binding()->busy) return;
  try {
    binding()->Refresh();
  } catch (const std::exception& e) {
    ReportError(e);
  }
  NoSelection();
}

bool StaticFilterDialog::Refused() { return RefuseWhileBusy(binding(), kGetDataNotComplete); }

void StaticFilterDialog::Write(int leftOut) {
  {
    KyColumnExclusion exclusion(binding()->request.varList);
    if (leftOut >= 0) exclusion.Exclude(leftOut);
    try {
      binding()->Apply(true, true);
    } catch (const std::exception& e) {
      if (errorsAsStatus_) binding()->statusKind = kSetStatus;
      ReportError(e);
    }
  }
  NoSelection();
}
