#include "dialogs/vlan/PortCapabilityDialog.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QTreeWidget>

#include "dialogs/common/DialogLayout.h"
#include "editors/ControlBinding.h"
#include "editors/Errors.h"
#include "tables/DefTables.h"

PortCapabilityDialog::PortCapabilityDialog(const DialogContext& context) : SnmpDialog(context.owner) {
  setObjectName(QStringLiteral("PortCapabilities8021dForm"));
  setWindowTitle(QStringLiteral("Port Capability Form: ") + context.agent);
  DialogLayout layout(this, {Name{"LV_dot1dPortCapabilitiesEntry"}, {320, 200}}, DialogLayout::kNoFields);
  capabilityList = layout.list();
  QPlainTextEdit* messages = MakeStatusMemo(this);
  layout.addBelowFields(messages);
  refreshButton = layout.buttons().add(QStringLiteral("Refresh"), Name{"RefreshBtn"}, [this] { refreshClicked(); });
  layout.buttons().close(Name{"CloseButton"});
  countLabel = layout.buttons().samplesCounter(this, capabilityList);

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
