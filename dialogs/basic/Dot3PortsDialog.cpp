#include "dialogs/basic/Dot3PortsDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "dialogs/common/DialogLayout.h"
#include "dialogs/common/DialogParts.h"
#include "editors/ControlBinding.h"
#include "editors/Errors.h"
#include "editors/UiSupport.h"
#include "tables/DefTables.h"

namespace {

struct Interval {
  const char* text;
  int ms;  // 0: off
};

constexpr Interval kIntervals[] = {{"none", 0}, {"2s", 2000}, {"5s", 5000}, {"10s", 10000}, {"30s", 30000}, {"1m", 60000}};

constexpr int kPollMs = 5000;

}  // namespace

Dot3PortsDialog::Dot3PortsDialog(const DialogContext& context, const char* name, const QString& title,
                     const KyVarDefTable& ports, const KyVarDefTable& counters, const QStringList& counterNames,
                     int nameWidth)
    : SnmpDialog(context.owner), counters_(counters), counterCount_(static_cast<int>(counterNames.size())) {
  setObjectName(QString::fromLatin1(name));
  setWindowTitle(title + context.agent);
  portList = new QTreeWidget(this);
  portList->setObjectName(QStringLiteral("ListView1"));
  portList->setMinimumSize(Px(this, 320), Px(this, 180));
  counterRows = new QTreeWidget(this);
  counterRows->setObjectName(QStringLiteral("lvChart"));
  counterRows->hide();
  counterList = new QTreeWidget(this);
  counterList->setObjectName(QStringLiteral("ListView2"));
  counterList->setRootIsDecorated(false);
  counterList->setColumnCount(2);
  counterList->setHeaderLabels({QStringLiteral("Name"), QStringLiteral("Value")});
  counterList->header()->resizeSection(0, Px(this, nameWidth));
  counterList->header()->setStretchLastSection(true);
  counterList->setMinimumWidth(Px(this, nameWidth + 120));
  counterList->setMaximumHeight(Px(this, 90));
  for (const QString& counter : counterNames) counterList->addTopLevelItem(new QTreeWidgetItem({counter, QString()}));
  memo = MakeMemo(this, "Memo1");
  memo->setMaximumHeight(Px(this, 60));
  intervalCombo = MakeCombo(this, "cbxInterval");
  for (const Interval& i : kIntervals) intervalCombo->addItem(QString::fromLatin1(i.text));
  pollTimer = new QTimer(this);
  pollTimer->setObjectName(QStringLiteral("Timer1"));
  refreshButton = MakeButton(this, QStringLiteral("Refresh"), "btnGet");
  closeButton = MakeButton(this, QStringLiteral("Close"), "btnClose");
  connect(closeButton, &QPushButton::clicked, this, &QDialog::close);

  KySNMPRequest2Edits* port = AddBinding(ports, true, memo);
  port->AttachListView(portList, true);
  TrackReady(port, [this] { OnReady(); });
  KySNMPRequest2Edits* counter = AddBinding(counters, true, memo);
  counter->AttachListView(counterRows, false);

  connect(portList, &QTreeWidget::itemSelectionChanged, this, &Dot3PortsDialog::portSelected);
  connect(intervalCombo, &QComboBox::activated, this, &Dot3PortsDialog::intervalChanged);
  connect(pollTimer, &QTimer::timeout, this, &Dot3PortsDialog::pollCounters);
  connect(refreshButton, &QPushButton::clicked, this, &Dot3PortsDialog::refreshClicked);
  pollTimer->stop();
  intervalCombo->setCurrentIndex(0);
}

void Dot3PortsDialog::FinishLayout(QLayout* middle, const std::vector<QPushButton*>& extraButtons) {
  auto* interval = new QHBoxLayout;
  interval->addWidget(MakeLabel(this, QStringLiteral("Interval Time")));
  interval->addWidget(intervalCombo);
  interval->addStretch(1);
  ButtonBar buttons(this);
  buttons.place(refreshButton);
  for (QPushButton* b : extraButtons) buttons.place(b);
  buttons.place(closeButton);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(portList, 1);
  if (middle != nullptr) layout->addLayout(middle);
  layout->addLayout(interval);
  layout->addWidget(counterList);
  layout->addWidget(counterRows);
  layout->addWidget(memo);
  layout->addLayout(buttons.layout());
}

void Dot3PortsDialog::AppendError(const std::string& text) { memo->appendPlainText(QString::fromStdString(text)); }

void Dot3PortsDialog::FirstRefresh() {
  try {
    PortEditor()->Refresh();
  } catch (const std::exception& e) {
    SetReady(true);
    AppendError(ErrorText(e));
  }
}

void Dot3PortsDialog::Clear() {
  pollTimer->stop();
  intervalCombo->setCurrentIndex(0);
  for (int i = 0; i < counterList->topLevelItemCount(); ++i) counterList->topLevelItem(i)->setText(1, QString());
  counterRows->clear();
}

void Dot3PortsDialog::refreshClicked() {
  if (!Ready() || PortEditor()->busy) return;
  Clear();
  SetReady(false);
  try {
    PortEditor()->Refresh();
  } catch (const std::exception& e) {
    SetReady(true);
    AppendError(ErrorText(e));
  }
}

void Dot3PortsDialog::ShowCounters() {
  if (counterRows->topLevelItemCount() == 0) {
    AppendError(kNoData);
    Clear();
    return;
  }
  const QTreeWidgetItem* first = counterRows->topLevelItem(0);
  for (int i = 0; i < counterCount_ && i < counterList->topLevelItemCount(); ++i)
    counterList->topLevelItem(i)->setText(1, first->text(i));
}

void Dot3PortsDialog::portSelected() {
  const QList<QTreeWidgetItem*> selected = portList->selectedItems();
  if (selected.isEmpty()) {
    Clear();
    return;
  }
  KySNMPRequest2Edits* counter = CounterEditor();
  if (counter->busy) return;
  try {
    // The counters of the selected port: the static list with the port as instance.
    counter->request.varList.Assign(KySNMPVarList(counters_));
    counter->request.varList.index.clear();
    counter->request.varList.AppendIndex(selected.first()->text(0).toStdString());
    counter->asynchronous = false;
    counterRows->clear();
    counter->Refresh();
    ShowCounters();
    if (counterRows->topLevelItemCount() > 0) {
      intervalCombo->setCurrentIndex(intervalCombo->findText(QStringLiteral("5s")));
      pollTimer->start(kPollMs);
    }
  } catch (const std::exception& e) {
    AppendError(ErrorText(e));
  }
  PortClicked();
}

void Dot3PortsDialog::intervalChanged() {
  const int at = intervalCombo->currentIndex();
  if (at <= 0 || at >= static_cast<int>(std::size(kIntervals))) {
    pollTimer->stop();
    return;
  }
  pollTimer->start(kIntervals[at].ms);
}

void Dot3PortsDialog::pollCounters() {
  // A poll that would be refused (the operator's read or write runs) waits
  // for the next tick, without a message.
  if (CounterEditor()->busy || Bindings().refuses()) return;
  counterRows->clear();
  try {
    CounterEditor()->Refresh();
  } catch (const std::exception& e) {
    AppendError(ErrorText(e));
  }
  ShowCounters();
}
