#include "dialogs/bridge/StpControlDialog.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <memory>

#include "dialogs/common/DialogLayout.h"
#include "dialogs/common/StpVersionProgressDialog.h"
#include "editors/ControlBinding.h"
#include "editors/Errors.h"
#include "editors/UiSupport.h"
#include "tables/DefTables.h"

namespace {
const QString kMstp = QStringLiteral("mstp");
const QString kEmptyFields = QStringLiteral("Don't Leave Empty Fileds !");
const QString kDataError = QStringLiteral("Data Error !");

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

  statusPanel = AddStatusPanel(this);
  // The parameters binding first: its status line reports the dialog's errors.
  params_ = AddBinding(tbl::StpBridge, false, statusPanel);
  params_->request.timeout = 300;
  BoundFields fields(this, FieldGrid::kForm, params_);
  versionCombo = fields.combo(0, QStringLiteral("STP Version"), Name{"Combo_STPVersion"});
  maxAgeEdit = fields.edit(1, QStringLiteral("Maxi Age (600-4000)"), Name{"ET_AgingTime"}, "%i{n600x4000l4a}");
  helloTimeEdit = fields.edit(2, QStringLiteral("Hello Time(100-200)"), Name{"ET_HelloTime"}, "%i{n100x200l3a}");
  forwardDelayEdit =
      fields.edit(3, QStringLiteral("Forward Delay(400-3000)"), Name{"ET_ForwardDelay"}, "%i{n400x3000l4a}");
  maxHopsEdit_ = fields.edit(4, QStringLiteral("Max Hops[1-20]"), Name{"ET_Priority"}, "%i{n1x20l2a}");
  txHoldCountEdit_ = fields.edit(5, QStringLiteral("TX Hold Count (1-10)"), Name{"ED_TxHoldCount"}, "%i{n1x10l2a}");
  forwardBpduCombo_ = fields.combo(6, QStringLiteral("Forwarding BPDU"), Name{"Combo_BPDU"});
  lbdCombo_ = fields.combo(7, QStringLiteral("STP LBD"), Name{"Combo_LBD"});
  lbdRecoverEdit = fields.edit(8, QStringLiteral("STP LBD Recover time"), Name{"ET_LBDRecover"}, "%i{n0x1000000l7a}");

  rowView_ = new QTreeWidget(this);
  rowView_->setObjectName(QStringLiteral("ListView1"));
  rowView_->hide();
  stpStateLabel_ = new QLabel(this);
  stpStateLabel_->setObjectName(QStringLiteral("lbMSTPState"));
  stpStateLabel_->hide();

  ButtonBar buttonBar(this);
  buttonBar.add(QStringLiteral("Refresh"), Name{"BT_Get"}, [this] { refreshClicked(); });
  buttonBar.add(QStringLiteral("Set"), Name{"BT_Set"}, [this] { setClicked(); });
  buttonBar.close(Name{"CloseButton"});
  QBoxLayout* buttons = buttonBar.layout();

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields.arrangement());
  layout->addWidget(new QLabel(QStringLiteral("Max Age>= 2*(Hello Time + 100)"), this));
  layout->addWidget(new QLabel(QStringLiteral("Notes : 2*(Forward Delay - 100) >= Max Age"), this));
  layout->addStretch(1);
  layout->addLayout(buttons);
  layout->addWidget(statusPanel->parentWidget());

  rowViewBinding_ = AddBinding(tbl::StpBridgeMstp, true, statusPanel);
  rowViewBinding_->request.timeout = 300;
  rowViewBinding_->AttachListView(rowView_, true);
  rowViewBinding_->setDone = [this](void*, KySNMPRequest2Controls*, const KySNMPError& result) {
    // The main window learns the new version once the switch has taken it.
    if (result.code == 0 && !pendingVersion_.isNull()) SetStVersion(pendingVersion_);
    pendingVersion_ = QString();
    // The version does not change: the operator need not wait any longer.
    if (result.code != 0 && progress_) progress_->close();
  };

  state_ = AddBinding(tbl::StpState, false, statusPanel);
  state_->AssociateControl(0, stpStateLabel_);

  connect(versionCombo, &QComboBox::activated, this, [this](int) { versionChanged(); });
}

QString StpControlDialog::StVersion() const {
  QLabel* text = mainWindow_ != nullptr ? mainWindow_->VersionText() : nullptr;
  return text != nullptr ? text->text() : QString();
}

void StpControlDialog::SetStVersion(const QString& version) {
  if (QLabel* text = mainWindow_ != nullptr ? mainWindow_->VersionText() : nullptr) text->setText(version);
}

void StpControlDialog::HelloTimeFor(bool mstp, bool fill) {
  helloTimeEdit->setEnabled(!mstp);
  QPalette p = helloTimeEdit->palette();
  p.setColor(QPalette::Base, mstp ? p.color(QPalette::Button) : QColor(Qt::white));
  helloTimeEdit->setPalette(p);
  if (mstp) helloTimeEdit->clear();
  else if (fill) helloTimeEdit->setText(QStringLiteral("200"));
}

void StpControlDialog::FirstRefresh() {
  try {
    rowViewBinding_->Refresh();
    state_->Refresh();
    params_->Refresh();
  } catch (const std::exception& e) {
    params_->ShowStatus(ErrorText(e));
  }
  if (StVersion() == kMstp) HelloTimeFor(true, false);
}

void StpControlDialog::versionChanged() { HelloTimeFor(versionCombo->currentText() == kMstp, true); }

void StpControlDialog::refreshClicked() {
  try {
    params_->Refresh();
    if (StVersion() == kMstp) {
      if (!rowViewBinding_->busy) rowViewBinding_->Refresh();
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
  Bindings().waitUntil([this] { return !rowViewBinding_->busy; }, kCloseWaitMs);
  if (rowView_->topLevelItemCount() == 0) return false;
  QTreeWidgetItem* row = rowView_->topLevelItem(0);
  rowView_->clearSelection();
  row->setSelected(true);
  const QString texts[] = {version,
                           maxAgeEdit->text(),
                           forwardDelayEdit->text(),
                           maxHopsEdit_->text(),
                           txHoldCountEdit_->text(),
                           forwardBpduCombo_->currentText(),
                           lbdCombo_->currentText(),
                           lbdRecoverEdit->text()};
  for (int c = 0; c < 8 && c < row->columnCount(); ++c) row->setText(c, texts[c]);
  return true;
}

void StpControlDialog::setClicked() {
  statusPanel->clear();
  auto say = [this](const QString& text) { statusPanel->setText(text); };
  const QString version = versionCombo->currentText();
  const bool mstp = version == kMstp;
  try {
    if (maxHopsEdit_->text().isEmpty() || maxAgeEdit->text().isEmpty() || forwardDelayEdit->text().isEmpty() ||
        lbdRecoverEdit->text().isEmpty())
      return say(kEmptyFields);
    Number(maxHopsEdit_);  // a value that is no number is refused
    const int maxAge = Number(maxAgeEdit);
    const int forwardDelay = Number(forwardDelayEdit);
    if (2 * forwardDelay - 200 < maxAge) return say(kDataError);
    const int recover = Number(lbdRecoverEdit);
    if (recover != 0 && (recover < 60 || recover > 1000000))
      return say(QStringLiteral("LBD recover time should be equal to 0 or between 60-1000000!"));

    const QString versionBefore = StVersion();
    if (mstp) {
      if (rowViewBinding_->busy && !pendingVersion_.isNull()) return say(QString::fromLatin1(kRefreshNotComplete));
      if (!FillRowView(version)) return say(QString::fromLatin1(kRefreshNotComplete));
      pendingVersion_ = version;
      try {
        rowViewBinding_->Apply(true, true);
      } catch (...) {
        pendingVersion_ = QString();
        throw;
      }
    } else {
      if (helloTimeEdit->text().isEmpty()) return say(kEmptyFields);
      const int hello = Number(helloTimeEdit);
      if (maxAge < 2 * hello + 200) return say(kDataError);
      params_->Apply(true, true);
      SetStVersion(version);
    }
    if (version != versionBefore && stpStateLabel_->text() == QLatin1String("enabled")) {
      auto progress = std::make_unique<StpVersionProgressDialog>(this);
      progress->setWindowTitle(QStringLiteral("Set STP Progress"));
      progress->promptLabel->setText(QStringLiteral("Change STP Version is doing..."));
      // The window closes by itself, or as soon as the mstp write has failed.
      progress_ = progress.get();
      progress->exec();
      progress_ = nullptr;
    }
  } catch (const std::exception& e) {
    params_->ShowStatus(ErrorText(e));
  }
}
