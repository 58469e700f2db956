// A read-only LLDP table whose bit sets are shown by name: "LLDP Remote
// Table" (the neighbours and their capabilities) or the 802.3 link
// aggregation status of the local ports or of the neighbours. A list with
// its "Samples" count, "Refresh" and "Close", and a status bar.
#pragma once

#include "dialogs/common/DialogBase.h"

class LldpNamesBinding;

class LldpNamesViewDialog : public SnmpDialog {
  Q_OBJECT

 public:
  enum class Table { Remote, LocalLinkAggregation, RemoteLinkAggregation };
  LldpNamesViewDialog(const DialogContext& context, Table table);

  void refreshClicked();

  QTreeWidget* tableList = nullptr;

 protected:
  void FirstRefresh() override { refreshClicked(); }

 private:
  LldpNamesBinding* binding_ = nullptr;
};
