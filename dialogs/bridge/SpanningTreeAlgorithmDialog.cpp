#include "dialogs/bridge/SpanningTreeAlgorithmDialog.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <memory>

#include "dialogs/common/DialogLayout.h"
#include "dialogs/common/ProgressDialog.h"
#include "editors/ControlBinding.h"
#include "editors/Errors.h"
#include "editors/UiSupport.h"
#include "tables/DefTables.h"

SpanningTreeAlgorithmDialog::SpanningTreeAlgorithmDialog(const DialogContext& context) : SnmpDialog(context.owner) {
  setObjectName(QStringLiteral("SpanningTreeAlgorithmForm"));
  setWindowTitle(QStringLiteral("Spanning Tree Algorithm: ") + context.agent);
  resize(Px(this, 360), Px(this, 130));

  stateCombo = new QComboBox(this);
  stateCombo->setObjectName(QStringLiteral("ComboBox1"));

  auto* row = new QHBoxLayout;
  row->addWidget(new QLabel(QStringLiteral("Spanning Tree Algorithm"), this));
  row->addWidget(stateCombo, 1);
  ButtonBar buttonBar(this);
  buttonBar.add(QStringLiteral("Refresh"), Name{"GetButton"}, [this] { refreshClicked(); });
  buttonBar.add(QStringLiteral("Set"), Name{"SetButton"}, [this] { setClicked(); });
  buttonBar.close(Name{"CloseButton"});
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(row);
  layout->addStretch(1);
  layout->addLayout(buttonBar.layout());
  statusLabel = AddStatusPanel(this);
  layout->addWidget(statusLabel->parentWidget());

  state_ = AddBinding(tbl::StpState, true, statusLabel);
  state_->AssociateControl(0, stateCombo);
  state_->setDone = [this](void*, KySNMPRequest2Controls*, const KySNMPError& result) {
    if (result.code != 0) {
      // The switch will not enable: the operator need not wait any longer.
      writeFailed_ = true;
      if (progress_) progress_->close();
    }
    if (!refreshPending_ && result.code == 0) return;
    refreshPending_ = false;
    // Read from within the write's completion: the read follows the write,
    // so its "Ok" leaves a failed write's error on the status line.
    RefreshState();
  };
}

void SpanningTreeAlgorithmDialog::ShowStateError(const std::exception& e) { statusLabel->setText(QString::fromStdString(ErrorText(e))); }

void SpanningTreeAlgorithmDialog::FirstRefresh() { refreshClicked(); }

void SpanningTreeAlgorithmDialog::refreshClicked() {
  try {
    state_->Refresh();
  } catch (const std::exception& e) {
    ShowStateError(e);
  }
}

void SpanningTreeAlgorithmDialog::RefreshState() {
  if (Closed()) return;
  try {
    state_->Refresh();
  } catch (const std::exception& e) {
    ShowStateError(e);
  }
}

void SpanningTreeAlgorithmDialog::RefreshWhenWritten() {
  // A failed write has been followed by its read already.
  if (Closed() || writeFailed_) return;
  if (state_->busy) {
    refreshPending_ = true;
    return;
  }
  RefreshState();
}

void SpanningTreeAlgorithmDialog::setClicked() {
  if (state_->busy) return;  // a write of this window is still running
  const QString chosen = stateCombo->currentText();
  writeFailed_ = false;
  try {
    if (chosen == QLatin1String("disabled")) {
      state_->Apply(true, true);
    } else if (chosen == QLatin1String("enabled")) {
      // Whatever the state shown when the window opened: enabling from
      // disabled takes the same path as enabling again.
      if (ShowMessageBox(this, QStringLiteral("To enable STP may take a long time. Do you want to go on?"),
                         ProgramCaption(), QMessageBox::Ok | QMessageBox::Cancel,
                         QMessageBox::Question) == QMessageBox::Ok) {
        auto progress = std::make_unique<ProgressDialog>(this);
        progress->setWindowTitle(QStringLiteral("Enable STP Progress"));
        progress->promptLabel->setText(QStringLiteral("Enable STP is doing..."));
        // The window closes by itself, or as soon as the write has failed.
        state_->Apply(true, true);
        if (state_->busy && !writeFailed_) {
          progress_ = progress.get();
          progress->exec();
          progress_ = nullptr;
        }
      }
    }
  } catch (const std::exception& e) {
    ShowStateError(e);
  }
  RefreshWhenWritten();
}
