#include "dialogs/basic/SmtpControlDialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>

#include "dialogs/common/DialogLayout.h"
#include "dialogs/common/ProgressDialog.h"
#include "editors/ControlBinding.h"
#include "editors/DialogHelpers.h"
#include "editors/Errors.h"
#include "editors/UiSupport.h"
#include "tables/DefTables.h"

namespace {
constexpr int kSendTest = 6;
}  // namespace

SmtpControlDialog::SmtpControlDialog(const DialogContext& context) : SnmpDialog(context.owner) {
  setObjectName(QStringLiteral("SMTPControlForm"));
  setWindowTitle(QStringLiteral("SMTP Control Table :") + context.agent);

  statusBar = MakeStatusBar(this, &statusPanel);
  KySNMPRequest2Edits* b = AddBinding(tbl::SmtpControl, true, statusPanel);
  b->request.timeout = kRequestTimeout;
  BoundFields fields(this, 1, b);
  stateCombo = fields.combo(0, QStringLiteral("SMTP State"), Name{"CB_Status"});
  serverAddressEdit = fields.edit(1, QStringLiteral("SMTP Server Address"), Name{"Ed_SourceAddress"}, "%s");
  serverPortEdit = fields.edit(2, QStringLiteral("SMTP Server Port"), Name{"Ed_SourcePort"}, "%i{n0x65535l5a}");
  selfMailAddressEdit = fields.edit(3, QStringLiteral("Self Mail Address"), Name{"Ed_SelfMailAddress"}, "%s");
  subjectEdit = fields.edit(4, QStringLiteral("Test Message Subject"), Name{"ED_Subject"}, "%s");
  contentEdit = fields.edit(5, QStringLiteral("Test Message Content"), Name{"Ed_Content"}, "%s");
  sendTestCombo = fields.combo(kSendTest, QStringLiteral("Send Test Message"), Name{"CB_SendTest"});
  ButtonBar buttons(this);
  refreshButton = buttons.add(QStringLiteral("Refresh"), Name{"Btn_Refresh"}, [this] { refreshClicked(); });
  setButton = buttons.add(QStringLiteral("Set"), Name{"Btn_Set"}, [this] { setClicked(); });
  closeButton = buttons.add(QStringLiteral("Close"), Name{"Button1"}, [this] { closeClicked(); });

  QGridLayout* grid = fields.layout();
  grid->setColumnMinimumWidth(1, Px(this, 220));
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addLayout(buttons.layout());
  layout->addWidget(statusBar);

  // The fields are read again once a write has ended.
  b->setDone = [this](void*, KySNMPRequest2Controls*, const KySNMPError& result) {
    // No mail goes out: the operator need not wait in the progress window.
    if (result.code != 0 && progress_ != nullptr) progress_->close();
    if (!refreshAfterWrite_ || Closed()) return;
    refreshAfterWrite_ = false;
    Refresh();
  };
}

void SmtpControlDialog::FirstRefresh() { Editor()->Refresh(); }

void SmtpControlDialog::Refresh() {
  try {
    if (!Editor()->busy) Editor()->Refresh();
  } catch (const std::exception& e) {
    Editor()->ShowStatus(ErrorText(e));
  }
}

void SmtpControlDialog::refreshClicked() { Refresh(); }

void SmtpControlDialog::Write() {
  try {
    refreshAfterWrite_ = true;
    Editor()->Apply(false, true);
  } catch (const std::exception& e) {
    refreshAfterWrite_ = false;
    Editor()->statusKind = kSetStatus;
    Editor()->ShowStatus(ErrorText(e));
  }
  // A write that did not start (refused, or the dialog closing) leaves
  // nothing to wait for.
  if (!Editor()->busy) refreshAfterWrite_ = false;
}

void SmtpControlDialog::setClicked() {
  if (Editor()->busy) return;
  if (serverAddressEdit->text().isEmpty() || serverPortEdit->text().isEmpty()) {
    statusPanel->setText(QStringLiteral("Please Input Value!"));
    return;
  }
  if (sendTestCombo->currentText() == QLatin1String("send")) {
    if (stateCombo->currentText() == QLatin1String("disabled")) {
      ShowMessageBox(this, "Enable SMTP first if you want send a mail", ProgramCaption());
      return;
    }
    if (ShowMessageBox(this, "To Send the mail may take a long time. Do you want to go on?", ProgramCaption(),
                       QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Question) == QMessageBox::Ok) {
      Write();
      // The switch works on the mail after the write: the operator waits
      // while it is outstanding, in the progress window.
      if (Editor()->busy) {
        ProgressDialog progress(this);
        progress.setWindowTitle(QStringLiteral("Send the mail Progress"));
        progress.promptLabel->setText(QStringLiteral("Send the mail is doing..."));
        progress_ = &progress;
        progress.exec();
        progress_ = nullptr;
      }
    }
  } else {
    // "noAction" (or nothing chosen): the send variable stays out.
    KyColumnExclusion exclusion(Editor()->request.varList);
    exclusion.Exclude(kSendTest);
    Write();
  }
  if (!refreshAfterWrite_) Refresh();
}

void SmtpControlDialog::closeClicked() { close(); }
