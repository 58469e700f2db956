// The read-only LLDP tables whose bit sets are shown by name: neighbours
// (remote table) and 802.3 link aggregation, local and remote. Each is a
// list view with "Refresh" and "Close" and a status bar.
#pragma once

#include "editors/SnmpDialog.h"

class KyLldpNamesRequest2Edits;
class QLabel;
class QPushButton;
class QStatusBar;
class QTreeWidget;

class TLldpNamesViewForm : public TSnmpDialog {
  Q_OBJECT

 public:
  void RefreshClick();

  KyLldpNamesRequest2Edits* binding = nullptr;
  QTreeWidget* ListView1 = nullptr;
  QStatusBar* StatusBar1 = nullptr;
  QLabel* StatusPanel0 = nullptr;
  QPushButton* RefreshButton = nullptr;
  QPushButton* CloseButton = nullptr;

 protected:
  explicit TLldpNamesViewForm(QWidget* owner);
  // Lays the window out around its binding (made by the concrete form).
  void Build(KyLldpNamesRequest2Edits* namesBinding);
  void FirstRefresh() override { RefreshClick(); }
};

class TLLDPRemoteForm : public TLldpNamesViewForm {
  Q_OBJECT
 public:
  explicit TLLDPRemoteForm(QWidget* owner = nullptr);
};

class TLLDPDot3LinkAggForm : public TLldpNamesViewForm {
  Q_OBJECT
 public:
  explicit TLLDPDot3LinkAggForm(QWidget* owner = nullptr);
};

class TLLDPDot3RemoteLinkAggForm : public TLldpNamesViewForm {
  Q_OBJECT
 public:
  explicit TLLDPDot3RemoteLinkAggForm(QWidget* owner = nullptr);
};
