#include "dialogs/basic/Dot3Unit.h"

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

TDot3View::TDot3View(const DialogContext& context, const char* name, const QString& title,
                     const KyVarDefTable& ports, const KyVarDefTable& counters, const QStringList& counterNames,
                     int nameWidth)
    : TSnmpDialog(context.owner), counters_(counters), counterCount_(static_cast<int>(counterNames.size())) {
  setObjectName(QString::fromLatin1(name));
  setWindowTitle(title + context.Agent());
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

  connect(ListView1, &QTreeWidget::itemSelectionChanged, this, &TDot3View::ListView1Click);
  connect(cbxInterval, &QComboBox::activated, this, &TDot3View::cbxIntervalChange);
  connect(Timer1, &QTimer::timeout, this, &TDot3View::Timer1Timer);
  connect(btnGet, &QPushButton::clicked, this, &TDot3View::btnGetClick);
  connect(btnClose, &QPushButton::clicked, this, &QDialog::close);
  Timer1->stop();
  cbxInterval->setCurrentIndex(0);
}

void TDot3View::FinishLayout(QLayout* middle, const std::vector<QPushButton*>& extraButtons) {
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

void TDot3View::AppendError(const std::string& text) { Memo1->appendPlainText(QString::fromStdString(text)); }

void TDot3View::FirstRefresh() {
  try {
    PortEditor()->Refresh();
  } catch (const std::exception& e) {
    SetReady(true);
    AppendError(ErrorText(e));
  }
}

void TDot3View::Clear() {
  Timer1->stop();
  cbxInterval->setCurrentIndex(0);
  for (int i = 0; i < ListView2->topLevelItemCount(); ++i) ListView2->topLevelItem(i)->setText(1, QString());
  lvChart->clear();
}

void TDot3View::btnGetClick() {
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

void TDot3View::ShowCounters() {
  if (lvChart->topLevelItemCount() == 0) {
    AppendError(kNoData);
    Clear();
    return;
  }
  const QTreeWidgetItem* first = lvChart->topLevelItem(0);
  for (int i = 0; i < counterCount_ && i < ListView2->topLevelItemCount(); ++i)
    ListView2->topLevelItem(i)->setText(1, first->text(i));
}

void TDot3View::ListView1Click() {
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

void TDot3View::cbxIntervalChange() {
  const int at = cbxInterval->currentIndex();
  if (at <= 0 || at >= static_cast<int>(std::size(kIntervals))) {
    Timer1->stop();
    return;
  }
  Timer1->start(kIntervals[at].ms);
}

void TDot3View::Timer1Timer() {
  // A poll that would be refused (the operator's read or write runs) waits
  // for the next tick, without a message.
  if (CounterEditor()->busy || Bindings().refuses()) return;
  lvChart->clear();
  try {
    CounterEditor()->Refresh();
  } catch (const std::exception& e) {
    AppendError(ErrorText(e));
  }
  ShowCounters();
}

// ---------------------------------------------------------------------------
Tdot3ControlForm::Tdot3ControlForm(const DialogContext& context)
    : TDot3View(context, "dot3ControlForm", QStringLiteral("Dot3 Control Table: "), tbl::Dot3ControlPorts,
                tbl::Dot3ControlCounters, {QStringLiteral("Recived Unknown Opcodes")}, 150) {
  auto* functions = new QHBoxLayout;
  functions->addWidget(MakeLabel(this, QStringLiteral("Function Support")));
  for (int i = 1; i <= 8; ++i) {
    const QByteArray name = "CheckBox" + QByteArray::number(i);
    QCheckBox* box = MakeCheckBox(this, QStringLiteral("pause"), name.constData());
    box->setVisible(i == 1);
    functions->addWidget(box);
    FunctionBoxes.push_back(box);
  }
  functions->addStretch(1);
  PortEditor()->AssociateBits(1, "0,1,2,3,4,5,6,7", FunctionBoxes);
  FinishLayout(functions, {});
}

void Tdot3ControlForm::Clear() {
  TDot3View::Clear();
  for (QCheckBox* box : FunctionBoxes)
    if (!box->isHidden()) box->setChecked(false);
}

void Tdot3ControlForm::OnReady() {
  for (QCheckBox* box : FunctionBoxes)
    if (!box->isHidden()) box->setEnabled(true);
}

// ---------------------------------------------------------------------------
Tdot3PauseForm::Tdot3PauseForm(const DialogContext& context)
    : TDot3View(context, "dot3PauseForm", QStringLiteral("Dot3 Pause Table: "), tbl::Dot3PausePorts,
                tbl::Dot3PauseCounters, {QStringLiteral("In Pause Frame"), QStringLiteral("Out Pause Frame")}, 130) {
  edtIndex = MakeEdit(this, "edtIndex");
  edtIndex->hide();
  cbxAdminMode = MakeCombo(this, "cbxAdminMode");
  btnSet = MakeButton(this, QStringLiteral("Set"), "btnSet");
  auto* mode = new QHBoxLayout;
  mode->addWidget(MakeLabel(this, QStringLiteral("Admin Mode")));
  mode->addWidget(cbxAdminMode);
  mode->addStretch(1);
  PortEditor()->AssociateEdits(0, "%i", edtIndex);
  PortEditor()->AssociateControl(1, cbxAdminMode);
  connect(btnSet, &QPushButton::clicked, this, &Tdot3PauseForm::btnSetClick);
  FinishLayout(mode, {btnSet});
  btnSet->setEnabled(false);
}

void Tdot3PauseForm::Clear() {
  TDot3View::Clear();
  cbxAdminMode->setCurrentIndex(-1);
  btnSet->setEnabled(false);
}

void Tdot3PauseForm::PortClicked() { btnSet->setEnabled(true); }

void Tdot3PauseForm::btnSetClick() {
  if (ListView1->selectedItems().isEmpty() || !Ready() || PortEditor()->busy) return;
  SetReady(false);
  try {
    // The write reads the port table again when it is done (ready again then).
    PortEditor()->Apply(true, true);
    Clear();
  } catch (const std::exception& e) {
    SetReady(true);
    Clear();
    AppendError(ErrorText(e));
  }
}
