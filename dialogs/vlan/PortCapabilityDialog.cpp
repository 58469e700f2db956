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
  capabilityList = MakeListView(this, "LV_dot1dPortCapabilitiesEntry", 520, 200);
  capabilityList->setMinimumWidth(Px(this, 320));
  messages = MakeStatusMemo(this);
  refreshButton = MakeButton(this, QStringLiteral("Refresh"), "RefreshBtn");
  closeButton = MakeButton(this, QStringLiteral("Close"), "CloseButton");

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(refreshButton);
  buttons->addWidget(closeButton);
  buttons->addStretch(1);
  QLabel* samples = nullptr;
  countLabel = AddSamplesCounter(this, capabilityList, &samples);
  buttons->addWidget(samples);
  buttons->addWidget(countLabel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(capabilityList, 1);
  layout->addWidget(messages);
  layout->addLayout(buttons);

  KySNMPRequest2Edits* b = AddBinding(tbl::PortCapabilities, /*asynchronous=*/true, messages);
  b->AttachListView(capabilityList, true);
  connect(refreshButton, &QPushButton::clicked, this, &PortCapabilityDialog::refreshClicked);
  connect(closeButton, &QPushButton::clicked, this, &QDialog::close);
}

void PortCapabilityDialog::FirstRefresh() { refreshClicked(); }

void PortCapabilityDialog::refreshClicked() {
  if (Editor()->busy) return;
  try {
    Editor()->Refresh();
  } catch (const std::exception& e) {
    Editor()->ShowStatus(ErrorText(e));
  }
  UpdateSamples();
}
