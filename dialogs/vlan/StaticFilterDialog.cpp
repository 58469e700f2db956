#include "dialogs/vlan/StaticFilterDialog.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "dialogs/common/DialogParts.h"
#include "editors/ControlBinding.h"
#include "editors/DialogHelpers.h"
#include "editors/Errors.h"
#include "editors/PortGrid.h"
#include "editors/UiSupport.h"

namespace {
const QString kLockedStyle = QStringLiteral("background-color: palette(button);");
}

StaticFilterDialog::StaticFilterDialog(const DialogContext& context, const Variant& variant)
    : SnmpDialog(context.owner),
      lockByDisabling_(variant.lockByDisabling),
      errorsAsStatus_(variant.errorsAsStatus),
      layout_(new QVBoxLayout(this)),
      buttons_(this) {
  setObjectName(QString::fromLatin1(variant.objectName));
  setWindowTitle(variant.title + context.agent);
  filterList = MakeListView(this, variant.listName, 480, 150);
  FieldGrid fields(this, 2);
  vlanIdEdit = fields.edit(variant.vidCaption, Name{variant.vidName});
  macEdit = fields.edit(variant.macCaption, Name{variant.macName});
  statusCombo = fields.combo(QStringLiteral("Status"), Name{variant.statusName});
  messages = MakeStatusMemo(this);
  refreshButton = buttons_.add(QStringLiteral("Refresh"), Name{"RefreshBtn"}, [this] { refreshClicked(); });
  addButton = buttons_.add(QStringLiteral("Add"), Name{variant.addName}, [this] { addClicked(); });
  deleteButton = buttons_.add(QStringLiteral("Delete"), Name{"DeleteBtn"}, [this] { deleteClicked(); });
  closeButton = buttons_.close(Name{"CloseBtn"});
  countLabel = buttons_.samplesCounter(this, filterList);
  layout_->addWidget(filterList, 1);
  layout_->addLayout(fields.layout());
  layout_->addWidget(messages);
  layout_->addLayout(buttons_.layout());

  KySNMPRequest2Edits* b = AddBinding(variant.table, true, messages);
  SetBusyText(QString::fromLatin1(kGetDataNotComplete));
  b->AttachListView(filterList, true);
  b->AssociateEdits(kVid, "%i{n1x4094}", vlanIdEdit);
  b->AssociateEdits(kMac, "%h", macEdit);
  b->AssociateControl(kStatus, statusCombo);
  // The receive port index has no visible control: a hidden edit holds the
  // selected entry's own, and 0 (frames from any port) for a new entry.
  receivePort_ = MakeEdit(this, "ED_ReceivePort");
  receivePort_->hide();
  b->AssociateEdits(kReceivePort, "%i", receivePort_);
  connect(filterList, &QTreeWidget::itemSelectionChanged, this, &StaticFilterDialog::selectionChanged);
}

void StaticFilterDialog::PlacePorts(QWidget* host, PortGrid* ports) {
  ports_ = ports;
  layout_->insertWidget(layout_->indexOf(messages), host);
  BindPortList(*Editor(), kPorts, *ports);
}

QPushButton* StaticFilterDialog::AddButton(const QString& text, const char* name, std::function<void()> clicked) {
  return buttons_.add(text, Name{name}, std::move(clicked));
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
  LockKeys(false);
  vlanIdEdit->clear();
  macEdit->clear();
  receivePort_->setText(QStringLiteral("0"));
  statusCombo->setCurrentIndex(-1);
  if (ports_) ports_->ClearAll();
  deleteButton->setEnabled(false);
  addButton->setEnabled(true);
  UpdateSamples();
}

void StaticFilterDialog::selectionChanged() {
  if (filterList->selectedItems().isEmpty()) {
    NoSelection();
    return;
  }
  LockKeys(true);
  Selected();
  deleteButton->setEnabled(true);
  addButton->setEnabled(false);
}

void StaticFilterDialog::ReportError(const std::exception& e) {
  if (errorsAsStatus_)
    Editor()->ShowStatus(ErrorText(e));
  else
    messages->appendPlainText(QString::fromStdString(ErrorText(e)));
}

void StaticFilterDialog::refreshClicked() {
  if (Editor()->busy) return;
  try {
    Editor()->Refresh();
  } catch (const std::exception& e) {
    ReportError(e);
  }
  NoSelection();
}

bool StaticFilterDialog::Refused() { return RefuseWhileBusy(Editor(), kGetDataNotComplete); }

void StaticFilterDialog::Write(int leftOut) {
  {
    KyColumnExclusion exclusion(Editor()->request.varList);
    if (leftOut >= 0) exclusion.Exclude(leftOut);
    try {
      Editor()->Apply(true, true);
    } catch (const std::exception& e) {
      if (errorsAsStatus_) Editor()->statusKind = kSetStatus;
      ReportError(e);
    }
  }
  NoSelection();
}
