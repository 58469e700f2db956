#include "dialogs/lldp/LldpNamesViewDialog.h"

#include <QBoxLayout>
#include <QLabel>
#include <QStatusBar>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <memory>

#include "dialogs/common/DialogLayout.h"
#include "dialogs/common/DialogParts.h"
#include "dialogs/lldp/LldpNamesBinding.h"
#include "editors/Errors.h"
#include "tables/DefTables.h"

namespace {

// The table of each view and its variables shown by name.
struct NamedTable {
  const KyVarDefTable* table;
  std::vector<LldpNamesBinding::Named> named;
};

NamedTable TableOf(LldpNamesViewDialog::Table table) {
  switch (table) {
    case LldpNamesViewDialog::Table::Remote:  // capabilities supported and enabled
      return {&tbl::LldpRemote, {{10, lldp::kCapabilities}, {11, lldp::kCapabilities}}};
    case LldpNamesViewDialog::Table::LocalLinkAggregation:
      return {&tbl::LldpDot3LinkAgg, {{1, lldp::kLinkAggStatus}}};
    case LldpNamesViewDialog::Table::RemoteLinkAggregation:
      return {&tbl::LldpDot3RemoteLinkAgg, {{3, lldp::kLinkAggStatus}}};
  }
  return {};
}

}  // namespace

LldpNamesViewDialog::LldpNamesViewDialog(const DialogContext& context, Table table) : SnmpDialog(context.owner) {
  tableList = MakeListView(this, "ListView1", 640, 240);
  ButtonBar buttons(this);
  buttons.add(QStringLiteral("Refresh"), Name{"RefreshButton"}, [this] { refreshClicked(); });
  buttons.close(Name{"CloseButton"});
  QLabel* count = buttons.samplesCounter(this, tableList);
  count->setObjectName(QStringLiteral("StaticText1"));
  QLabel* statusLabel = nullptr;
  QStatusBar* statusBar = MakeStatusBar(this, &statusLabel);
  auto* top = new QVBoxLayout(this);
  top->addWidget(tableList, 1);
  top->addLayout(buttons.layout());
  top->addWidget(statusBar);

  NamedTable t = TableOf(table);
  binding_ = static_cast<LldpNamesBinding*>(AdoptBinding(std::make_unique<LldpNamesBinding>(this, std::move(t.named)),
                                                         KySNMPVarList(*t.table), /*asynchronous=*/true, statusLabel));
  binding_->AttachListView(tableList, false);
}

void LldpNamesViewDialog::refreshClicked() {
  if (RefuseWhileBusy(binding_, QString::fromLatin1(kGetDataNotComplete))) return;
  try {
    binding_->Refresh();
  } catch (const std::exception& e) {
    binding_->ShowStatus(ErrorText(e));
  }
}
