#include "dialogs/vlan/PortCapabilityDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "dialogs/common/DialogParts.h"
#include "editors/ControlBinding.h"
#include "editors/Errors.h"
#include "editors/UiSupport.h"
#include "tables/DefTables.h"

// ---------------------------------------------------------------------------
PortCapabilityDialog::PortCapabilityDialog(const DialogContext& context) : SnmpDialog(context.owner) {
  setObjectName(QStringLiteral("PortCapabilities8021dForm"));
  setWindowTitle(QStringLiteral("Port Capability Form: ") + context.agent);
  LV_dot1dPortCapabilitiesEntry = MakeListView(this, "LV_dot1dPortCapabilitiesEntry", 520, 200);
  LV_dot1dPortCapabilitiesEntry->setMinimumWidth(Px(this, 320));
  Memo1 = MakeStatusMemo(this);
  RefreshBtn = MakeButton(this, QStringLiteral("Refresh"), "RefreshBtn");
  CloseButton = MakeButton(this, QStringLiteral("Close"), "CloseButton");

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(RefreshBtn);
  buttons->addWidget(CloseButton);
  buttons->addStretch(1);
  QLabel* samples = nullptr;
  ST_Count = AddSamplesCounter(this, LV_dot1dPortCapabilitiesEntry, &samples);
  buttons->addWidget(samples);
  buttons->addWidget(ST_Count);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(LV_dot1dPortCapabilitiesEntry, 1);
  layout->addWidget(Memo1);
  layout->addLayout(buttons);

  KySNMPRequest2Edits* b = AddBinding(tbl::PortCapabilities, /*asynchronous=*/true, Memo1);
  b->AttachListView(LV_dot1dPortCapabilitiesEntry, true);
  connect(RefreshBtn, &QPushButton::clicked, this, &PortCapabilityDialog::RefreshBtnClick);
  connect(CloseButton, &QPushButton::clicked, this, &QDialog::close);
}

void PortCapabilityDialog::FirstRefresh() { RefreshBtnClick(); }

void PortCapabilityDialog::RefreshBtnClick() {
  if (Editor()->busy) return;
  try {
    Editor()->Refresh();
  } catch (const std::exception& e) {
    Editor()->ShowStatus(ErrorText(e));
  }
  UpdateSamples();
}
