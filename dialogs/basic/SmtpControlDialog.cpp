#include "dialogs/basic/SmtpControlDialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>

#include "dialogs/common/DialogParts.h"
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

  CB_Status = MakeCombo(this, "CB_Status");
  Ed_SourceAddress = MakeEdit(this, "Ed_SourceAddress");
  Ed_SourcePort = MakeEdit(this, "Ed_SourcePort");
  Ed_SelfMailAddress = MakeEdit(this, "Ed_SelfMailAddress");
  ED_Subject = MakeEdit(this, "ED_Subject");
  Ed_Content = MakeEdit(this, "Ed_Content");
  CB_SendTest = MakeCombo(this, "CB_SendTest");
  Btn_Refresh = MakeButton(this, QStringLiteral("Refresh"), "Btn_Refresh");
  Btn_Set = MakeButton(this, QStringLiteral("Set"), "Btn_Set");
  Button1 = MakeButton(this, QStringLiteral("Close"), "Button1");
  StatusBar1 = MakeStatusBar(this, &StatusPanel0);

  auto* grid = new QGridLayout;
  const std::pair<const char*, QWidget*> rows[] = {
      {"SMTP State", CB_Status},
      {"SMTP Server Address", Ed_SourceAddress},
      {"SMTP Server Port", Ed_SourcePort},
      {"Self Mail Address", Ed_SelfMailAddress},
      {"Test Message Subject", ED_Subject},
      {"Test Message Content", Ed_Content},
      {"Send Test Message", CB_SendTest},
  };
  int r = 0;
  for (const auto& [label, field] : rows) {
    grid->addWidget(MakeLabel(this, QString::fromLatin1(label)), r, 0);
    grid->addWidget(field, r, 1);
    ++r;
  }
  grid->setColumnMinimumWidth(1, Px(this, 220));
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  for (QPushButton* b : {Btn_Refresh, Btn_Set, Button1}) buttons->addWidget(b);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addLayout(buttons);
  layout->addWidget(StatusBar1);

  KySNMPRequest2Edits* b = AddBinding(tbl::SmtpControl, true, StatusPanel0);
  b->request.timeout = kRequestTimeout;
  b->AssociateControl(0, CB_Status);
  b->AssociateEdits(1, "%s", Ed_SourceAddress);
  b->AssociateEdits(2, "%i{n0x65535l5a}", Ed_SourcePort);
  b->AssociateEdits(3, "%s", Ed_SelfMailAddress);
  b->AssociateEdits(4, "%s", ED_Subject);
  b->AssociateEdits(5, "%s", Ed_Content);
  b->AssociateControl(kSendTest, CB_SendTest);
  // The fields are read again once a write has ended.
  b->setDone = [this](void*, KySNMPRequest2Controls*, const KySNMPError&) {
    if (!refreshAfterWrite_ || Closed()) return;
    refreshAfterWrite_ = false;
    Refresh();
  };

  connect(Btn_Refresh, &QPushButton::clicked, this, &SmtpControlDialog::Btn_RefreshClick);
  connect(Btn_Set, &QPushButton::clicked, this, &SmtpControlDialog::Btn_SetClick);
  connect(Button1, &QPushButton::clicked, this, &SmtpControlDialog::Button1Click);
}

void SmtpControlDialog::FirstRefresh() { Editor()->Refresh(); }

void SmtpControlDialog::Refresh() {
  try {
    if (!Editor()->busy) Editor()->Refresh();
  } catch (const std::exception& e) {
    Editor()->ShowStatus(ErrorText(e));
  }
}

void SmtpControlDialog::Btn_RefreshClick() { Refresh(); }

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

void SmtpControlDialog::Btn_SetClick() {
  if (Editor()->busy) return;
  if (Ed_SourceAddress->text().isEmpty() || Ed_SourcePort->text().isEmpty()) {
    StatusPanel0->setText(QStringLiteral("Please Input Value!"));
    return;
  }
  if (CB_SendTest->currentText() == QLatin1String("send")) {
    if (CB_Status->currentText() == QLatin1String("disabled")) {
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
        progress.LB_Prompt->setText(QStringLiteral("Send the mail is doing..."));
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

void SmtpControlDialog::Button1Click() { close(); }
