#include "dialogs/bridge/StpControlDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <memory>

#include "dialogs/common/PortListLayout.h"
#include "dialogs/common/StpVersionProgressDialog.h"
#include "editors/ControlBinding.h"
#include "editors/Errors.h"
#include "editors/UiSupport.h"
#include "tables/DefTables.h"

namespace {
const QString kMstp = QStringLiteral("mstp");
const QString kEmptyFields = QStringLiteral("Don't Leave Empty Fileds !");
const QString kDataError = QStringLiteral("Data Error !");

QLineEdit* MakeEdit(QWidget* parent, const char* name) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(QString::fromLatin1(name));
  return edit;
}

// A whole number, or the error raised for a text that is none.
int Number(const QLineEdit* edit) {
  bool ok = false;
  const int n = edit->text().trimmed().toInt(&ok);
  if (!ok) RaiseText("'" + edit->text().toStdString() + "' is not a valid integer value");
  return n;
}
}  // namespace

StpControlDialog::StpControlDialog(const DialogContext& context) : SnmpDialog(context.owner), mainWindow_(context.mainWindow) {
  // The version text must be current before the window is built.
  if (mainWindow_ != nullptr && mainWindow_->VersionBinding() != nullptr) {
    try {
      mainWindow_->VersionBinding()->Refresh();
    } catch (const std::exception& e) {
      if (QLabel* panel = mainWindow_->StatusPanel0()) panel->setText(QString::fromStdString(ErrorText(e)));
    }
  }
  setObjectName(QStringLiteral("STP_Info"));
  setWindowTitle(QStringLiteral("Spanning Tree Control : ") + context.agent);
  resize(Px(this, 420), Px(this, 380));

  Combo_STPVersion = new QComboBox(this);
  Combo_STPVersion->setObjectName(QStringLiteral("Combo_STPVersion"));
  ET_AgingTime = MakeEdit(this, "ET_AgingTime");
  ET_HelloTime = MakeEdit(this, "ET_HelloTime");
  ET_ForwardDelay = MakeEdit(this, "ET_ForwardDelay");
  ET_Priority = MakeEdit(this, "ET_Priority");
  ED_TxHoldCount = MakeEdit(this, "ED_TxHoldCount");
  Combo_BPDU = new QComboBox(this);
  Combo_BPDU->setObjectName(QStringLiteral("Combo_BPDU"));
  Combo_LBD = new QComboBox(this);
  Combo_LBD->setObjectName(QStringLiteral("Combo_LBD"));
  ET_LBDRecover = MakeEdit(this, "ET_LBDRecover");

  auto* fields = new QFormLayout;
  fields->addRow(QStringLiteral("STP Version"), Combo_STPVersion);
  fields->addRow(QStringLiteral("Maxi Age (600-4000)"), ET_AgingTime);
  fields->addRow(QStringLiteral("Hello Time(100-200)"), ET_HelloTime);
  fields->addRow(QStringLiteral("Forward Delay(400-3000)"), ET_ForwardDelay);
  fields->addRow(QStringLiteral("Max Hops[1-20]"), ET_Priority);
  fields->addRow(QStringLiteral("TX Hold Count (1-10)"), ED_TxHoldCount);
  fields->addRow(QStringLiteral("Forwarding BPDU"), Combo_BPDU);
  fields->addRow(QStringLiteral("STP LBD"), Combo_LBD);
  fields->addRow(QStringLiteral("STP LBD Recover time"), ET_LBDRecover);

  ListView1 = new QTreeWidget(this);
  ListView1->setObjectName(QStringLiteral("ListView1"));
  ListView1->hide();
  lbMSTPState = new QLabel(this);
  lbMSTPState->setObjectName(QStringLiteral("lbMSTPState"));
  lbMSTPState->hide();

  BT_Get = MakeDialogButton(this, "BT_Get", QStringLiteral("Refresh"));
  BT_Set = MakeDialogButton(this, "BT_Set", QStringLiteral("Set"));
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(BT_Get);
  buttons->addWidget(BT_Set);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addWidget(new QLabel(QStringLiteral("Max Age>= 2*(Hello Time + 100)"), this));
  layout->addWidget(new QLabel(QStringLiteral("Notes : 2*(Forward Delay - 100) >= Max Age"), this));
  layout->addStretch(1);
  layout->addLayout(buttons);
  StatusPanel = AddStatusPanel(this);
  layout->addWidget(StatusPanel->parentWidget());

  // The parameters binding first: its status line reports the dialog's errors.
  params_ = AddBinding(tbl::StpBridge, false, StatusPanel);
  params_->request.timeout = 300;
  params_->AssociateControl(0, Combo_STPVersion);
  params_->AssociateEdits(1, "%i{n600x4000l4a}", ET_AgingTime);
  params_->AssociateEdits(2, "%i{n100x200l3a}", ET_HelloTime);
  params_->AssociateEdits(3, "%i{n400x3000l4a}", ET_ForwardDelay);
  params_->AssociateEdits(4, "%i{n1x20l2a}", ET_Priority);
  params_->AssociateEdits(5, "%i{n1x10l2a}", ED_TxHoldCount);
  params_->AssociateControl(6, Combo_BPDU);
  params_->AssociateControl(7, Combo_LBD);
  params_->AssociateEdits(8, "%i{n0x1000000l7a}", ET_LBDRecover);

  rowView_ = AddBinding(tbl::StpBridgeMstp, true, StatusPanel);
  rowView_->request.timeout = 300;
  rowView_->AttachListView(ListView1, true);
  rowView_->setDone = [this](void*, KySNMPRequest2Controls*, const KySNMPError& result) {
    // The main window learns the new version once the switch has taken it.
    if (result.code == 0 && !pendingVersion_.isNull()) SetStVersion(pendingVersion_);
    pendingVersion_ = QString();
  };

  state_ = AddBinding(tbl::StpState, false, StatusPanel);
  state_->AssociateControl(0, lbMSTPState);

  connect(Combo_STPVersion, &QComboBox::activated, this, [this](int) { Combo_STPVersionChange(); });
  connect(BT_Get, &QPushButton::clicked, this, &StpControlDialog::BT_GetClick);
  connect(BT_Set, &QPushButton::clicked, this, &StpControlDialog::BT_SetClick);
}

QString StpControlDialog::StVersion() const {
  QLabel* text = mainWindow_ != nullptr ? mainWindow_->VersionText() : nullptr;
  return text != nullptr ? text->text() : QString();
}

void StpControlDialog::SetStVersion(const QString& version) {
  if (QLabel* text = mainWindow_ != nullptr ? mainWindow_->VersionText() : nullptr) text->setText(version);
}

void StpControlDialog::HelloTimeFor(bool mstp, bool fill) {
  ET_HelloTime->setEnabled(!mstp);
  QPalette p = ET_HelloTime->palette();
  p.setColor(QPalette::Base, mstp ? p.color(QPalette::Button) : QColor(Qt::white));
  ET_HelloTime->setPalette(p);
  if (mstp) ET_HelloTime->clear();
  else if (fill) ET_HelloTime->setText(QStringLiteral("200"));
}

void StpControlDialog::FirstRefresh() {
  try {
    rowView_->Refresh();
    state_->Refresh();
    params_->Refresh();
  } catch (const std::exception& e) {
    params_->ShowStatus(ErrorText(e));
  }
  if (StVersion() == kMstp) HelloTimeFor(true, false);
}

void StpControlDialog::Combo_STPVersionChange() { HelloTimeFor(Combo_STPVersion->currentText() == kMstp, true); }

void StpControlDialog::BT_GetClick() {
  try {
    params_->Refresh();
    if (StVersion() == kMstp) {
      if (!rowView_->busy) rowView_->Refresh();
      state_->Refresh();
      HelloTimeFor(true, false);
    } else {
      state_->Refresh();
      HelloTimeFor(false, false);
    }
  } catch (const std::exception& e) {
    params_->ShowStatus(ErrorText(e));
  }
}

bool StpControlDialog::FillRowView(const QString& version) {
  // The row comes from the view's read: wait for a running one.
  QElapsedTimer waited;
  waited.start();
  while (rowView_->busy && waited.elapsed() < kCloseWaitMs) QApplication::processEvents(QEventLoop::AllEvents, 20);
  if (ListView1->topLevelItemCount() == 0) return false;
  QTreeWidgetItem* row = ListView1->topLevelItem(0);
  ListView1->clearSelection();
  row->setSelected(true);
  const QString texts[] = {version,
                           ET_AgingTime->text(),
                           ET_ForwardDelay->text(),
                           ET_Priority->text(),
                           ED_TxHoldCount->text(),
                           Combo_BPDU->currentText(),
                           Combo_LBD->currentText(),
                           ET_LBDRecover->text()};
  for (int c = 0; c < 8 && c < row->columnCount(); ++c) row->setText(c, texts[c]);
  return true;
}

void StpControlDialog::BT_SetClick() {
  StatusPanel->clear();
  auto say = [this](const QString& text) { StatusPanel->setText(text); };
  const QString version = Combo_STPVersion->currentText();
  const bool mstp = version == kMstp;
  try {
    if (ET_Priority->text().isEmpty() || ET_AgingTime->text().isEmpty() || ET_ForwardDelay->text().isEmpty() ||
        ET_LBDRecover->text().isEmpty())
      return say(kEmptyFields);
    const int maxHops = Number(ET_Priority);
    const int maxAge = Number(ET_AgingTime);
    const int forwardDelay = Number(ET_ForwardDelay);
    if (2 * forwardDelay - 200 < maxAge) return say(kDataError);
    if (maxHops > 65535) return say(QStringLiteral("Priority value is wrong!"));
    const int recover = Number(ET_LBDRecover);
    if (recover != 0 && (recover < 60 || recover > 1000000))
      return say(QStringLiteral("LBD recover time should be equal to 0 or between 60-1000000!"));

    const QString versionBefore = StVersion();
    if (mstp) {
      if (rowView_->busy && !pendingVersion_.isNull()) return say(QString::fromLatin1(kRefreshNotComplete));
      if (!FillRowView(version)) return say(QString::fromLatin1(kRefreshNotComplete));
      pendingVersion_ = version;
      try {
        rowView_->Apply(true, true);
      } catch (...) {
        pendingVersion_ = QString();
        throw;
      }
    } else {
      if (ET_HelloTime->text().isEmpty()) return say(kEmptyFields);
      const int hello = Number(ET_HelloTime);
      if (maxAge < 2 * hello + 200) return say(kDataError);
      params_->Apply(true, true);
      SetStVersion(version);
    }
    if (version != versionBefore && lbMSTPState->text() == QLatin1String("enabled")) {
      auto progress = std::make_unique<StpVersionProgressDialog>(this);
      progress->setWindowTitle(QStringLiteral("Set STP Progress"));
      progress->LB_Prompt->setText(QStringLiteral("Change STP Version is doing..."));
      progress->exec();
    }
  } catch (const std::exception& e) {
    params_->ShowStatus(ErrorText(e));
  }
}
