#include "dialogs/vlan/PortCapabilityDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "dialogs/common/DialogLayout.h"
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
  ButtonBar buttons(this);
  refreshButton = buttons.add(QStringLiteral("Refresh"), Name{"RefreshBtn"}, [this] { refreshClicked(); });
  closeButton = buttons.close(Name{"CloseButton"});
  countLabel = buttons.samplesCounter(this, capabilityList);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(capabilityList, 1);
  layout->addWidget(messages);
  layout->addLayout(buttons.layout());

  KySNMPRequest2Edits* b = AddBinding(tbl::PortCapabilities, /*asynchronous=*/true, messages);
  b->AttachListView(capabilityList, true);
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
