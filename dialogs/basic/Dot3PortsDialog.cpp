#include "dialogs/basic/Dot3PortsDialog.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

#include "dialogs/common/DialogLayout.h"
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
                                 const KyVarDefTable& ports, const KyVarDefTable& counters,
                                 const QStringList& counterNames, int nameWidth)
    : SnmpDialog(context.owner),
      layout_(this, {Name{"ListView1"}, {320, 180}}, DialogLayout::kNoFields),
      counters_(counters),
      counterCount_(static_cast<int>(counterNames.size())) {
  setObjectName(QString::fromLatin1(name));
  setWindowTitle(title + context.agent);
  portList = layout_.list();
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
  messages = MakeStatusMemo(this);
  intervalCombo = MakeCombo(this, "cbxInterval");
  for (const Interval& i : kIntervals) intervalCombo->addItem(QString::fromLatin1(i.text));
  pollTimer = new QTimer(this);
  pollTimer->setObjectName(QStringLiteral("Timer1"));
  refreshButton = layout_.buttons().add(QStringLiteral("Refresh"), Name{"btnGet"}, [this] { refreshClicked(); });
  layout_.buttons().close(Name{"btnClose"});

  KySNMPRequest2Edits* port = AddBinding(ports, true, messages);
  port->AttachListView(portList, true);
  TrackReady(port, [this] { OnReady(); });
  KySNMPRequest2Edits* counter = AddBinding(counters, true, messages);
  counter->AttachListView(counterRows, false);

  connect(portList, &QTreeWidget::itemSelectionChanged, this, &Dot3PortsDialog::portSelected);
  connect(intervalCombo, &QComboBox::activated, this, &Dot3PortsDialog::intervalChanged);
  connect(pollTimer, &QTimer::timeout, this, &Dot3PortsDialog::pollCounters);
  pollTimer->stop();
  intervalCombo->setCurrentIndex(0);
}

void Dot3PortsDialog::PlaceControls(QLayout* controls) {
  layout_.addBelowFields(controls);
  layout_.addBelowFields(CaptionedRow(this, QStringLiteral("Interval Time"), {intervalCombo}));
  layout_.addBelowFields(counterList);
  layout_.addBelowFields(counterRows);
  layout_.addBelowFields(messages);
}

QPushButton* Dot3PortsDialog::AddButton(const QString& text, const char* name, std::function<void()> clicked) {
  return layout_.buttons().add(text, Name{name}, std::move(clicked));
}

void Dot3PortsDialog::AppendError(const std::string& text) { messages->appendPlainText(QString::fromStdString(text)); }

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
