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
  ListView1 = new QTreeWidget(this);
  ListView1->setObjectName(QStringLiteral("ListView1"));
  ListView1->setMinimumSize(Px(this, 320), Px(this, 180));
  lvChart = new QTreeWidget(this);
  lvChart->setObjectName(QStringLiteral("lvChart"));
  lvChart->hide();
  ListView2 = new QTreeWidget(this);
  ListView2->setObjectName(QStringLiteral("ListView2"));
  ListView2->setRootIsDecorated(false);
  ListView2->setColumnCount(2);
  ListView2->setHeaderLabels({QStringLiteral("Name"), QStringLiteral("Value")});
  ListView2->header()->resizeSection(0, Px(this, nameWidth));
  ListView2->header()->setStretchLastSection(true);
  ListView2->setMinimumWidth(Px(this, nameWidth + 120));
  ListView2->setMaximumHeight(Px(this, 90));
  for (const QString& counter : counterNames) ListView2->addTopLevelItem(new QTreeWidgetItem({counter, QString()}));
  Memo1 = MakeMemo(this, "Memo1");
  Memo1->setReadOnly(true);
  Memo1->setMaximumHeight(Px(this, 60));
  cbxInterval = MakeCombo(this, "cbxInterval");
  for (const Interval& i : kIntervals) cbxInterval->addItem(QString::fromLatin1(i.text));
  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  btnGet = MakeButton(this, QStringLiteral("Refresh"), "btnGet");
  btnClose = MakeButton(this, QStringLiteral("Close"), "btnClose");

  KySNMPRequest2Edits* port = AddBinding(ports, true, Memo1);
  port->AttachListView(ListView1, true);
  TrackReady(port, [this] { OnReady(); });
  KySNMPRequest2Edits* counter = AddBinding(counters, true, Memo1);
  counter->AttachListView(lvChart, false);

  connect(ListView1, &QTreeWidget::itemSelectionChanged, this, &Dot3PortsDialog::ListView1Click);
  connect(cbxInterval, &QComboBox::activated, this, &Dot3PortsDialog::cbxIntervalChange);
  connect(Timer1, &QTimer::timeout, this, &Dot3PortsDialog::Timer1Timer);
  connect(btnGet, &QPushButton::clicked, this, &Dot3PortsDialog::btnGetClick);
  connect(btnClose, &QPushButton::clicked, this, &QDialog::close);
  Timer1->stop();
  cbxInterval->setCurrentIndex(0);
}

void Dot3PortsDialog::FinishLayout(QLayout* middle, const std::vector<QPushButton*>& extraButtons) {
  auto* interval = new QHBoxLayout;
  interval->addWidget(MakeLabel(this, QStringLiteral("Interval Time")));
  interval->addWidget(cbxInterval);
  interval->addStretch(1);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(btnGet);
  for (QPushButton* b : extraButtons) buttons->addWidget(b);
  buttons->addWidget(btnClose);
  buttons->addStretch(1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(ListView1, 1);
  if (middle != nullptr) layout->addLayout(middle);
  layout->addLayout(interval);
  layout->addWidget(ListView2);
  layout->addWidget(lvChart);
  layout->addWidget(Memo1);
  layout->addLayout(buttons);
}

void Dot3PortsDialog::AppendError(const std::string& text) { Memo1->appendPlainText(QString::fromStdString(text)); }

void Dot3PortsDialog::FirstRefresh() {
  try {
    PortEditor()->Refresh();
  } catch (const std::exception& e) {
    SetReady(true);
    AppendError(ErrorText(e));
  }
}

void Dot3PortsDialog::Clear() {
  Timer1->stop();
  cbxInterval->setCurrentIndex(0);
  for (int i = 0; i < ListView2->topLevelItemCount(); ++i) ListView2->topLevelItem(i)->setText(1, QString());
  lvChart->clear();
}

void Dot3PortsDialog::btnGetClick() {
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
  if (lvChart->topLevelItemCount() == 0) {
    AppendError(kNoData);
    Clear();
    return;
  }
  const QTreeWidgetItem* first = lvChart->topLevelItem(0);
  for (int i = 0; i < counterCount_ && i < ListView2->topLevelItemCount(); ++i)
    ListView2->topLevelItem(i)->setText(1, first->text(i));
}

void Dot3PortsDialog::ListView1Click() {
  const QList<QTreeWidgetItem*> selected = ListView1->selectedItems();
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
    lvChart->clear();
    counter->Refresh();
    ShowCounters();
    if (lvChart->topLevelItemCount() > 0) {
      cbxInterval->setCurrentIndex(cbxInterval->findText(QStringLiteral("5s")));
      Timer1->start(kPollMs);
    }
  } catch (const std::exception& e) {
    AppendError(ErrorText(e));
  }
  PortClicked();
}

void Dot3PortsDialog::cbxIntervalChange() {
  const int at = cbxInterval->currentIndex();
  if (at <= 0 || at >= static_cast<int>(std::size(kIntervals))) {
    Timer1->stop();
    return;
  }
  Timer1->start(kIntervals[at].ms);
}

void Dot3PortsDialog::Timer1Timer() {
  if (CounterEditor()->busy) return;
  lvChart->clear();
  try {
    CounterEditor()->Refresh();
  } catch (const std::exception& e) {
    AppendError(ErrorText(e));
  }
  ShowCounters();
}
